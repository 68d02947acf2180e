#include "actors/Onoffobjesub.h"

#include "platform/GameError.h"
#include "platform/SjisText.h"
#include "world/Base3dutil.h"

namespace {

// The sub-kind byte of an on/off record.
constexpr int SubKindOffset = 1;

} // namespace

DA_Action TWallSwitch::ActionFor(std::uint8_t dir) {
    return IsOrthogonalWay(dir) ? dac_Press : dac_Attack;
}

void TWallSwitch::PlaceOnOff(TDungBlock* onBlock, std::uint8_t* onOffRecord) {
    TOnOffObje::PlaceOnOff(onBlock, onOffRecord);
    // Mounted one unit up on the south face of its block.
    Move(0.0f, 1.0f, -1.0f);
}

TDoor::TDoor(std::unique_ptr<IActerBody> doorBody, int key)
    : TOnOffObje(std::move(doorBody)), keyNumber(key) {}

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

void TDoor::PlaceOnOff(TDungBlock* onBlock, std::uint8_t* onOffRecord) {
    TOnOffObje::PlaceOnOff(onBlock, onOffRecord);
    switchOperated = onOffRecord[SubKindOffset] == SwitchDoorSubKind;
}

int TDoor::OpenByHeroine() {
    SetOn(true);
    return keyNumber;
}
