#include "activemap/Activemapproxy.h"

#include "activemap/Scenechanger.h"
#include "platform/GameError.h"
#include "platform/RandomSource.h"
#include "platform/SjisText.h"
#include "world/Base3dutil.h"
#include "world/Dungblock.h"
#include "world/Dungroom.h"

#include <memory>
#include <vector>

namespace {

bool HasFixtureOrGuest(const TDungBlock* block) {
    return block &&
           (block->GetItem() || block->GetFairy() || block->GetFloarActer() || block->GetGuest());
}

} // namespace

TActiveMapProxy& TActiveMapProxy::Instance() {
    if (!HasInstance()) {
        throw TGameError(Sjis("アクティブマッププロキシ未生成でインスタンス取得"));
    }
    return TSingleInstance::Instance();
}

ISceneChanger& TActiveMapProxy::SceneChanger() const {
    if (!sceneChanger) {
        throw TGameError(Sjis("場面を切り替える者がいないのに場面切り替え"));
    }
    return *sceneChanger;
}

int TActiveMapProxy::GetMapState() const {
    return map ? static_cast<int>(map->CurrentStateType()) : -1;
}

void TActiveMapProxy::SaveActorStates() {
    if (map) {
        map->SaveActorStates();
    }
}

TDungBlock* TActiveMapProxy::BlockAt(int col, int row) const {
    if (!map || col < 0 || col >= map->GetWidth() || row < 0 || row >= map->GetHeight()) {
        return nullptr;
    }
    return map->BlockAt(col, row);
}

TDungBlock* TActiveMapProxy::GetNeighbour(const TDungBlock* block, std::uint8_t dir) const {
    if (!block || dir > 7) {
        return nullptr;
    }
    const TGridStep step = GridStepOf(dir);
    return BlockAt(block->GetX() + step.dx, block->GetY() + step.dy);
}

bool TActiveMapProxy::IsDiagonalBlocked(const TDungBlock* block, std::uint8_t dir) const {
    if (!IsDiagonalWay(dir)) {
        return false;
    }
    const int ring = ClockwiseIndexOfWay(dir);
    for (const int side : {ring - 1, ring + 1}) {
        const TDungBlock* straight = GetNeighbour(block, WayOfClockwiseIndex(side));
        if (straight && straight->BlocksPassage()) {
            return true;
        }
    }
    return false;
}

TDungBlock* TActiveMapProxy::GetOpenNeighbour(const TDungBlock* block, std::uint8_t dir) const {
    return IsDiagonalBlocked(block, dir) ? nullptr : GetNeighbour(block, dir);
}

std::uint8_t TActiveMapProxy::DirectionToHero(const TDungBlock* block) const {
    if (!map) {
        return DW_None;
    }
    TDungBlock* destination = map->HeroDestination();
    const TDungBlock* target = destination ? destination : map->HeroBlock();
    for (std::uint8_t d = DW_North; d <= DW_NorthWest; ++d) {
        if (GetOpenNeighbour(block, d) == target) {
            return d;
        }
    }
    return DW_None;
}

std::uint8_t TActiveMapProxy::ChooseWanderDirection(const TDungBlock* block,
                                                    std::uint8_t dir) const {
    const std::uint8_t excluded =
        IsOrthogonalWay(dir) ? ReverseWay(dir) : static_cast<std::uint8_t>(DW_None);
    std::vector<std::uint8_t> candidates;
    for (std::uint8_t d = DW_North; d <= DW_West; ++d) {
        if (d == excluded) {
            continue;
        }
        const TDungBlock* next = GetNeighbour(block, d);
        if (!next || !next->IsFree(false)) {
            continue;
        }
        if (d == dir && TRandomSource::Instance().Below(3) != 0) {
            return dir;
        }
        candidates.push_back(d);
    }
    if (candidates.empty()) {
        return DW_None;
    }
    const int pick = TRandomSource::Instance().Below(static_cast<int>(candidates.size()));
    return candidates[static_cast<std::size_t>(pick)];
}

