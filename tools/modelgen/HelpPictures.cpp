#include "modelgen/HelpPictures.h"

#include "modelgen/AutomapTiles.h"
#include "modelgen/Cursors.h"
#include "modelgen/PixelFont.h"
#include "modelgen/Raster.h"

#include <cmath>
#include <numbers>
#include <stdexcept>
#include <string>
#include <string_view>

namespace {

// The page's own paper colour, so the pictures sit on it without a frame.
constexpr TRgb Paper{251, 246, 234};
constexpr TRgb PaperShade{238, 228, 206};
constexpr TRgb Ink{92, 64, 40};
constexpr TRgb CapFace{255, 253, 246};
constexpr TRgb Accent{196, 84, 40};

// A map square of the help is a tile blown up to this many pixels a side.
constexpr int Zoom = 6;
constexpr int Cell = AutomapTileSize * Zoom;

TImage Scaled(const TImage& source, int factor) {
    TImage result(source.Width() * factor, source.Height() * factor);
    for (int y = 0; y < source.Height(); ++y) {
        for (int x = 0; x < source.Width(); ++x) {
            result.FillRect(x * factor, y * factor, factor, factor, source.At(x, y));
        }
    }
    return result;
}

TImage Tile(int index, int factor = Zoom) {
    static const TImage strip = PaintAutomapTiles();
    TImage tile(AutomapTileSize, AutomapTileSize);
    for (int y = 0; y < AutomapTileSize; ++y) {
        for (int x = 0; x < AutomapTileSize; ++x) {
            tile.Set(x, y,
                     strip.At(index % AutomapTilesPerRow * AutomapTileSize + x,
                              index / AutomapTilesPerRow * AutomapTileSize + y));
        }
    }
    return Scaled(tile, factor);
}

// Copies `source` leaving out its pixels of colour `key`.
void BlitKeyed(TImage& target, const TImage& source, int x, int y, TRgb key) {
    for (int row = 0; row < source.Height(); ++row) {
        for (int column = 0; column < source.Width(); ++column) {
            if (source.At(column, row) != key) {
                target.Set(x + column, y + row, source.At(column, row));
            }
        }
    }
}

const TImage& CursorImage(std::string_view name) {
    static const std::vector<TCursor> cursors = PaintCursors();
    for (const TCursor& cursor : cursors) {
        if (cursor.name == name) {
            return cursor.image;
        }
    }
    throw std::invalid_argument("no cursor named " + std::string(name));
}

TImage CursorOnPaper(std::string_view name) {
    TImage picture(CursorSize, CursorSize, Paper);
    BlitKeyed(picture, CursorImage(name), 0, 0, CursorMask);
    return picture;
}

// A digit of the 3 × 5 font, `scale` pixels to a dot.
void DrawBigDigit(TImage& image, int digit, int x, int y, int scale, TRgb c) {
    TImage dots(3, 5, CapFace);
    DrawDigit3x5(dots, digit, 0, 0, c);
    BlitKeyed(image, Scaled(dots, scale), x, y, CapFace);
}

// An arrow pointing up, to be turned; `size` is its length.
TPolygon UpArrow(TPoint centre, double size) {
    const double h = size / 2;
    const double w = size * 0.42;
    return {{centre.x, centre.y - h},
            {centre.x + w, centre.y - h + w},
            {centre.x + w * 0.4, centre.y - h + w},
            {centre.x + w * 0.4, centre.y + h},
            {centre.x - w * 0.4, centre.y + h},
            {centre.x - w * 0.4, centre.y - h + w},
            {centre.x - w, centre.y - h + w}};
}

// Degrees clockwise from north of the eight directions in ring order
// (north, north-east, east, ...).
double RingAngle(int ring) {
    return 45.0 * ring;
}

void DrawKeyCap(TImage& image, int x, int y, int w, int h) {
    image.FillRect(x, y, w, h, Ink);
    image.FillRect(x + 2, y + 2, w - 4, h - 4, CapFace);
    image.FillRect(x + 2, y + h - 6, w - 4, 4, PaperShade);
}

// The numeric keypad's nine keys as a compass: each key points where it
// sends the heroine; 5 in the middle is she herself.
TImage KeypadPicture() {
    constexpr int Key = 64;
    constexpr int Gap = 8;
    TImage picture(3 * Key + 4 * Gap, 3 * Key + 4 * Gap, Paper);
    // Ring positions of the keypad keys 7 8 9 / 4 5 6 / 1 2 3 (-1: none).
    const int rings[3][3] = {{7, 0, 1}, {6, -1, 2}, {5, 4, 3}};
    const int digits[3][3] = {{7, 8, 9}, {4, 5, 6}, {1, 2, 3}};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            const int x = Gap + column * (Key + Gap);
            const int y = Gap + row * (Key + Gap);
            DrawKeyCap(picture, x, y, Key, Key);
            DrawBigDigit(picture, digits[row][column], x + 6, y + 6, 2, Ink);
            const TPoint centre{x + Key / 2.0 + 4, y + Key / 2.0 + 2};
            if (rings[row][column] < 0) {
                picture.Blit(Tile(AutomapTile::Heroine, 5), x + Key / 2 - 8, y + Key / 2 - 12);
            } else {
                FillPolygon(picture,
                            Rotated(UpArrow(centre, 30), centre, RingAngle(rings[row][column])),
                            Accent);
            }
        }
    }
    return picture;
}

