#pragma once

class TDungBlock;

// The automap's tiles are squares of this many pixels.
inline constexpr int AutomapTileSize = 5;
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
