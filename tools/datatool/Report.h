#pragma once

#include "Content.h"

#include <array>
#include <iosfwd>
#include <string_view>

// The puzzle pieces a floor can be made of, in the order the report lists them.
enum class TMechanic {
    Rooms,
    PatrollingEnemies,
    KeeperEnemies,
    StandingEnemies,
    ObstacleBlocks,
    WhiteKeys,
    RedKeys,
    BlueKeys,
    YellowKeys,
    WhiteDoors,
    RedDoors,
    BlueDoors,
    YellowDoors,
    WhiteChests,
    RedChests,
    BlueChests,
    YellowChests,
    OpenChests,
    EventTreasures,
    HandDoors,
    SwitchDoors,
    WallSwitches,
    TimedFloorSwitches,
    PermanentFloorSwitches,
    StairsUp,
    StairsDown,
    WaysOut,
    HiddenWaysOut,
    Warps,
    AtLeastLevelFloors,
    AtMostLevelFloors,
    ForcedLevelFloors,
    Fairies,
    FreeEquipment,
    SwordsThatWear,
    FreeHammers,
    Count
};

inline constexpr size_t MechanicCount = static_cast<size_t>(TMechanic::Count);
using TMechanicCounts = std::array<int, MechanicCount>;

std::string_view MechanicName(TMechanic mechanic);

// How often each mechanic occurs on a floor. Equipment types come from the
// content's equipment list (a sword lying free with a durability wears).
TMechanicCounts CountMechanics(const TFloarData& floar, const TContent& content);

// The content's size, then every stage floor by floor with the mechanics it
// uses and whether swords can be combined there, then the totals.
void WriteContentReport(const TContent& content, std::ostream& out);
