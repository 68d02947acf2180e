#include "actors/Idastate.h"

#include "actors/Idungacter.h"

void IDA_State::ApplyMotion() {
    GetOwner()->SetIdleMotion();
}

bool IDA_State::Step() {
    if (count < duration) {
        ++count;
    }
    return count >= duration;
}

void IDA_State::Enter() {
    count = 0;
    duration = 0;
    ApplyMotion();
}

Tdast_Null& Tdast_Null::Instance() {
    static Tdast_Null shared;
    return shared;
}
