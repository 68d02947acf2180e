#pragma once

#include "modelgen/Image.h"

#include <cstdint>
#include <string>
#include <vector>

enum class TBmpDepth {
    Rgb24,     // true colour
    Paletted8, // a palette of the picture's own colours, in ascending RGB order
};

// The bytes of an uncompressed Windows bitmap (BITMAPFILEHEADER and
// BITMAPINFOHEADER, rows bottom-up, each padded to 4 bytes). A paletted
// picture with more than 256 colours is refused.
std::vector<std::uint8_t> EncodeBmp(const TImage& image, TBmpDepth depth);

// Writes the file (UTF-8 path), creating its folders.
void WriteBmp(const std::string& path, const TImage& image, TBmpDepth depth);
