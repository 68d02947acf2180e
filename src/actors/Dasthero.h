#pragma once

#include "actors/Dastfighter.h"

class THero;

// The heroine's states: the fighter's, with her own walking, attack and
// turning, the actions on the block in front of her and the signals the
// dungeon map reads after her turn.
class Tdast_Hero final : public Tdast_Fighter {
public:
    Tdast_Hero(DA_State stateId, THero& heroine);

    void ApplyMotion() override;
    void Enter() override;

    // The blow of this attack broke her sword.
    bool SwordBroke() const { return swordBroke; }

protected:
    void StartAction() override;
    bool StepAction(bool finished) override;
    bool MayWalkInto(const TDungBlock* dest) const override;

private:
    void StartActOrder();
    void StartTalk();
    bool StepAttack(bool finished);
    // Pressing a switch, unlocking a door, opening a chest.
    bool StepHandAction(bool finished);
    void EnterHeroState(DA_State next);
    // The block in front of her; null when she faces the edge of the grid.
    TDungBlock* Front() const;

    THero& hero;
    bool swordBroke = false;
};
