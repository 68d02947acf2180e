#pragma once

#include "actors/Idastate.h"

#include <cstdint>

class TDungBlock;
class TFighter;

// Turning senses: 2 clockwise (+22.5 degrees a step), 1 counter-clockwise.
constexpr std::uint8_t SenseClockwise = 2;
constexpr std::uint8_t SenseCounterClockwise = 1;

// The behaviour every fighter shares, one object per state value. Kinds
// with more states override StartAction, StepAction and ApplyMotion for
// their own values and leave the others to this class.
class Tdast_Fighter : public IDA_State {
public:
    Tdast_Fighter(DA_State stateId, TFighter& fighter) : IDA_State(stateId), owner(fighter) {}

    IDungActer* GetOwner() const override;
    void ApplyMotion() override;
    void Enter() override;
    bool Step() override;

    std::uint8_t GetSense() const { return sense; }
    void SetSense(std::uint8_t value) { sense = value; }

protected:
    TFighter& Fighter() const { return owner; }
    // The per-state start, after the common part of Enter.
    virtual void StartAction();
    // The per-state step with the common result; returns the step's result.
    virtual bool StepAction(bool finished);
    // Strikes the block in front; true when the hit wears the sword.
    bool HitFront();
    // Whether the fighter may walk onto `dest`, which is null outside the
    // grid and across a walled corner.
    virtual bool MayWalkInto(const TDungBlock* dest) const;

private:
    void StartTurn();
    void StepTurn(bool finished);
    void StartWalk(bool fast);
    void StepWalk(bool finished, bool fast);
    void EnterOwnerState(DA_State next);

    TFighter& owner;
    std::uint8_t sense = SenseClockwise;
};
