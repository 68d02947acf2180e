#pragma once

#include <cstdint>
#include <stdexcept>
#include <vector>

// A decoded texture picture: RGBA bytes, top row first.
struct TTextureImage {
    int width = 0;
    int height = 0;
    // Bits per pixel of the file (8, 16, 24 or 32).
    int bitsPerPixel = 0;
    // The file carries its own alpha (32-bit Targa, bitmaps with an alpha mask).
    bool hasAlpha = false;
    std::vector<std::uint8_t> rgba;
};

// A picture file that cannot be decoded; the text says why, for the log.
class TTextureFormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Pictures larger than this on a side are refused rather than allocated.
constexpr int MaxTextureSide = 16384;

// Windows bitmaps: 8 bits with a palette, 16 bits (5-5-5 or bit fields),
// 24 bits, 32 bits (plain or bit fields); rows bottom-up or top-down.
TTextureImage DecodeBitmap(const std::vector<std::uint8_t>& bytes);
// Targa true colour, plain (type 2) or run-length coded (type 10), 24 or
// 32 bits, in either row and column order.
TTextureImage DecodeTarga(const std::vector<std::uint8_t>& bytes);
