#include "actors/Onoffobjesub.h"

#include "platform/GameError.h"
#include "platform/SjisText.h"
#include "world/Base3dutil.h"
#include "world/Iautomapping.h"

namespace {

// The sub-kind byte of an on/off record.
constexpr int SubKindOffset = 1;

const TDAStateSet& TwoWayStates() {
    static const TDAStateSet states = {das_Standby, das_TurnOn, das_TurnOff};
    return states;
}

} // namespace

TWallSwitch::TWallSwitch(std::unique_ptr<IActerBody> switchBody)
    : TOnOffObje(std::move(switchBody), TwoWayStates()) {}

DA_Action TWallSwitch::ActionFor(std::uint8_t dir) {
    return IsOrthogonalWay(dir) ? dac_Press : dac_Attack;
}

void TWallSwitch::OperatedBy(IDungActer& actor) {
    // Its face is on the south side: only from there can it be reached.
    if (actor.GetDirection() != DW_North) {
        return;
    }
    byHeroine = true;
    Toggle();
}

void TWallSwitch::LinkedChanged(IDungActer&) {
    if (GetStateId() != das_Standby) {
        // Restarting now would move it from a position it has not reached.
        ++queued;
        return;
    }
    byHeroine = false;
    Toggle();
}

void TWallSwitch::PlaceOnOff(TDungBlock* onBlock, std::uint8_t* onOffRecord) {
    TOnOffObje::PlaceOnOff(onBlock, onOffRecord);
    // Mounted one unit up on the south face of its block.
    Move(0.0f, 1.0f, -1.0f);
}

bool TWallSwitch::SwitchEnded(bool turnedOn) {
    if (byHeroine && GetLink()) {
        GetLink()->LinkedChanged(*this);
    }
    SetOn(turnedOn);
    Rest();
    if (queued == 0) {
        return true;
    }
    --queued;
    byHeroine = false;
    Toggle();
    return false;
}

TDoor::TDoor(std::unique_ptr<IActerBody> doorBody, int key)
    : TOnOffObje(std::move(doorBody), TwoWayStates()), keyNumber(key) {}

DA_Action TDoor::ActionFor(std::uint8_t dir) {
    if (IsDiagonalWay(dir) || switchOperated || IsOpen()) {
        return dac_Attack;
    }
    return keyNumber == 0 || HeroineHasKey(keyNumber) ? dac_Unlock : dac_Attack;
}

void TDoor::Link(IDungActer& other) {
    if (!switchOperated) {
        throw TGameError(Sjis("ドアの関連物体セットエラー"));
    }
    links.push_back(&other);
}

void TDoor::LinkedChanged(IDungActer& notifier) {
    if (GetStateId() != das_Standby) {
        pending.push_back(&notifier);
        return;
    }
    Toggle();
    for (IDungActer* other : links) {
        if (other != &notifier) {
            other->LinkedChanged(*this);
        }
    }
}

void TDoor::PlaceOnOff(TDungBlock* onBlock, std::uint8_t* onOffRecord) {
    TOnOffObje::PlaceOnOff(onBlock, onOffRecord);
    switchOperated = onOffRecord[SubKindOffset] == SwitchDoorSubKind;
}

int TDoor::OpenByHeroine() {
    SetState(StateOf(das_TurnOn));
    return keyNumber;
}

bool TDoor::SwitchEnded(bool turnedOn) {
    SetOn(turnedOn);
    Rest();
    IAutoMapping::Instance().RedrawBlock(*GetBlock());
    if (pending.empty()) {
        return true;
    }
    IDungActer& next = *pending.front();
    pending.pop_front();
    LinkedChanged(next);
    return false;
}
