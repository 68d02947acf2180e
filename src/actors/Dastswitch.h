#pragma once

#include "actors/Idastate.h"

class IDungActer;

// What moves between two positions (a switch on and off, a door open and
// shut, a floor switch down and up) through a state of a few steps, while
// the dungeon map waits for it.
class ISwitching {
public:
    // The body's motion toward on, and toward off.
    virtual void SetOnMotion() = 0;
    virtual void SetOffMotion() = 0;
    // The motion toward on (or off) has run its steps. False when the object has
    // started moving again at once, so the map goes on waiting for it.
    virtual bool SwitchEnded(bool turnedOn) = 0;

    // Whether the map is waiting for it already.
    bool IsMoving() const { return moving; }
    void SetMoving(bool value) { moving = value; }

protected:
    ~ISwitching() = default;

private:
    bool moving = false;
};

// At rest, or switching on or off for a fixed number of steps. Starting to
// switch registers the owner with the map as a moving object, once, however
// often it switches again before it comes to rest.
class Tdast_Switching final : public IDA_State {
public:
    Tdast_Switching(DA_State stateId, IDungActer& owner, ISwitching& switching, int steps);

    IDungActer* GetOwner() const override { return &acter; }
    void ApplyMotion() override;
    bool Step() override;
    void Enter() override;

private:
    IDungActer& acter;
    ISwitching& mover;
    int switchSteps;
};
