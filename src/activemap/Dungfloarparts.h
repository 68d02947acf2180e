#pragma once

#include "activemap/Mapblocks.h"

#include <memory>
#include <vector>

class IDungActer;
class TEnemy;
class TPeople;
class TRoom;

// What a build of one dungeon floor hands to the dungeon map, which owns it
// from then on: the blocks with their fixtures, the rooms (room n at n - 1)
// and the enemies in the order they were made.
struct TDungFloarParts {
    TDungFloarParts();
    ~TDungFloarParts();
    TDungFloarParts(TDungFloarParts&&) noexcept;
    TDungFloarParts& operator=(TDungFloarParts&&) noexcept;

    // The enemies stand on the blocks, so they go first.
    TMapBlocks blocks;
    std::vector<std::unique_ptr<TRoom>> rooms;
    std::vector<std::unique_ptr<TEnemy>> enemies;
};

// What a build of one village area hands to the village map: the blocks, the
// people standing there (they belong to the village's people, not to the
// map) and the big objects placed on blocks (owned with the map).
struct TVillageAreaParts {
    TVillageAreaParts();
    ~TVillageAreaParts();
    TVillageAreaParts(TVillageAreaParts&&) noexcept;
    TVillageAreaParts& operator=(TVillageAreaParts&&) noexcept;

    TMapBlocks blocks;
    std::vector<TPeople*> people;
    std::vector<std::unique_ptr<IDungActer>> placed;
};
