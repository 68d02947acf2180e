#include "actors/Floaractersub.h"

#include "activemap/Activemapproxy.h"
#include "actors/Hero.h"
#include "actors/Herosbase.h"
#include "platform/GameError.h"
#include "platform/SjisText.h"
#include "world/Base3dutil.h"

void TRecordedFloar::PlaceFloor(TDungBlock* onBlock, const TBlockFloar& floarRecord) {
    record.kind = floarRecord.kind;
    record.subKind = floarRecord.subKind;
    PlaceRecord(record, floarRecord.x, floarRecord.y, DW_South);
    PlaceOn(onBlock);
}

TFloarExit::TFloarExit(std::unique_ptr<IActerBody> exitBody, std::uint8_t type)
    : TRecordedFloar(std::move(exitBody)), exitType(type) {}

void TFloarExit::PlaceFloor(TDungBlock* onBlock, const TBlockFloar& floarRecord) {
    TRecordedFloar::PlaceFloor(onBlock, floarRecord);
    arrivalX = floarRecord.arrivalXOrLink;
    arrivalY = floarRecord.arrivalYOrTimer;
    targetFloar = floarRecord.targetFloar;
}

int TFloarExit::GetDestination(int floor, int& x, int& y) {
    int destination = 0;
    switch (exitType) {
    case EXIT_FloarUp:
        destination = floor - 1;
        break;
    case EXIT_FloarDown:
        destination = floor + 1;
        break;
    case EXIT_LeaveFirst:
    case EXIT_LeaveLast:
        destination = -1;
        break;
    case EXIT_ToFloar:
        destination = targetFloar;
        break;
    default:
        throw TGameError(Sjis("床の移動先取得エラー"));
    }
    x = arrivalX;
    y = arrivalY;
    return destination;
}

TFloarLevel::TFloarLevel(std::unique_ptr<IActerBody> levelBody, std::uint8_t levelValue)
    : TRecordedFloar(std::move(levelBody)), value(levelValue) {}

bool TFloarLevel::Admits(int level) const {
    if (value >= 1 && value <= 6) {
        return level >= value + 1;
    }
    if (value >= 7 && value <= 12) {
        return level <= value - 5;
    }
    throw TGameError(Sjis("主人公が進入可能かどうかチェックエラー"));
}

bool TFloarLevel::MayHeroEnter() {
    return Admits(THerosBase::Instance().GetHero().GetLevel());
}

TFloarForcedLV::TFloarForcedLV(std::unique_ptr<IActerBody> forcedBody, int forcedLevel)
    : TRecordedFloar(std::move(forcedBody)), level(forcedLevel) {}

TFloarSwitch::TFloarSwitch(std::unique_ptr<IActerBody> switchBody, std::uint8_t kind,
                           std::uint8_t reset)
    : TFloarActer(std::move(switchBody)), switchKind(kind), resetCount(reset) {
    static const TDAStateSet switchStates = {das_Standby, das_TurnOn, das_TurnOff};
    CreateStates(switchStates, [this](DA_State id) {
        return std::make_unique<Tdast_Switching>(id, *this, *this, FloarSwitchSteps);
    });
}

void TFloarSwitch::Link(IDungActer& other) {
    if (link) {
        throw TGameError(Sjis("連動する物体二重セットエラー"));
    }
    link = &other;
}

void TFloarSwitch::PlaceSwitch(TDungBlock* onBlock, TSaveTile& tileRecord) {
    record = &tileRecord;
    PlaceOn(onBlock);
    if (record->pressed != 0 && GetBody()) {
        GetBody()->RunMotionToEnd(0);
    }
}

void TFloarSwitch::HeroArrived() {
    if (record->pressed == 0) {
        SetState(StateOf(das_TurnOn));
    }
}

bool TFloarSwitch::SwitchEnded(bool turnedOn) {
    if (link) {
        link->LinkedChanged(*this);
    }
    record->pressed = turnedOn ? 1 : 0;
    if (turnedOn && switchKind == TimedFloarSwitch) {
        TActiveMapProxy::Instance().AddTimedSwitch(*this);
    }
    SetState(StateOf(das_Standby));
    return true;
}

bool TFloarSwitch::TurnPassed() {
    const std::uint8_t left = record->countdown;
    if (switchKind != TimedFloarSwitch || left == 0) {
        throw TGameError(Sjis("床スイッチにダンジョンターンの進展を伝えるエラー"));
    }
    record->countdown = static_cast<std::uint8_t>(left - 1);
    if (record->countdown != 0) {
        return false;
    }
    record->countdown = resetCount;
    SetState(StateOf(das_TurnOff));
    return true;
}
