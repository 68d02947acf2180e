#include "modelgen/AutomapTiles.h"

#include "modelgen/PixelFont.h"

namespace {

constexpr TRgb Unseen{213, 192, 168}; // the automap's own background
constexpr TRgb Floor{242, 232, 212};
constexpr TRgb Wall{110, 86, 62};
constexpr TRgb WallDark{84, 64, 46};

// Doors by k: unlocked, switch-operated, then the keys white, red, blue, yellow.
constexpr TRgb DoorColours[6] = {{168, 104, 48}, {118, 130, 150}, {250, 250, 250},
                                 {220, 40, 40},  {40, 84, 230},   {240, 206, 30}};

using TRows = const char* [5];

// Paints a 5 × 5 pattern: '.' keeps the tile, other letters name colours.
void Pattern(TImage& tile, const TRows& rows, char key, TRgb c) {
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 5; ++x) {
            if (rows[y][x] == key) {
                tile.Set(x, y, c);
            }
        }
    }
}

TImage Heroine() {
    TImage tile(5, 5, Floor);
    Pattern(tile, {"..X..", ".XXX.", "XXoXX", ".XXX.", "..X.."}, 'X', {20, 110, 255});
    Pattern(tile, {"..X..", ".XXX.", "XXoXX", ".XXX.", "..X.."}, 'o', {150, 205, 255});
    return tile;
}

TImage Fairy() {
    TImage tile(5, 5, Floor);
    const TRows rows = {"..X..", "..X..", "XXoXX", "..X..", "..X.."};
    Pattern(tile, rows, 'X', {255, 110, 200});
    Pattern(tile, rows, 'o', {255, 255, 255});
    return tile;
}

TImage Arrow(bool up, TRgb c) {
    TImage tile(5, 5, Floor);
    const TRows upRows = {"..X..", ".XXX.", "XXXXX", "..X..", "..X.."};
    const TRows downRows = {"..X..", "..X..", "XXXXX", ".XXX.", "..X.."};
    Pattern(tile, up ? upRows : downRows, 'X', c);
    return tile;
}

TImage Door(int k, bool open, bool eastWest) {
    TImage tile(5, 5, Floor);
    const TRgb c = DoorColours[k];
    // Drawn facing north; an east- or west-facing door is the same turned.
    const TRows closed = {".....", "#XXX#", "#XXX#", "#XXX#", "....."};
    const TRows opened = {".....", "#...#", "X...X", "#...#", "....."};
    const TRows& rows = open ? opened : closed;
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 5; ++x) {
            const char p = rows[y][x];
            if (p == '.') {
                continue;
            }
            const TRgb colour = p == '#' ? WallDark : c;
            eastWest ? tile.Set(y, x, colour) : tile.Set(x, y, colour);
        }
    }
    return tile;
}

TImage FloorSwitch(bool timed) {
    TImage tile(5, 5, Floor);
    if (timed) {
        Pattern(tile, {".....", ".XXX.", ".XoX.", ".XXX.", "....."}, 'X', {236, 130, 20});
        Pattern(tile, {".....", ".XXX.", ".XoX.", ".XXX.", "....."}, 'o', {96, 50, 8});
    } else {
        Pattern(tile, {".....", ".XXX.", ".XXX.", ".XXX.", "....."}, 'X', {168, 78, 172});
    }
    return tile;
}

// Level floors: "at least" in green, "at most" in violet, forced levels in orange.
TImage LevelDigit(int digit, TRgb background, TRgb ink) {
    TImage tile(5, 5, background);
    DrawDigit3x5(tile, digit, 1, 0, ink);
    return tile;
}

TImage Obstacle() {
    TImage tile(5, 5, {92, 92, 96});
    tile.FillRect(1, 1, 3, 3, {170, 170, 176});
    tile.Set(1, 1, {214, 214, 220});
    return tile;
}

TImage Enemy() {
    TImage tile(5, 5, Floor);
    const TRows rows = {".XXX.", "XoXoX", "XXXXX", "XXXXX", "X.X.X"};
    Pattern(tile, rows, 'X', {204, 28, 28});
    Pattern(tile, rows, 'o', {40, 0, 0});
    return tile;
}

