#include "modelgen/Textures.h"

#include "modelgen/Noise.h"
#include "modelgen/Raster.h"

namespace {

constexpr int Size = 64;
constexpr TRgb KeyedOut{0, 0, 0};

TRgb Grain(TRgb c, int x, int y, std::uint32_t seed, double amount) {
    const double n = SmoothNoise(x, y, 6, seed) * 0.6 + HashNoise(x, y, seed + 1) * 0.4;
    return Shade(c, 1.0 - amount + 2 * amount * n);
}

// Courses of bricks `bw` × `bh`, every other course shifted by half a brick.
TImage Bricks(TRgb stone, TRgb mortar, int bw, int bh, std::uint32_t seed) {
    TImage image(Size, Size);
    for (int y = 0; y < Size; ++y) {
        const int course = y / bh;
        const int shift = course % 2 ? bw / 2 : 0;
        for (int x = 0; x < Size; ++x) {
            const int bx = (x + shift) % Size;
            const int brick = bx / bw;
            const bool joint = y % bh == 0 || bx % bw == 0;
            const TRgb own = Shade(stone, 0.85 + 0.3 * HashNoise(brick, course, seed));
            image.Set(x, y, joint ? Grain(mortar, x, y, seed, 0.1) : Grain(own, x, y, seed, 0.12));
        }
    }
    return image;
}

TImage Flagstones(TRgb stone, TRgb grout, int cell, std::uint32_t seed) {
    TImage image(Size, Size);
    for (int y = 0; y < Size; ++y) {
        for (int x = 0; x < Size; ++x) {
            const bool joint = x % cell == 0 || y % cell == 0;
            const TRgb own = Shade(stone, 0.88 + 0.24 * HashNoise(x / cell, y / cell, seed));
            image.Set(x, y, joint ? grout : Grain(own, x, y, seed, 0.1));
        }
    }
    return image;
}

TImage Planks(TRgb wood, int plank, std::uint32_t seed) {
    TImage image(Size, Size);
    for (int y = 0; y < Size; ++y) {
        for (int x = 0; x < Size; ++x) {
            const int p = x / plank;
            const double streak = SmoothNoise(x * 4.0, y * 0.3, 5, seed + p);
            TRgb c = Shade(wood, 0.8 + 0.3 * streak + 0.1 * HashNoise(p, 0, seed));
            image.Set(x, y, x % plank == 0 ? Shade(wood, 0.45) : c);
        }
    }
    return image;
}

void IronBand(TImage& image, int y, int height, TRgb iron) {
    image.FillRect(0, y, Size, height, iron);
    image.FillRect(0, y, Size, 1, Shade(iron, 1.3));
    for (int x = 4; x < Size; x += 12) {
        image.FillRect(x, y + height / 2 - 1, 2, 2, Shade(iron, 1.6));
    }
}

TImage WoodenDoor() {
    TImage image = Planks({150, 96, 52}, 8, 21);
    const TRgb iron{60, 60, 66};
    IronBand(image, 10, 5, iron);
    IronBand(image, 49, 5, iron);
    FillRing(image, 48, 33, 5, 3, {200, 170, 80});
    return image;
}

TImage SteelDoor() {
    TImage image(Size, Size);
    for (int y = 0; y < Size; ++y) {
        for (int x = 0; x < Size; ++x) {
            image.Set(x, y, Grain({176, 184, 198}, x, y, 31, 0.08));
        }
    }
    for (const int edge : {2, Size - 4}) {
        image.FillRect(edge, 0, 2, Size, {112, 118, 132});
        image.FillRect(0, edge, Size, 2, {112, 118, 132});
    }
    for (int y = 6; y < Size; y += 13) {
        for (int x = 6; x < Size; x += 13) {
            FillEllipse(image, x + 0.5, y + 0.5, 1.8, 1.8, {234, 238, 246});
        }
    }
    return image;
}

TImage TreasureChest() {
    TImage image = Planks({140, 80, 34}, 16, 41);
    const TRgb gold{226, 184, 56};
    image.FillRect(0, 0, Size, 5, gold);
    image.FillRect(0, Size - 5, Size, 5, gold);
    image.FillRect(0, 26, Size, 6, gold);
    image.FillRect(6, 0, 5, Size, gold);
    image.FillRect(Size - 11, 0, 5, Size, gold);
    image.FillRect(26, 22, 12, 14, Shade(gold, 1.1));
    FillEllipse(image, 32, 27.5, 2, 2, {40, 24, 8});
    image.FillRect(31, 28, 2, 5, {40, 24, 8});
    return image;
}

// Steps seen from above with an arrow: lighter towards the top for stairs up.
TImage Stairs(bool up) {
    TImage image(Size, Size, KeyedOut);
    for (int step = 0; step < 6; ++step) {
        const double k = up ? 1.1 - step * 0.1 : 0.6 + step * 0.1;
        const TRgb stone = Shade({170, 160, 140}, k);
        image.FillRect(8, 8 + step * 8, 48, 7, stone);
        image.FillRect(8, 14 + step * 8, 48, 1, Shade(stone, 0.6));
    }
    const TRgb arrow = up ? TRgb{70, 200, 90} : TRgb{230, 130, 40};
    const TPolygon head =
        up ? TPolygon{{32, 12}, {44, 28}, {20, 28}} : TPolygon{{32, 52}, {44, 36}, {20, 36}};
    FillPolygon(image, head, arrow);
    image.FillRect(28, up ? 28 : 20, 8, 16, arrow);
    return image;
}

TImage Key(TRgb metal) {
    TImage image(Size, Size, KeyedOut);
    const TRgb rim = Shade(metal, 0.55);
    FillRing(image, 20, 20, 14, 6, rim);
    FillRing(image, 20, 20, 12.5, 7.5, metal);
    StrokeLine(image, {29, 29}, {56, 56}, 8, rim);
    StrokeLine(image, {29, 29}, {56, 56}, 5, metal);
    StrokeLine(image, {46, 46}, {38, 54}, 6, rim);
    StrokeLine(image, {46, 46}, {39, 53}, 3.5, metal);
    StrokeLine(image, {54, 54}, {48, 60}, 5, rim);
    StrokeLine(image, {54, 54}, {49, 59}, 2.5, metal);
    FillEllipse(image, 15, 15, 2.5, 2.5, Shade(metal, 1.25));
    return image;
}

TImage Armour() {
    TImage image(Size, Size, KeyedOut);
    const TRgb steel{150, 160, 178};
    const TPolygon body = {{14, 8},  {24, 4},  {40, 4},  {50, 8},  {58, 22},
                           {50, 26}, {48, 58}, {16, 58}, {14, 26}, {6, 22}};
    FillPolygon(image, body, steel);
    FillPolygon(image, {{24, 4}, {32, 14}, {40, 4}}, KeyedOut);
    StrokeLine(image, {32, 16}, {32, 56}, 2, Shade(steel, 0.7));
    image.FillRect(16, 40, 32, 4, {120, 80, 40});
    image.FillRect(30, 39, 4, 6, {220, 180, 60});
    return image;
}

TImage Grass() {
    TImage image(Size, Size);
    for (int y = 0; y < Size; ++y) {
        for (int x = 0; x < Size; ++x) {
            const double n = SmoothNoise(x, y, 10, 51) * 0.5 + HashNoise(x, y, 52) * 0.5;
            image.Set(x, y, Mix({64, 112, 44}, {124, 170, 70}, n));
        }
    }
    return image;
}

TImage Plaster() {
    TImage image(Size, Size);
    for (int y = 0; y < Size; ++y) {
        for (int x = 0; x < Size; ++x) {
            image.Set(x, y, Grain({226, 214, 190}, x, y, 61, 0.05));
        }
    }
    // Half-timbering.
    image.FillRect(0, 0, Size, 5, {96, 62, 36});
    image.FillRect(0, Size - 5, Size, 5, {96, 62, 36});
    StrokeLine(image, {4, 60}, {60, 4}, 5, {96, 62, 36});
    return image;
}

TImage RoofTiles() {
    TImage image(Size, Size);
    for (int y = 0; y < Size; ++y) {
        for (int x = 0; x < Size; ++x) {
            const int row = y / 8;
            const int shift = row % 2 ? 4 : 0;
            const double inRow = (y % 8) / 8.0;
            const bool edge = (x + shift) % 8 == 0;
            const TRgb c = Shade({168, 70, 50}, 0.7 + 0.35 * inRow);
            image.Set(x, y, edge ? Shade(c, 0.6) : Grain(c, x, y, 71, 0.06));
        }
    }
    return image;
}

} // namespace

