#pragma once

#include "actors/Dastate.h"

#include <cstdint>

class IDungActer;

// One state of an actor: runs for `duration` steps once entered. Kinds
// override Enter and Step, calling these first, to add their per-state work.
class IDA_State {
public:
    explicit IDA_State(DA_State stateId) : id(stateId) {}
    IDA_State(const IDA_State&) = delete;
    IDA_State& operator=(const IDA_State&) = delete;

    virtual IDungActer* GetOwner() const = 0;
    // The body motion of this state; at rest by default.
    virtual void ApplyMotion();
    virtual ~IDA_State() = default;
    // One step: counts up to the duration; true once it is reached.
    virtual bool Step();
    virtual void Enter();
    virtual bool IsFinished() const { return count >= duration; }

    void SetDuration(int steps) { duration = steps; }
    void SetParam(std::uint8_t value) { param = value; }
    DA_State GetId() const { return id; }
    std::uint8_t GetParam() const { return param; }
    int GetCount() const { return count; }
    int GetDuration() const { return duration; }

private:
    DA_State id;
    std::uint8_t param = 0;
    int count = 0;
    int duration = 0;
};

// The state of an actor whose turn is done. One instance serves every actor;
// the actor's tick reports it finished once the body's motion has run out.
class Tdast_Null final : public IDA_State {
public:
    static Tdast_Null& Instance();

    IDungActer* GetOwner() const override { return nullptr; }
    void ApplyMotion() override {}
    bool Step() override { return true; }
    void Enter() override {}

private:
    Tdast_Null() : IDA_State(das_Null) {}
};
