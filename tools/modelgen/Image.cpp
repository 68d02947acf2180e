#include "modelgen/Image.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {

std::uint8_t Channel(double value) {
    return static_cast<std::uint8_t>(std::clamp(std::lround(value), 0L, 255L));
}

} // namespace

TRgb Mix(TRgb a, TRgb b, double t) {
    return {Channel(a.r + (b.r - a.r) * t), Channel(a.g + (b.g - a.g) * t),
            Channel(a.b + (b.b - a.b) * t)};
}

TRgb Shade(TRgb c, double k) {
    return {Channel(c.r * k), Channel(c.g * k), Channel(c.b * k)};
}

TImage::TImage(int w, int h, TRgb fill) : width(w), height(h) {
    if (w <= 0 || h <= 0) {
        throw std::invalid_argument("a picture needs a positive size");
    }
    pixels.assign(static_cast<size_t>(w) * h, fill);
}

void TImage::Set(int x, int y, TRgb c) {
    if (x >= 0 && y >= 0 && x < width && y < height) {
        pixels[Index(x, y)] = c;
    }
}

void TImage::FillRect(int x, int y, int w, int h, TRgb c) {
    for (int row = y; row < y + h; ++row) {
        for (int column = x; column < x + w; ++column) {
            Set(column, row, c);
        }
    }
}

void TImage::Blit(const TImage& source, int x, int y) {
    for (int row = 0; row < source.Height(); ++row) {
        for (int column = 0; column < source.Width(); ++column) {
            Set(x + column, y + row, source.At(column, row));
        }
    }
}
