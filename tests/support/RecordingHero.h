#pragma once

#include "actors/Herooutput.h"
#include "actors/Itemacter.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// Keeps, in order, what the heroine showed the player.
class TRecordingHeroView final : public IHeroView {
public:
    void ShowHero(THero&) override { calls.push_back("hero"); }
    void UpdateHeroPower(THero&) override { calls.push_back("power"); }
    void UpdateNext(THero&) override { calls.push_back("next"); }
    void UpdateComparison() override { calls.push_back("comparison"); }
    void ForgetItem(const TItemActer& item) override {
        calls.push_back("forget");
        forgotten.push_back(&item);
    }
    void ShowRemark(const std::string& sjisText) override {
        calls.push_back("remark");
        remarks.push_back(sjisText);
    }

    std::vector<std::string> calls;
    std::vector<const TItemActer*> forgotten;
    std::vector<std::string> remarks;
};

// Keeps the talks, treasures and reveals the heroine started.
class TRecordingHeroLinks final : public IHeroLinks {
public:
    void StartTalk(TTalkDepot& talks) override { talked.push_back(&talks); }
    void TreasureBroughtBack(std::uint8_t eventNo, std::uint8_t itemPosition) override {
        treasures.emplace_back(eventNo, itemPosition);
    }
    void RequestReveal() override { ++reveals; }

    std::vector<TTalkDepot*> talked;
    std::vector<std::pair<int, int>> treasures;
    int reveals = 0;
};
