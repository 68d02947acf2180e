#pragma once

#include "actors/Angel.h"
#include "actors/Box.h"
#include "actors/Floaractersub.h"
#include "actors/Itemimp.h"
#include "actors/Onoffobjesub.h"
#include "save/Savelist.h"
#include "save/Saverecords.h"
#include "support/FakeBody.h"

#include <cstdint>
#include <memory>

class TDungBlock;
class TTestMap;

// Doors, switches, chests, fairies and floor devices made by the actor
// factory and placed on a test map from save records of their own, as the
// dungeon factory places them. The actor factory must exist.
class TFloarObjects {
public:
    explicit TFloarObjects(TTestMap& floar) : map(floar) {}

    TWallSwitch& WallSwitch(int x, int y, bool on = false);
    // Sub-kind 2 is worked by switches, 3 to 6 are locked with keys 1 to 4,
    // 7 has no lock.
    TDoor& Door(int x, int y, std::uint8_t subKind, bool open = false);
    TBox& Chest(int x, int y, int key, std::unique_ptr<IItemImp> content, TTreasurePair mark = {},
                bool open = false);
    TAngel& Fairy(int x, int y);
    TFloarSwitch& FloorSwitch(int x, int y, std::uint8_t kind, std::uint8_t resetCount,
                              bool pressed = false);
    TFloarExit& Exit(int x, int y, std::uint8_t type, int arrivalX = 0, int arrivalY = 0,
                     std::uint8_t targetFloar = 0);
    TFloarLevel& LevelFloor(int x, int y, std::uint8_t value);
    TFloarForcedLV& ForcedLevelFloor(int x, int y, std::uint8_t level);

    // Links made both ways, as a floor's links are.
    static void LinkBothWays(IDungActer& a, IDungActer& b);

    TSaveList<TSaveOnOff> onOffs;
    TSaveList<TSaveBox> boxes;
    TSaveList<TSaveAct> acts;
    TSaveList<TSaveTile> tiles;

private:
    TDungBlock& At(int x, int y) const;
    TSaveOnOff& OnOffRecord(int x, int y, std::uint8_t kind, std::uint8_t subKind, bool on);
    template <typename TFloar>
    TFloar& PlaceFloor(int x, int y, std::unique_ptr<TFloar> made, const TBlockFloar& record);

    TTestMap& map;
};

// The fake body the actor factory gave an actor.
inline TFakeBody& BodyOf(const IDungActer& actor) {
    return static_cast<TFakeBody&>(*actor.GetBody());
}
