#include "actors/Floaractersub.h"

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
    : TFloarActer(std::move(switchBody)), switchKind(kind), resetCount(reset) {}

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
