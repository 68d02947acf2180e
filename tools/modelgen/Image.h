#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct TRgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    friend bool operator==(TRgb, TRgb) = default;
};

// Mixes b into a by t (0 gives a, 1 gives b).
TRgb Mix(TRgb a, TRgb b, double t);
// Brighter for k above 1, darker below; clamped.
TRgb Shade(TRgb c, double k);

// A plain true-colour picture, row 0 at the top.
class TImage {
public:
    TImage(int width, int height, TRgb fill = {});

    int Width() const { return width; }
    int Height() const { return height; }
    TRgb At(int x, int y) const { return pixels[Index(x, y)]; }
    // Drawing outside the picture is clipped.
    void Set(int x, int y, TRgb c);
    void FillRect(int x, int y, int w, int h, TRgb c);
    // Copies `source` with its top-left corner at (x, y).
    void Blit(const TImage& source, int x, int y);

private:
    int width;
    int height;
    std::vector<TRgb> pixels;

    std::size_t Index(int x, int y) const { return static_cast<std::size_t>(y) * width + x; }
};
