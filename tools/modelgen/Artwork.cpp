#include "modelgen/Artwork.h"

#include "modelgen/Noise.h"
#include "modelgen/PixelFont.h"
#include "modelgen/Raster.h"

#include <cmath>
#include <cstdlib>

namespace {

// The four key colours, the game's motif: white, red, blue, yellow.
constexpr TRgb KeyColours[4] = {{236, 232, 222}, {196, 52, 48}, {52, 88, 190}, {226, 180, 48}};

// A diamond of small square tesserae centred on (cx, cy); `radius` counts
// tesserae from the centre to a tip.
void TesseraDiamond(TImage& image, int cx, int cy, int radius, int cell, std::uint32_t seed) {
    for (int j = -radius; j <= radius; ++j) {
        for (int i = -radius; i <= radius; ++i) {
            const int ring = std::abs(i) + std::abs(j);
            if (ring > radius) {
                continue;
            }
            TRgb c = KeyColours[ring % 4];
            c = Shade(c, 0.85 + 0.25 * HashNoise(i, j, seed));
            image.FillRect(cx + i * cell - cell / 2, cy + j * cell - cell / 2, cell - 1, cell - 1,
                           c);
        }
    }
}

} // namespace

TImage PaintBackgroundTile() {
    const TRgb background{50, 44, 62};
    TImage tile(115, 94, background);
    TesseraDiamond(tile, 57, 47, 5, 7, 11);
    return tile;
}

TImage PaintTitle() {
    const int w = 478;
    const int h = 329;
    TImage title(w, h);
    for (int y = 0; y < h; ++y) {
        const TRgb row = Mix({14, 16, 38}, {70, 44, 74}, static_cast<double>(y) / h);
        for (int x = 0; x < w; ++x) {
            title.Set(x, y, row);
        }
    }
    for (int y = 0; y < 250; ++y) {
        for (int x = 0; x < w; ++x) {
            if (HashNoise(x, y, 3) > 0.9975) {
                title.Set(x, y, Mix({255, 250, 230}, title.At(x, y), HashNoise(x, y, 4)));
            }
        }
    }

    // A mosaic floor running to the horizon.
    const int horizon = 250;
    for (int y = horizon; y < h; ++y) {
        const double depth = static_cast<double>(y - horizon + 6) / (h - horizon + 6);
        const double cell = 6 + 26 * depth;
        for (int x = 0; x < w; ++x) {
            const double u = (x - w / 2.0) / cell;
            const int ci = static_cast<int>(std::floor(u));
            const int cj = static_cast<int>(std::floor((y - horizon) / (cell * 0.5)));
            const bool grout = u - ci < 0.08 || std::fmod((y - horizon) / (cell * 0.5), 1.0) < 0.12;
            TRgb c = KeyColours[std::abs(ci + cj) % 4];
            c = Mix(c, {40, 30, 50}, 0.55 - 0.35 * depth);
            title.Set(x, y, grout ? TRgb{30, 24, 36} : c);
        }
    }

    // A gate in the middle, its arch laid in tesserae.
    const double gx = w / 2.0;
    const double top = 118;
    FillPolygon(title, {{gx - 62, 250}, {gx - 62, top}, {gx + 62, top}, {gx + 62, 250}},
                {86, 74, 92});
    FillEllipse(title, gx, top, 62, 52, {86, 74, 92});
    FillPolygon(title, {{gx - 42, 250}, {gx - 42, top}, {gx + 42, top}, {gx + 42, 250}},
                {8, 6, 14});
    FillEllipse(title, gx, top, 42, 36, {8, 6, 14});
    for (int k = 0; k < 15; ++k) {
        const double a = 3.14159265358979 * k / 14;
        const int x = static_cast<int>(gx - std::cos(a) * 52);
        const int y = static_cast<int>(top - std::sin(a) * 44);
        title.FillRect(x - 4, y - 4, 8, 8, KeyColours[k % 4]);
    }
    // A key glowing in the dark doorway.
    FillRing(title, gx, 176, 10, 5, {240, 200, 70});
    title.FillRect(static_cast<int>(gx) - 2, 186, 5, 40, {240, 200, 70});
    title.FillRect(static_cast<int>(gx) + 3, 210, 8, 4, {240, 200, 70});
    title.FillRect(static_cast<int>(gx) + 3, 219, 6, 4, {240, 200, 70});

    const char* name = "TESSARINE";
    const int scale = 5;
    const int x = (w - TextWidth5x7(name, scale)) / 2;
    DrawText5x7(title, name, x + 3, 27, scale, {20, 10, 20});
    DrawText5x7(title, name, x, 24, scale, {242, 206, 96});
    return title;
}

TImage PaintIcon() {
    TImage icon(32, 32, {50, 44, 62});
    TesseraDiamond(icon, 16, 16, 2, 6, 5);
    return icon;
}
