#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Writes small Windows bitmaps and Targa files for tests, in the layouts the
// texture reader must accept.
struct TTestRgba {
    std::uint8_t r, g, b, a;
    bool operator==(const TTestRgba&) const = default;
};

struct TTestPicture {
    int width;
    int height;
    // Top row first.
    std::vector<TTestRgba> pixels;

    TTestRgba At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

struct TBitmapForm {
    int bits;       // 8 (palette of the picture's pixels), 16, 24 or 32
    bool topDown;   // rows stored top row first (negative height)
    bool bitFields; // 16: 5-6-5 instead of 5-5-5; 32: with an alpha mask
};

struct TTargaForm {
    int type; // 2 plain, 10 run-length coded
    int bits; // 24 or 32
    bool topDown;
    bool rightToLeft;
};

std::vector<std::uint8_t> EncodeBitmap(const TTestPicture& picture, const TBitmapForm& form);
std::vector<std::uint8_t> EncodeTarga(const TTestPicture& picture, const TTargaForm& form);
