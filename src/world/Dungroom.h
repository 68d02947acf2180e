#pragma once

#include "world/Base3dutil.h"

#include <map>
#include <set>

class TDungBlock;

// Orders blocks by their place on the grid, row by row, so that every walk
// over a room is the same from run to run.
struct TBlockPlaceOrder {
    using is_transparent = void;
    bool operator()(const TDungBlock* a, const TDungBlock* b) const;
};

// The blocks sharing one room number, with the ways out of the room.
class TRoom {
public:
    using TBlockSet = std::set<TDungBlock*, TBlockPlaceOrder>;
    using TExitMap = std::multimap<TDungBlock*, Direc_Way, TBlockPlaceOrder>;
    using TSurroundings = std::set<const TDungBlock*, TBlockPlaceOrder>;

    explicit TRoom(int roomNumber) : number(roomNumber) {}

    void AddBlock(TDungBlock* block) { blocks.insert(block); }
    // Exits, surroundings and centre, once the whole floor stands.
    void FinishRoom();
    bool IsExitBlock(const TDungBlock* block) const { return exits.count(block) > 0; }
    static bool IsPatrolFree(const TDungBlock* block);
    // A way out for a patrol standing on `current`; none when the room has
    // no exit at all.
    TDungBlock* RandomExit(const TDungBlock* current, std::uint8_t& dir) const;

    int GetNumber() const { return number; }
    const TBlockSet& GetBlocks() const { return blocks; }
    const TExitMap& GetExits() const { return exits; }
    const TSurroundings& GetSurroundings() const { return surroundings; }
    TDungBlock* GetCentre() const { return centre; }

private:
    TBlockSet blocks;
    TExitMap exits;
    TSurroundings surroundings;
    TDungBlock* centre = nullptr;
    int number;
};