TDungBlock* TActiveMapProxy::LocateHero(const TDungBlock* block, std::uint8_t dir,
                                        std::uint8_t& seenDir) const {
    seenDir = DW_None;
    if (!map || !block) {
        return nullptr;
    }
    TDungBlock* current = map->HeroBlock();
    TDungBlock* destination = map->HeroDestination();
    TDungBlock* target = destination ? destination : current;

    if (const TRoom* room = block->GetRoom()) {
        if (target && target->GetRoom() == room) {
            return target;
        }
        if (current && current->GetRoom() == room) {
            seenDir = map->HeroFacing();
            return current;
        }
        return nullptr;
    }
    for (std::uint8_t d = DW_North; d <= DW_NorthWest; ++d) {
        if (GetOpenNeighbour(block, d) == current) {
            return target;
        }
    }
    if (dir > 7) {
        return nullptr;
    }
    // Three parallel lines straight ahead: the front block and the two beside it.
    const int ring = ClockwiseIndexOfWay(dir);
    bool passedDestination = false;
    bool passedCurrent = false;
    for (const std::uint8_t start :
         {dir, WayOfClockwiseIndex(ring - 1), WayOfClockwiseIndex(ring + 1)}) {
        for (const TDungBlock* cell = GetNeighbour(block, start); cell && !cell->BlocksSight();
             cell = GetNeighbour(cell, dir)) {
            passedDestination = passedDestination || (destination && cell == destination);
            passedCurrent = passedCurrent || cell == current;
        }
    }
    if (passedDestination) {
        return destination;
    }
    if (passedCurrent) {
        if (destination) {
            seenDir = map->HeroFacing();
        }
        return current;
    }
    return nullptr;
}

bool TActiveMapProxy::DashMustStop(const TDungBlock* block, const TDungBlock* fromBlock,
                                   std::uint8_t dir) const {
    if (block->GetFloarActer()) {
        return true;
    }
    const TRoom* room = block->GetRoom();
    const bool fromRoom = fromBlock && fromBlock->GetRoom();
    if (fromRoom && room && room->IsExitBlock(block)) {
        return true;
    }
    const TDungBlock* next = GetNeighbour(block, dir);
    if (!fromRoom && !room && next && next->GetRoom()) {
        return true;
    }
    if (!room) {
        if (map && map->IsVillage()) {
            return false;
        }
        // A side opening: anything but a wall beside the way; the edge counts as wall.
        for (const std::uint8_t side : {RightWay(RightWay(dir)), LeftWay(LeftWay(dir))}) {
            const TDungBlock* beside = GetNeighbour(block, side);
            if (beside && !beside->IsWallPiece()) {
                return true;
            }
        }
        return false;
    }
    return HasFixtureOrGuest(next);
}

DA_Action TActiveMapProxy::FrontAction(std::uint8_t dir) const {
    if (!map || map->HeroFacing() != dir) {
        return dac_None;
    }
    const TDungBlock* front = GetNeighbour(map->HeroBlock(), dir);
    return front ? front->CursorActionFrom(dir) : dac_None;
}

IActiveMap& TActiveMapProxy::MapKeepingRecords() const {
    // Without a map the record would stay and the thing come back after a load.
    if (!map) {
        throw TGameError(Sjis("アクティブマップがないので床の記録を消せません"));
    }
    return *map;
}

void TActiveMapProxy::ForgetItem(const std::uint8_t* record) {
    MapKeepingRecords().RemoveItemRecord(record);
}

void TActiveMapProxy::ForgetObject(const std::uint8_t* record) {
    MapKeepingRecords().RemoveObjectRecord(record);
}

IActiveMap& TActiveMapProxy::MapWithMovingObjects() const {
    // Without a map nobody would wait for the object or tell it of turns.
    if (!map) {
        throw TGameError(Sjis("アクティブマップがないのに物体が動き始めました"));
    }
    return *map;
}

void TActiveMapProxy::AddPendingObject(IDungActer& actor) {
    MapWithMovingObjects().AddPendingObject(actor);
}

void TActiveMapProxy::AddTimedSwitch(IDungActer& floarSwitch) {
    MapWithMovingObjects().AddTimedSwitch(floarSwitch);
}

void TActiveMapProxy::ChangeFloor() {
    SceneChanger().ChangeFloor();
}

void TActiveMapProxy::ChangeVillageArea() {
    SceneChanger().ChangeVillageArea();
}

void TActiveMapProxy::EndDungeonVisit() {
    SceneChanger().EndDungeonVisit();
}

void TActiveMapProxy::ShowEntrance() {
    SceneChanger().ShowEntrance();
}

void TActiveMapProxy::RefreshCursor() {
    SceneChanger().RefreshCursor();
}
