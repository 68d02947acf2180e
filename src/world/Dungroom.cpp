#include "world/Dungroom.h"

#include "activemap/Activemapproxy.h"
#include "actors/Idungacter.h"
#include "platform/RandomSource.h"
#include "world/Dungblock.h"

#include <vector>

namespace {

// The diagonal between two adjacent straight sides, or none for opposite ones.
std::uint8_t CornerBetween(bool north, bool east, bool south, bool west) {
    if (north && east) {
        return DW_NorthEast;
    }
    if (south && east) {
        return DW_SouthEast;
    }
    if (south && west) {
        return DW_SouthWest;
    }
    if (north && west) {
        return DW_NorthWest;
    }
    return DW_None;
}

} // namespace

bool TBlockPlaceOrder::operator()(const TDungBlock* a, const TDungBlock* b) const {
    if (a->GetY() != b->GetY()) {
        return a->GetY() < b->GetY();
    }
    return a->GetX() < b->GetX();
}

void TRoom::FinishRoom() {
    TActiveMapProxy& proxy = TActiveMapProxy::Instance();
    for (TDungBlock* block : blocks) {
        bool outside[4] = {false, false, false, false};
        int outsideCount = 0;
        for (std::uint8_t d = DW_North; d <= DW_West; ++d) {
            const TDungBlock* next = proxy.GetNeighbour(block, d);
            if (!next || next->GetRoom()) {
                continue;
            }
            if (!next->IsWallPiece()) {
                exits.emplace(block, static_cast<Direc_Way>(d));
            }
            surroundings.insert(next);
            outside[d] = true;
            ++outsideCount;
        }
        if (outsideCount == 2) {
            const std::uint8_t corner = CornerBetween(outside[DW_North], outside[DW_East],
                                                      outside[DW_South], outside[DW_West]);
            if (const TDungBlock* diagonal = proxy.GetNeighbour(block, corner)) {
                surroundings.insert(diagonal);
            }
        }
        if (outsideCount == 0 && !centre) {
            centre = block;
        }
    }
}

bool TRoom::IsPatrolFree(const TDungBlock* block) {
    if (!block || block->BlocksPassage()) {
        return false;
    }
    const IDungActer* guest = block->GetGuest();
    return !guest || guest->GetKind() != TActerKind::Enemy || !guest->IsKeeper();
}

TDungBlock* TRoom::RandomExit(const TDungBlock* current, std::uint8_t& dir) const {
    if (exits.empty()) {
        dir = DW_None;
        return nullptr;
    }
    TActiveMapProxy& proxy = TActiveMapProxy::Instance();
    std::vector<TExitMap::const_iterator> candidates;
    for (auto exit = exits.begin(); exit != exits.end(); ++exit) {
        if (IsPatrolFree(exit->first) &&
            IsPatrolFree(proxy.GetNeighbour(exit->first, exit->second))) {
            candidates.push_back(exit);
        }
    }
    if (candidates.size() > 1) {
        std::erase_if(candidates, [current](const auto& exit) { return exit->first == current; });
    }
    if (candidates.empty()) {
        for (auto exit = exits.begin(); exit != exits.end(); ++exit) {
            candidates.push_back(exit);
        }
    }
    const int pick = TRandomSource::Instance().Below(static_cast<int>(candidates.size()));
    const auto chosen = candidates[static_cast<std::size_t>(pick)];
    dir = chosen->second;
    return chosen->first;
}