// The ring position (0 north, clockwise) of the sector of 45 degrees that
// holds the point, up being north.
int SectorOf(double dx, double dy) {
    const double degrees = std::atan2(dx, -dy) * 180.0 / std::numbers::pi;
    const int sector = static_cast<int>(std::floor((degrees + 22.5) / 45.0));
    return (sector % 8 + 8) % 8;
}

// The pointer around the heroine: eight sectors, each with the cursor that
// shows there, and the heroine in the middle.
TImage PointerPicture() {
    constexpr int Size = 240;
    constexpr double Middle = Size / 2.0;
    TImage picture(Size, Size, Paper);
    for (int y = 0; y < Size; ++y) {
        for (int x = 0; x < Size; ++x) {
            const double dx = x + 0.5 - Middle;
            const double dy = y + 0.5 - Middle;
            if (std::hypot(dx, dy) <= Middle - 4) {
                picture.Set(x, y, SectorOf(dx, dy) % 2 == 0 ? PaperShade : CapFace);
            }
        }
    }
    const char* names[8] = {"N_Normal", "NE_Normal", "E_Normal", "SE_Normal",
                            "S_Normal", "SW_Normal", "W_Normal", "NW_Normal"};
    for (int ring = 0; ring < 8; ++ring) {
        const double a = RingAngle(ring) * std::numbers::pi / 180.0;
        const int x = static_cast<int>(std::lround(Middle + std::sin(a) * 82 - CursorSize / 2.0));
        const int y = static_cast<int>(std::lround(Middle - std::cos(a) * 82 - CursorSize / 2.0));
        BlitKeyed(picture, CursorImage(names[ring]), x, y, CursorMask);
    }
    const TImage heroine = Tile(AutomapTile::Heroine, 8);
    picture.Blit(heroine, Size / 2 - heroine.Width() / 2, Size / 2 - heroine.Height() / 2);
    return picture;
}

// A picture of map squares from rows of letters; '#' wall, '.' floor, and
// the rest as `tileOf` says.
template <typename TTileOf>
TImage MapPicture(std::initializer_list<const char*> rows, TTileOf tileOf) {
    const int height = static_cast<int>(rows.size());
    const int width = static_cast<int>(std::string_view(*rows.begin()).size());
    TImage picture(width * Cell, height * Cell, Paper);
    int y = 0;
    for (const char* row : rows) {
        for (int x = 0; x < width; ++x) {
            picture.Blit(Tile(tileOf(row[x])), x * Cell, y * Cell);
        }
        ++y;
    }
    return picture;
}

// Two map pictures side by side with an arrow between them: before and after.
TImage BeforeAfter(const TImage& before, const TImage& after) {
    constexpr int Gap = 44;
    TImage picture(before.Width() + Gap + after.Width(), before.Height(), Paper);
    picture.Blit(before, 0, 0);
    picture.Blit(after, before.Width() + Gap, 0);
    const TPoint centre{before.Width() + Gap / 2.0, before.Height() / 2.0};
    FillPolygon(picture, Rotated(UpArrow(centre, 26), centre, 90), Accent);
    return picture;
}

int ClosedDoor(int k) {
    return AutomapTile::FirstClosedDoor + 2 * k;
}

int OpenDoor(int k) {
    return AutomapTile::FirstOpenDoor + 2 * k;
}

