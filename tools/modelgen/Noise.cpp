#include "modelgen/Noise.h"

#include <cmath>

double HashNoise(int x, int y, std::uint32_t seed) {
    std::uint32_t h = seed * 0x9E3779B9u;
    h ^= static_cast<std::uint32_t>(x) * 0x85EBCA6Bu;
    h = (h ^ (h >> 13)) * 0xC2B2AE35u;
    h ^= static_cast<std::uint32_t>(y) * 0x27D4EB2Fu;
    h = (h ^ (h >> 16)) * 0x85EBCA6Bu;
    h ^= h >> 13;
    return (h >> 8) / 16777216.0;
}

double SmoothNoise(double x, double y, double cell, std::uint32_t seed) {
    const double gx = x / cell;
    const double gy = y / cell;
    const int x0 = static_cast<int>(std::floor(gx));
    const int y0 = static_cast<int>(std::floor(gy));
    const auto fade = [](double t) { return t * t * (3.0 - 2.0 * t); };
    const double tx = fade(gx - x0);
    const double ty = fade(gy - y0);
    const double top = HashNoise(x0, y0, seed) * (1 - tx) + HashNoise(x0 + 1, y0, seed) * tx;
    const double bottom =
        HashNoise(x0, y0 + 1, seed) * (1 - tx) + HashNoise(x0 + 1, y0 + 1, seed) * tx;
    return top * (1 - ty) + bottom * ty;
}
