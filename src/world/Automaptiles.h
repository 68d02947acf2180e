#pragma once

class TDungBlock;

// The automap's tiles are squares of this many pixels, in a picture of
// AutomapTileCount tiles, AutomapTilesPerRow to a row.
inline constexpr int AutomapTileSize = 5;
inline constexpr int AutomapTileCount = 55;
inline constexpr int AutomapTilesPerRow = 10;

// The tiles by number.
namespace AutomapTile {
inline constexpr int Heroine = 0;
inline constexpr int Fairy = 1;
// Stairs up, ways out and warps; the stairs down to the next floor.
inline constexpr int Exit = 2;
inline constexpr int ExitDown = 3;
// Doors: for each of the kinds 0 (by hand), 1 (switch) and 2 to 5 (the keys)
// a tile facing north or south and one facing east or west; closed, then open.
inline constexpr int FirstClosedDoor = 4;
inline constexpr int FirstOpenDoor = 16;
inline constexpr int TimedSwitch = 28;
inline constexpr int PermanentSwitch = 29;
// A level floor's tile is the base plus its sub-kind: levels 2 to 7 at least,
// then at most; a forced level floor's likewise, levels 2 to 7 from tile 42.
inline constexpr int LevelFloorBase = 29;
inline constexpr int FirstAtLeastLevel = LevelFloorBase + 1;
inline constexpr int FirstAtMostLevel = LevelFloorBase + 7;
inline constexpr int ForcedLevelBase = 40;
inline constexpr int FirstForcedLevel = ForcedLevelBase + 2;
inline constexpr int ClosedChest = 48;
inline constexpr int Obstacle = 49;
inline constexpr int Enemy = 50;
inline constexpr int Wall = 51;
inline constexpr int OpenChest = 52;
inline constexpr int Empty = 53;
inline constexpr int WallSwitch = 54;
} // namespace AutomapTile
// The automap's background: red 213, green 192, blue 168.
inline constexpr unsigned AutomapBackground = 0xD5C0A8;

// The tile that shows what stands on a block: the guest first, then the
// wall switch, the wall object, an item, the fairy and the floor actor; an
// empty square has tile 53.
int TileOf(const TDungBlock& block);
// A door: two tiles per sub-kind (the one without lock shares the first
// pair with sub-kind 1), 16 on when open or 4 when closed, one more when it
// faces east or west.
int DoorTile(int subKind, bool open, int direction);