TImage Chest(bool open) {
    TImage tile(5, 5, Floor);
    const TRgb wood{150, 88, 30};
    if (open) {
        const TRows rows = {"LLLLL", ".....", "WdddW", "WWWWW", "WWWWW"};
        Pattern(tile, rows, 'L', {110, 62, 20});
        Pattern(tile, rows, 'd', {52, 30, 10});
        Pattern(tile, rows, 'W', wood);
    } else {
        const TRows rows = {".....", "WWWWW", "ggkgg", "WWWWW", "WWWWW"};
        Pattern(tile, rows, 'W', wood);
        Pattern(tile, rows, 'g', {236, 190, 40});
        Pattern(tile, rows, 'k', {60, 36, 10});
    }
    return tile;
}

TImage WallTile() {
    TImage tile(5, 5, Wall);
    tile.FillRect(0, 2, 5, 1, WallDark);
    return tile;
}

TImage WallSwitch() {
    TImage tile(5, 5, Wall);
    tile.FillRect(1, 1, 3, 3, {228, 228, 228});
    tile.Set(2, 2, {220, 30, 30});
    return tile;
}

TImage TileOf(int index) {
    namespace Tile = AutomapTile;
    if (index == Tile::Heroine) {
        return Heroine();
    }
    if (index == Tile::Fairy) {
        return Fairy();
    }
    if (index == Tile::Exit) {
        return Arrow(true, {30, 150, 60}); // stairs up, ways out, warps
    }
    if (index == Tile::ExitDown) {
        return Arrow(false, {196, 100, 20}); // stairs down to the next floor
    }
    if (index >= Tile::FirstClosedDoor && index < Tile::TimedSwitch) {
        const int open = index >= Tile::FirstOpenDoor ? 1 : 0;
        const int k = (index - (open ? Tile::FirstOpenDoor : Tile::FirstClosedDoor)) / 2;
        return Door(k, open, index % 2 == 1);
    }
    if (index == Tile::TimedSwitch || index == Tile::PermanentSwitch) {
        return FloorSwitch(index == Tile::TimedSwitch);
    }
    if (index >= Tile::FirstAtLeastLevel && index < Tile::FirstAtMostLevel) {
        return LevelDigit(index - Tile::FirstAtLeastLevel + 2, {150, 205, 120}, {20, 80, 20});
    }
    if (index >= Tile::FirstAtMostLevel && index < Tile::FirstForcedLevel) {
        // The last of these also stands for a forced level 1, which the tile
        // table gives the same number; it shows the level floor it is first.
        return LevelDigit(index - Tile::FirstAtMostLevel + 2, {200, 165, 225}, {80, 30, 110});
    }
    if (index >= Tile::FirstForcedLevel && index < Tile::ClosedChest) {
        return LevelDigit(index - Tile::ForcedLevelBase, {245, 170, 80}, {110, 50, 0});
    }
    switch (index) {
    case Tile::ClosedChest:
        return Chest(false);
    case Tile::Obstacle:
        return Obstacle();
    case Tile::Enemy:
        return Enemy();
    case Tile::Wall:
        return WallTile();
    case Tile::OpenChest:
        return Chest(true);
    case Tile::Empty:
        return TImage(AutomapTileSize, AutomapTileSize, Floor);
    default:
        return WallSwitch();
    }
}

} // namespace

TImage PaintAutomapTiles() {
    constexpr int rows = (AutomapTileCount + AutomapTilesPerRow - 1) / AutomapTilesPerRow;
    TImage strip(AutomapTilesPerRow * AutomapTileSize, rows * AutomapTileSize, Unseen);
    for (int i = 0; i < AutomapTileCount; ++i) {
        strip.Blit(TileOf(i), i % AutomapTilesPerRow * AutomapTileSize,
                   i / AutomapTilesPerRow * AutomapTileSize);
    }
    return strip;
}
