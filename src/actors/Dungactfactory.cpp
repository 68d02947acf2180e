#include "actors/Dungactfactory.h"

#include "actors/Acterbody.h"
#include "actors/Angel.h"
#include "actors/Box.h"
#include "actors/Enemy.h"
#include "actors/Enemyfactory.h"
#include "actors/Floaractersub.h"
#include "actors/Hero.h"
#include "actors/Itemacter.h"
#include "actors/Onoffobjesub.h"
#include "village/People.h"
#include "village/Peopledata.h"
#include "world/Dungwall.h"
#include "world/Floartilefactory.h"
#include "world/Mapdata.h"
#include "world/Wallobjefactory.h"

#include <array>
#include <stdexcept>

namespace {

// Acter numbers of the bodies.
constexpr std::uint32_t HeroBody = 1;
constexpr std::uint32_t WallSwitchBody = 3;
constexpr std::uint32_t SwitchDoorBody = 39;
constexpr std::uint32_t ChestBody = 26;
constexpr std::uint32_t FairyBody = 16;
constexpr std::uint32_t StairsBody = 6;
constexpr std::uint32_t DownStairsBody = 7;
constexpr std::uint32_t FloorSwitchBodyBase = 42;
constexpr std::uint32_t LevelFloorBodyBase = 44;
constexpr std::uint32_t ForcedLevelFloorBodyBase = 91;
// A door whose key has no colour of its own.
constexpr std::uint32_t UnknownDoorBody = 0;

std::uint32_t DoorBody(int key) {
    static constexpr std::array<std::uint32_t, 5> bodies = {4, 35, 36, 37, 38};
    return key >= 0 && key < static_cast<int>(bodies.size()) ? bodies[static_cast<std::size_t>(key)]
                                                             : UnknownDoorBody;
}

void ReleaseSubFactories() {
    TEnemyFactory::ReleaseInstance();
    TFloarTileFactory::ReleaseInstance();
    TWallObjeFactory::ReleaseInstance();
}

} // namespace

TDungActFactory::TDungActFactory(std::unique_ptr<const IActerBodySource> bodySource)
    : bodies(std::move(bodySource)) {
    try {
        TWallObjeFactory::CreateInstance(*bodies);
        TFloarTileFactory::CreateInstance(*bodies);
        TEnemyFactory::CreateInstance(*bodies);
    } catch (...) {
        ReleaseSubFactories();
        throw;
    }
}

TDungActFactory::~TDungActFactory() {
    ReleaseSubFactories();
}

std::unique_ptr<IActerBody> TDungActFactory::Body(std::uint32_t acterNo) const {
    return bodies->NewBody(acterNo);
}

std::unique_ptr<THero> TDungActFactory::NewHero() const {
    return std::make_unique<THero>(Body(HeroBody));
}

std::unique_ptr<TEnemy> TDungActFactory::NewEnemy(std::int32_t id) const {
    return TEnemyFactory::Instance().NewEnemy(id);
}

std::unique_ptr<TEnemy> TDungActFactory::NewObstacleBlock() const {
    return TEnemyFactory::Instance().NewObstacleBlock();
}

std::unique_ptr<TPeople> TDungActFactory::NewPeople(const TPeopleImp& person,
                                                    std::unique_ptr<TTalkDepot> talks) const {
    return std::make_unique<TPeople>(Body(person.acterNo), std::move(talks));
}

std::unique_ptr<TWallSwitch> TDungActFactory::NewWallSwitch() const {
    return std::make_unique<TWallSwitch>(Body(WallSwitchBody));
}

std::unique_ptr<TDoor> TDungActFactory::NewSwitchDoor() const {
    return std::make_unique<TDoor>(Body(SwitchDoorBody), 0);
}

std::unique_ptr<TDoor> TDungActFactory::NewDoor(int key) const {
    return std::make_unique<TDoor>(Body(DoorBody(key)), key);
}

std::unique_ptr<TBox> TDungActFactory::NewChest(int key) const {
    return std::make_unique<TBox>(Body(ChestBody), key);
}

std::unique_ptr<TAngel> TDungActFactory::NewFairy() const {
    return std::make_unique<TAngel>(Body(FairyBody));
}

std::unique_ptr<TFloarExit> TDungActFactory::NewExit(std::uint8_t type) const {
    std::unique_ptr<IActerBody> exitBody;
    if (type == EXIT_FloarUp || type == EXIT_LeaveFirst) {
        exitBody = Body(StairsBody);
    } else if (type == EXIT_FloarDown) {
        exitBody = Body(DownStairsBody);
    }
    return std::make_unique<TFloarExit>(std::move(exitBody), type);
}

std::unique_ptr<TFloarSwitch> TDungActFactory::NewFloorSwitch(std::uint8_t kind,
                                                              std::uint8_t resetCount) const {
    return std::make_unique<TFloarSwitch>(Body(FloorSwitchBodyBase + kind), kind, resetCount);
}

std::unique_ptr<TFloarLevel> TDungActFactory::NewLevelFloor(std::uint8_t value) const {
    return std::make_unique<TFloarLevel>(Body(LevelFloorBodyBase + value), value);
}

std::unique_ptr<TFloarForcedLV> TDungActFactory::NewForcedLevelFloor(std::uint8_t level) const {
    return std::make_unique<TFloarForcedLV>(Body(ForcedLevelFloorBodyBase + level), level);
}

std::unique_ptr<TItemActer> TDungActFactory::ItemOnFloor(const TSaveItem& record,
                                                         std::uint8_t kind) const {
    if (record.kind != kind) {
        throw std::logic_error("an item lying on a floor made as another kind");
    }
    return NewItemOnFloor(MakeItem(record), *bodies);
}

std::unique_ptr<TItemActer> TDungActFactory::NewKeyOnFloor(const TSaveItem& record) const {
    return ItemOnFloor(record, BI_Key);
}

std::unique_ptr<TItemActer> TDungActFactory::NewEquipmentOnFloor(const TSaveItem& record) const {
    return ItemOnFloor(record, BI_Equipment);
}

std::unique_ptr<TItemActer> TDungActFactory::NewToolOnFloor(const TSaveItem& record) const {
    return ItemOnFloor(record, BI_Tool);
}

std::unique_ptr<IItemImp> TDungActFactory::MakeItem(const TSaveItem& record) const {
    return depot.MakeItem(record);
}

std::unique_ptr<IItemImp> TDungActFactory::NewItem(std::uint8_t kind, std::uint8_t id,
                                                   std::uint8_t carryFlag) const {
    return depot.NewItem(kind, id, carryFlag);
}

std::unique_ptr<IDungActer> TDungActFactory::NewWall(std::int32_t id) const {
    return TWallObjeFactory::Instance().NewWallPiece(id);
}

std::unique_ptr<TDungWall> TDungActFactory::NewCounter(std::int32_t id) const {
    return TWallObjeFactory::Instance().NewBigObject(id);
}

std::unique_ptr<TDungWall> TDungActFactory::NewFloorTile(std::int32_t id) const {
    return TFloarTileFactory::Instance().NewFloorTile(id);
}
