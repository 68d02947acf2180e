#include "world/Automaptiles.h"

#include "actors/Enemy.h"
#include "actors/Floaractersub.h"
#include "world/Base3dutil.h"
#include "world/BlockRecords.h"
#include "world/Dungblock.h"

namespace {

// An item lying loose shows as a closed chest.
constexpr int ItemTile = AutomapTile::ClosedChest;

// The exit sub-kind with a tile of its own.
constexpr int ExitDownSubKind = 2;

int GuestTile(IDungActer& guest) {
    switch (guest.GetKind()) {
    case TActerKind::Hero:
        return AutomapTile::Heroine;
    case TActerKind::Enemy:
        return guest.GetSubKind() == EnemyKindObstacle ? AutomapTile::Obstacle : AutomapTile::Enemy;
    default:
        return -1;
    }
}

int WallObjeTile(IDungActer& wallObje) {
    switch (wallObje.GetKind()) {
    case TActerKind::Door:
        return DoorTile(wallObje.GetSubKind(), wallObje.IsOpen(), wallObje.GetDirection());
    case TActerKind::Box:
        return wallObje.IsOpen() ? AutomapTile::OpenChest : AutomapTile::ClosedChest;
    default:
        return AutomapTile::Wall;
    }
}

int FloarTile(const TFloarActer& floar) {
    const int subKind = floar.GetSubKind();
    switch (floar.GetKind()) {
    case TActerKind::FloarExit:
        return subKind == ExitDownSubKind ? AutomapTile::ExitDown : AutomapTile::Exit;
    case TActerKind::FloarSwitch:
        return subKind == TimedFloarSwitch ? AutomapTile::TimedSwitch
                                           : AutomapTile::PermanentSwitch;
    case TActerKind::FloarLevel:
        return AutomapTile::LevelFloorBase + subKind;
    case TActerKind::FloarForcedLV:
        return AutomapTile::ForcedLevelBase + subKind;
    default:
        return AutomapTile::Empty;
    }
}

} // namespace

int DoorTile(int subKind, bool open, int direction) {
    const int k = subKind == DoorByHandSubKind ? 0 : subKind - 1;
    const bool eastWest = direction == DW_East || direction == DW_West;
    return 2 * k + (open ? AutomapTile::FirstOpenDoor : AutomapTile::FirstClosedDoor) +
           (eastWest ? 1 : 0);
}

int TileOf(const TDungBlock& block) {
    if (IDungActer* guest = block.GetGuest()) {
        if (const int tile = GuestTile(*guest); tile >= 0) {
            return tile;
        }
    }
    if (block.GetWallSwitch()) {
        return AutomapTile::WallSwitch;
    }
    if (IDungActer* wallObje = block.GetWallObje()) {
        return WallObjeTile(*wallObje);
    }
    if (block.GetItem()) {
        return ItemTile;
    }
    if (block.GetFairy()) {
        return AutomapTile::Fairy;
    }
    if (const TFloarActer* floar = block.GetFloarActer()) {
        return FloarTile(*floar);
    }
    return AutomapTile::Empty;
}
