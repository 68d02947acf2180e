#pragma once

#include <cstdint>

// The turn states of a map. Dungeon floors and the village use different
// subsets of them.
enum MapState_Type : std::uint8_t {
    msWaitInput = 0,
    msEnemyTurn = 1,
    msHeroAction = 2,
    msEnemyAttack = 3,
    msWaitObjects = 4,
    msMoveFloor = 5,
    msExit = 6,
    msTalk = 7,
    msLevelUp = 8,
    msCollapsed = 9,
    msRecovered = 10,
    msSwordBroken = 11,
    msLevelSet = 12,
    msEnemyTurnDash = 13,
    msHeroTurn = 14,
};
