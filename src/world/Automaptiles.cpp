#include "world/Automaptiles.h"

#include "actors/Enemy.h"
#include "actors/Floaractersub.h"
#include "world/Base3dutil.h"
#include "world/BlockRecords.h"
#include "world/Dungblock.h"

namespace {

constexpr int HeroineTile = 0;
constexpr int FairyTile = 1;
constexpr int ExitTile = 2;
constexpr int ExitDownTile = 3;
constexpr int TimedSwitchTile = 28;
constexpr int PermanentSwitchTile = 29;
constexpr int LevelFloorTileBase = 29;
constexpr int ForcedLevelTileBase = 40;
constexpr int ClosedChestTile = 48;
constexpr int ObstacleTile = 49;
constexpr int EnemyTile = 50;
constexpr int WallTile = 51;
constexpr int OpenChestTile = 52;
constexpr int EmptyTile = 53;
constexpr int WallSwitchTile = 54;
constexpr int ItemTile = ClosedChestTile;

// The exit sub-kind with a tile of its own.
constexpr int ExitDownSubKind = 2;

int GuestTile(IDungActer& guest) {
    switch (guest.GetKind()) {
    case TActerKind::Hero:
        return HeroineTile;
    case TActerKind::Enemy:
        return guest.GetSubKind() == EnemyKindObstacle ? ObstacleTile : EnemyTile;
    default:
        return -1;
    }
}

int WallObjeTile(IDungActer& wallObje) {
    switch (wallObje.GetKind()) {
    case TActerKind::Door:
        return DoorTile(wallObje.GetSubKind(), wallObje.IsOpen(), wallObje.GetDirection());
    case TActerKind::Box:
        return wallObje.IsOpen() ? OpenChestTile : ClosedChestTile;
    default:
        return WallTile;
    }
}

int FloarTile(const TFloarActer& floar) {
    const int subKind = floar.GetSubKind();
    switch (floar.GetKind()) {
    case TActerKind::FloarExit:
        return subKind == ExitDownSubKind ? ExitDownTile : ExitTile;
    case TActerKind::FloarSwitch:
        return subKind == TimedFloarSwitch ? TimedSwitchTile : PermanentSwitchTile;
    case TActerKind::FloarLevel:
        return LevelFloorTileBase + subKind;
    case TActerKind::FloarForcedLV:
        return ForcedLevelTileBase + subKind;
    default:
        return EmptyTile;
    }
}

} // namespace

int DoorTile(int subKind, bool open, int direction) {
    const int k = subKind == DoorByHandSubKind ? 0 : subKind - 1;
    const bool eastWest = direction == DW_East || direction == DW_West;
    return 2 * k + (open ? 16 : 4) + (eastWest ? 1 : 0);
}

int TileOf(const TDungBlock& block) {
    if (IDungActer* guest = block.GetGuest()) {
        if (const int tile = GuestTile(*guest); tile >= 0) {
            return tile;
        }
    }
    if (block.GetWallSwitch()) {
        return WallSwitchTile;
    }
    if (IDungActer* wallObje = block.GetWallObje()) {
        return WallObjeTile(*wallObje);
    }
    if (block.GetItem()) {
        return ItemTile;
    }
    if (block.GetFairy()) {
        return FairyTile;
    }
    if (const TFloarActer* floar = block.GetFloarActer()) {
        return FloarTile(*floar);
    }
    return EmptyTile;
}
