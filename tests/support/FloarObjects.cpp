#include "support/FloarObjects.h"

#include "actors/Dungactfactory.h"
#include "support/TestMap.h"
#include "world/Base3dutil.h"
#include "world/BlockRecords.h"

namespace {

const TDungActFactory& Factory() {
    return TDungActFactory::Instance();
}

std::uint16_t U16(int value) {
    return static_cast<std::uint16_t>(value);
}

} // namespace

TDungBlock& TFloarObjects::At(int x, int y) const {
    return map.Block(x, y);
}

TSaveOnOff& TFloarObjects::OnOffRecord(int x, int y, std::uint8_t kind, std::uint8_t subKind,
                                       bool on) {
    TSaveOnOff& record = onOffs.emplace_back();
    record.kind = kind;
    record.subKind = subKind;
    record.on = on ? 1 : 0;
    PlaceRecord(record, x, y, DW_South);
    return record;
}

TWallSwitch& TFloarObjects::WallSwitch(int x, int y, bool on) {
    auto made = Factory().NewWallSwitch();
    TWallSwitch& placed = *made;
    At(x, y).SetWallSwitch(std::move(made));
    placed.PlaceOnOff(&At(x, y), RecordBytes(OnOffRecord(x, y, BO_WallSwitch, 0, on)));
    return placed;
}

TDoor& TFloarObjects::Door(int x, int y, std::uint8_t subKind, bool open) {
    constexpr std::uint8_t FirstLockedSubKind = 3;
    auto made = subKind == SwitchDoorSubKind ? Factory().NewSwitchDoor()
                : subKind == DoorByHandSubKind
                    ? Factory().NewDoor(0)
                    : Factory().NewDoor(subKind - FirstLockedSubKind + 1);
    TDoor& placed = *made;
    At(x, y).SetWallObje(std::move(made));
    placed.PlaceOnOff(&At(x, y), RecordBytes(OnOffRecord(x, y, BO_Door, subKind, open)));
    return placed;
}

TBox& TFloarObjects::Chest(int x, int y, int key, std::unique_ptr<IItemImp> content,
                           TTreasurePair mark, bool open) {
    TSaveBox& record = boxes.emplace_back();
    record.keyNumber = static_cast<std::uint8_t>(key);
    record.open = open ? 1 : 0;
    record.eventNo = mark.eventNo;
    record.eventPosition = mark.itemPosition;
    PlaceRecord(record, x, y, DW_South);
    auto made = Factory().NewChest(key);
    TBox& placed = *made;
    At(x, y).SetWallObje(std::move(made));
    placed.PlaceBox(&At(x, y), record, std::move(content));
    return placed;
}

TAngel& TFloarObjects::Fairy(int x, int y) {
    TSaveAct& record = acts.emplace_back();
    record.kind = BO_Fairy;
    PlaceRecord(record, x, y, DW_South);
    auto made = Factory().NewFairy();
    TAngel& placed = *made;
    At(x, y).SetFairy(std::move(made));
    placed.PlaceFairy(&At(x, y), record);
    return placed;
}

TFloarSwitch& TFloarObjects::FloorSwitch(int x, int y, std::uint8_t kind, std::uint8_t resetCount,
                                         bool pressed) {
    TSaveTile& record = tiles.emplace_back();
    record.kind = BF_FloarSwitch;
    record.switchKind = kind;
    record.countdown = resetCount;
    record.pressed = pressed ? 1 : 0;
    PlaceRecord(record, x, y, DW_South);
    auto made = Factory().NewFloorSwitch(kind, resetCount);
    TFloarSwitch& placed = *made;
    At(x, y).SetFloarActer(std::move(made));
    placed.PlaceSwitch(&At(x, y), record);
    return placed;
}

template <typename TFloar>
TFloar& TFloarObjects::PlaceFloor(int x, int y, std::unique_ptr<TFloar> made,
                                  const TBlockFloar& record) {
    TFloar& placed = *made;
    At(x, y).SetFloarActer(std::move(made));
    placed.PlaceFloor(&At(x, y), record);
    return placed;
}

TFloarExit& TFloarObjects::Exit(int x, int y, std::uint8_t type, int arrivalX, int arrivalY,
                                std::uint8_t targetFloar) {
    return PlaceFloor(
        x, y, Factory().NewExit(type),
        {U16(x), U16(y), BF_Exit, type, U16(arrivalX), U16(arrivalY), targetFloar, 0});
}

TFloarLevel& TFloarObjects::LevelFloor(int x, int y, std::uint8_t value) {
    return PlaceFloor(x, y, Factory().NewLevelFloor(value),
                      {U16(x), U16(y), BF_LevelFloar, value, 0, 0, 0, 0});
}

TFloarForcedLV& TFloarObjects::ForcedLevelFloor(int x, int y, std::uint8_t level) {
    return PlaceFloor(x, y, Factory().NewForcedLevelFloor(level),
                      {U16(x), U16(y), BF_ForcedLevelFloar, level, 0, 0, 0, 0});
}

void TFloarObjects::LinkBothWays(IDungActer& a, IDungActer& b) {
    a.Link(b);
    b.Link(a);
}
