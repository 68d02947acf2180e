#pragma once

#include <cstdint>
#include <string>
#include <vector>

class TActiveMapProxy;
class TDungBlock;

// The way the heroine walks to a block of the map being played: one
// direction a step, or why there is none.
struct TSimWalkPlan {
    std::vector<std::uint8_t> ways;
    std::string refusal;

    bool Found() const { return refusal.empty(); }
};

// "X,Y": a block as the walk's messages name it.
std::string BlockName(int x, int y);

// Plans breadth-first from `from` to block (toX, toY) of the proxy's map over
// the blocks the heroine may enter now, asking the game's own rules: the
// map's open neighbour (a diagonal step cut by a corner is no step) and the
// block's welcome for her (walls, closed doors, anyone standing there, level
// floors). An exit is only ever the end of a walk: crossing one would change
// the map under her. Directions are tried in their numbering order, so the
// same map gives the same way.
TSimWalkPlan PlanSimWalk(const TActiveMapProxy& proxy, const TDungBlock& from, int toX, int toY);
