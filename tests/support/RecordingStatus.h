#pragma once

#include "actors/Fighter.h"
#include "actors/Fighterstatus.h"

#include <string>

// Keeps what combat told the status view.
class TRecordingStatus final : public IFighterStatus {
public:
    void UpdateHP(TFighter& fighter) override {
        calls += "hp:" + std::to_string(fighter.GetHP()) + " ";
    }
    void Forget(TFighter&) override { calls += "forget "; }
    std::string calls;
};
