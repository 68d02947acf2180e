#include "core/SimWalk.h"

#include "activemap/Activemapproxy.h"
#include "world/Base3dutil.h"
#include "world/Dungblock.h"

#include <deque>

namespace {

constexpr std::uint8_t WayCount = 8;
constexpr std::uint8_t NotReached = 0xff;

} // namespace

std::string BlockName(int x, int y) {
    return std::to_string(x) + "," + std::to_string(y);
}

TSimWalkPlan PlanSimWalk(const TActiveMapProxy& proxy, const TDungBlock& from, int toX, int toY) {
    TSimWalkPlan plan;
    const IActiveMap& map = *proxy.GetMap();
    const int width = map.GetWidth();
    const int height = map.GetHeight();
    if (toX >= width || toY >= height) {
        plan.refusal = "block " + BlockName(toX, toY) + " is outside the map (" +
                       std::to_string(width) + "x" + std::to_string(height) + ")";
        return plan;
    }
    const TDungBlock* goal = map.BlockAt(toX, toY);
    if (goal == &from) {
        return plan;
    }
    if (!goal->IsFreeForHero()) {
        plan.refusal = "she may not enter block " + BlockName(toX, toY);
        return plan;
    }
    // The way each block was first reached by, from the start outwards.
    const auto index = [width](const TDungBlock& block) {
        return static_cast<std::size_t>(block.GetY() * width + block.GetX());
    };
    std::vector<std::uint8_t> reachedBy(static_cast<std::size_t>(width * height), NotReached);
    reachedBy[index(from)] = DW_None;
    std::deque<const TDungBlock*> frontier{&from};
    while (!frontier.empty() && reachedBy[index(*goal)] == NotReached) {
        const TDungBlock* block = frontier.front();
        frontier.pop_front();
        for (std::uint8_t way = 0; way < WayCount; ++way) {
            const TDungBlock* next = proxy.GetOpenNeighbour(block, way);
            if (!next || reachedBy[index(*next)] != NotReached || !next->IsFreeForHero()) {
                continue;
            }
            reachedBy[index(*next)] = way;
            if (next != goal && next->FloarKind() == FloarKindExit) {
                continue;
            }
            frontier.push_back(next);
        }
    }
    if (reachedBy[index(*goal)] == NotReached) {
        plan.refusal = "no way to block " + BlockName(toX, toY) + " from " +
                       BlockName(from.GetX(), from.GetY());
        return plan;
    }
    for (int x = toX, y = toY; x != from.GetX() || y != from.GetY();) {
        const std::uint8_t way = reachedBy[static_cast<std::size_t>(y * width + x)];
        plan.ways.insert(plan.ways.begin(), way);
        const TGridStep step = GridStepOf(way);
        x -= step.dx;
        y -= step.dy;
    }
    return plan;
}