int BasicTile(char c) {
    switch (c) {
    case '#':
        return AutomapTile::Wall;
    case 'H':
        return AutomapTile::Heroine;
    case 'S':
        return AutomapTile::WallSwitch;
    case 'E':
        return AutomapTile::Enemy;
    default:
        return AutomapTile::Empty;
    }
}

// A wall switch pressed from the south opens the steel door linked to it.
TImage WallSwitchScene() {
    const auto scene = [](bool open) {
        return MapPicture({"##S##D##", "..H.....", "........"}, [open](char c) {
            return c == 'D' ? (open ? OpenDoor(1) : ClosedDoor(1)) : BasicTile(c);
        });
    };
    return BeforeAfter(scene(false), scene(true));
}

// A timed floor switch holds its door open while the heroine walks on.
TImage FloorSwitchScene() {
    const auto scene = [](bool pressed) {
        return MapPicture({"####D###", "........", ".T.....H"}, [pressed](char c) {
            if (c == 'D') {
                return pressed ? OpenDoor(1) : ClosedDoor(1);
            }
            if (c == 'T') {
                return pressed ? AutomapTile::Heroine : AutomapTile::TimedSwitch;
            }
            return c == 'H' ? (pressed ? AutomapTile::Empty : AutomapTile::Heroine) : BasicTile(c);
        });
    };
    return BeforeAfter(scene(false), scene(true));
}

// A key as it lies on the floor, in its colour, with a dark rim.
TImage KeyPicture(TRgb colour) {
    TImage key(Cell, Cell, Paper);
    FillRing(key, 9, Cell / 2.0, 7, 3.2, colour);
    key.FillRect(15, Cell / 2 - 2, 12, 4, colour);
    key.FillRect(21, Cell / 2 + 2, 3, 5, colour);
    key.FillRect(25, Cell / 2 + 2, 2, 4, colour);
    OutlineShapes(key, Paper, Shade(colour, 0.45));
    return key;
}

// The four keys above the doors and chests they open.
TImage KeysAndDoors() {
    const TRgb colours[4] = {{250, 250, 250}, {220, 40, 40}, {40, 84, 230}, {240, 206, 30}};
    constexpr int Step = Cell + 18;
    TImage picture(4 * Step - 18, 2 * Cell + 12, Paper);
    for (int k = 0; k < 4; ++k) {
        picture.Blit(KeyPicture(colours[k]), k * Step, 0);
        picture.Blit(Tile(ClosedDoor(2 + k)), k * Step, Cell + 12);
    }
    return picture;
}

// One map square by itself, for the legend of the page.
TPicture Mark(std::string name, int tile) {
    return {"Help/" + std::move(name) + ".bmp", Tile(tile), TBmpDepth::Paletted8};
}

TPicture Diagram(std::string name, TImage image) {
    return {"Help/" + std::move(name) + ".bmp", std::move(image), TBmpDepth::Paletted8};
}

} // namespace

std::vector<TPicture> HelpPictures() {
    std::vector<TPicture> pictures = {
        Diagram("keypad", KeypadPicture()),
        Diagram("pointer", PointerPicture()),
        Diagram("keys-and-doors", KeysAndDoors()),
        Diagram("wall-switch", WallSwitchScene()),
        Diagram("floor-switch", FloorSwitchScene()),
        Mark("heroine", AutomapTile::Heroine),
        Mark("enemy", AutomapTile::Enemy),
        Mark("fairy", AutomapTile::Fairy),
        Mark("stairs-up", AutomapTile::Exit),
        Mark("stairs-down", AutomapTile::ExitDown),
        Mark("chest", AutomapTile::ClosedChest),
        Mark("chest-open", AutomapTile::OpenChest),
        Mark("block", AutomapTile::Obstacle),
        Mark("door", ClosedDoor(0)),
        Mark("steel-door", ClosedDoor(1)),
        Mark("wall-switch-mark", AutomapTile::WallSwitch),
        Mark("timed-switch", AutomapTile::TimedSwitch),
        Mark("permanent-switch", AutomapTile::PermanentSwitch),
        Mark("level-at-least", AutomapTile::FirstAtLeastLevel + 1),
        Mark("level-at-most", AutomapTile::FirstAtMostLevel + 1),
        Mark("level-forced", AutomapTile::FirstForcedLevel + 1),
    };
    for (const char* name : {"Watch", "Action", "Atack", "Move", "Talk", "N_Fast"}) {
        pictures.push_back(Diagram(std::string("cursor-") + name, CursorOnPaper(name)));
    }
    return pictures;
}
