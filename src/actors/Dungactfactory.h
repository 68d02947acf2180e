#pragma once

#include "actors/Itempropdepot.h"
#include "platform/SingleInstance.h"

#include <cstdint>
#include <memory>

class IActerBody;
class IActerBodySource;
class IDungActer;
class IItemImp;
class TAngel;
class TBox;
class TDoor;
class TDungWall;
class TEnemy;
class TFloarExit;
class TFloarForcedLV;
class TFloarLevel;
class TFloarSwitch;
class THero;
class TItemActer;
class TPeople;
class TTalkDepot;
class TWallSwitch;
struct TPeopleImp;

// The one maker of every dungeon actor: it picks each actor's body by acter
// number and makes items from their records. It places nothing; the
// dungeon factory does. One per program, made by the application before the
// heroine holder; it makes and releases the wall-object, floor-tile and
// enemy factories.
class TDungActFactory : public TSingleInstance<TDungActFactory> {
public:
    // Reads the item and enemy tables and the piece plans from Data/.
    explicit TDungActFactory(std::unique_ptr<const IActerBodySource> bodySource);
    ~TDungActFactory();
    TDungActFactory(const TDungActFactory&) = delete;
    TDungActFactory& operator=(const TDungActFactory&) = delete;

    std::unique_ptr<THero> NewHero() const;
    // The enemy table's kind `id`; an unknown id raises.
    std::unique_ptr<TEnemy> NewEnemy(std::int32_t id) const;
    std::unique_ptr<TEnemy> NewObstacleBlock() const;
    std::unique_ptr<TPeople> NewPeople(const TPeopleImp& person,
                                       std::unique_ptr<TTalkDepot> talks) const;
    std::unique_ptr<TWallSwitch> NewWallSwitch() const;
    // The door that only switches open.
    std::unique_ptr<TDoor> NewSwitchDoor() const;
    // Key 0: no lock; 1 to 4: the key it needs.
    std::unique_ptr<TDoor> NewDoor(int key) const;
    // Key above 4: no key needed.
    std::unique_ptr<TBox> NewChest(int key) const;
    std::unique_ptr<TAngel> NewFairy() const;
    std::unique_ptr<TFloarExit> NewExit(std::uint8_t type) const;
    std::unique_ptr<TFloarSwitch> NewFloorSwitch(std::uint8_t kind, std::uint8_t resetCount) const;
    std::unique_ptr<TFloarLevel> NewLevelFloor(std::uint8_t value) const;
    std::unique_ptr<TFloarForcedLV> NewForcedLevelFloor(std::uint8_t level) const;
    // Items lying on a floor; the record's kind must match.
    std::unique_ptr<TItemActer> NewKeyOnFloor(const TSaveItem& record) const;
    std::unique_ptr<TItemActer> NewEquipmentOnFloor(const TSaveItem& record) const;
    std::unique_ptr<TItemActer> NewToolOnFloor(const TSaveItem& record) const;
    // Null for a record of no item kind.
    std::unique_ptr<IItemImp> MakeItem(const TSaveItem& record) const;
    std::unique_ptr<IItemImp> NewItem(std::uint8_t kind, std::uint8_t id,
                                      std::uint8_t carryFlag) const;
    // A wall piece of that plan id (a counter for the counter id).
    std::unique_ptr<IDungActer> NewWall(std::int32_t id) const;
    // A village big object of that plan id, counters among them.
    std::unique_ptr<TDungWall> NewCounter(std::int32_t id) const;
    std::unique_ptr<TDungWall> NewFloorTile(std::int32_t id) const;

    const TItemPropDepot& Depot() const { return depot; }
    const IActerBodySource& Bodies() const { return *bodies; }

private:
    std::unique_ptr<IActerBody> Body(std::uint32_t acterNo) const;
    std::unique_ptr<TItemActer> ItemOnFloor(const TSaveItem& record, std::uint8_t kind) const;

    std::unique_ptr<const IActerBodySource> bodies;
    TItemPropDepot depot;
};
