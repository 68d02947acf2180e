#include "actors/Dastswitch.h"

#include "activemap/Activemapproxy.h"
#include "actors/Idungacter.h"

Tdast_Switching::Tdast_Switching(DA_State stateId, IDungActer& owner, ISwitching& switching,
                                 int steps)
    : IDA_State(stateId), acter(owner), mover(switching), switchSteps(steps) {}

void Tdast_Switching::ApplyMotion() {
    switch (GetId()) {
    case das_TurnOn:
        mover.SetOnMotion();
        break;
    case das_TurnOff:
        mover.SetOffMotion();
        break;
    default:
        IDA_State::ApplyMotion();
        break;
    }
}

void Tdast_Switching::Enter() {
    IDA_State::Enter();
    if (GetId() == das_Standby) {
        return;
    }
    SetDuration(switchSteps);
    if (!mover.IsMoving()) {
        TActiveMapProxy::Instance().AddPendingObject(acter);
        mover.SetMoving(true);
    }
}

bool Tdast_Switching::Step() {
    const bool finished = IDA_State::Step();
    if (!finished || GetId() == das_Standby) {
        return finished;
    }
    const bool atRest = mover.SwitchEnded(GetId() == das_TurnOn);
    if (atRest) {
        mover.SetMoving(false);
    }
    return atRest;
}