std::vector<TPicture> PaintTextures() {
    const auto rgb = TBmpDepth::Rgb24;
    return {
        {"Obje/ダンジョン/壁.bmp", Bricks({128, 118, 104}, {70, 64, 58}, 16, 8, 1), rgb},
        {"Obje/ダンジョン/床.bmp", Flagstones({112, 106, 98}, {58, 54, 50}, 16, 2), rgb},
        {"Obje/ダンジョン/扉.bmp", WoodenDoor(), rgb},
        {"Obje/ダンジョン/鉄扉.bmp", SteelDoor(), rgb},
        {"Obje/ダンジョン/宝箱.bmp", TreasureChest(), rgb},
        {"Obje/ダンジョン/上り階段.bmp", Stairs(true), rgb},
        {"Obje/ダンジョン/下り階段.bmp", Stairs(false), rgb},
        {"Obje/ダンジョン/石垣.bmp", Bricks({150, 146, 136}, {96, 92, 86}, 32, 16, 3), rgb},
        {"Obje/アイテム/かぎ白.bmp", Key({236, 236, 230}), rgb},
        {"Obje/アイテム/かぎ赤.bmp", Key({214, 44, 40}), rgb},
        {"Obje/アイテム/かぎ青.bmp", Key({48, 90, 226}), rgb},
        {"Obje/アイテム/かぎ黄.bmp", Key({238, 200, 40}), rgb},
        {"Obje/アイテム/よろい.bmp", Armour(), rgb},
        {"Obje/村/草地.bmp", Grass(), rgb},
        {"Obje/村/石畳.bmp", Flagstones({176, 164, 140}, {110, 100, 86}, 16, 81), rgb},
        {"Obje/村/壁.bmp", Plaster(), rgb},
        {"Obje/村/屋根.bmp", RoofTiles(), rgb},
    };
}
