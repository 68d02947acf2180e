#pragma once

#include "actors/Herooutput.h"
#include "actors/Itemacter.h"

#include <cstdint>
#include <functional>
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
    void ShowLevelUp(bool on) override { Notice("levelup", on); }
    void ShowCollapsed(bool on) override { Notice("collapsed", on); }
    void ShowRecovered(bool on) override { Notice("recovered", on); }
    void ShowSwordBroken(bool on) override { Notice("swordbroken", on); }
    void ShowLevelReached(int level, bool on) override {
        Notice("level" + std::to_string(level), on);
    }

    std::vector<std::string> calls;
    std::vector<const TItemActer*> forgotten;
    std::vector<std::string> remarks;
    // The notices in order, "+name" shown and "-name" hidden.
    std::vector<std::string> notices;

private:
    void Notice(const std::string& name, bool on) { notices.push_back((on ? "+" : "-") + name); }
};

// Keeps the talks, treasures and reveals the heroine started; a test that
// plays the talks sets where they go.
class TRecordingHeroLinks final : public IHeroLinks {
public:
    void StartTalk(TTalkDepot& talks) override {
        talked.push_back(&talks);
        if (startTalk) {
            startTalk(talks);
        }
    }
    void TreasureBroughtBack(std::uint8_t eventNo, std::uint8_t itemPosition) override {
        treasures.emplace_back(eventNo, itemPosition);
    }
    void RequestReveal() override {
        ++reveals;
        if (whenRevealed) {
            whenRevealed();
        }
    }

    std::vector<TTalkDepot*> talked;
    std::function<void(TTalkDepot&)> startTalk;
    std::vector<std::pair<int, int>> treasures;
    int reveals = 0;
    // Passes her reveals on, as the dungeon operator does to the automap.
    std::function<void()> whenRevealed;
};
