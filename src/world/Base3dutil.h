#pragma once

#include <cstdint>

// The eight directions of the grid, stored as one byte everywhere.
enum Direc_Way : std::uint8_t {
    DW_North = 0,
    DW_East = 1,
    DW_South = 2,
    DW_West = 3,
    DW_NorthEast = 4,
    DW_SouthEast = 5,
    DW_SouthWest = 6,
    DW_NorthWest = 7,
    DW_None = 8,
};

struct TGridStep {
    int dx;
    int dy;
};

// Grid step of a direction; (0, 0) for DW_None and anything above it.
TGridStep GridStepOf(std::uint8_t way);

std::uint8_t ReverseWay(std::uint8_t way);
// Clockwise angle in degrees from one direction to another (0 to 315).
float WayAngle(std::uint8_t from, std::uint8_t to);
std::uint8_t WayOfClockwiseIndex(int index);
std::uint8_t RightWay(std::uint8_t way);
std::uint8_t LeftWay(std::uint8_t way);
int ClockwiseIndexOfWay(std::uint8_t way);

inline bool IsOrthogonalWay(std::uint8_t way) {
    return way <= 3;
}
inline bool IsDiagonalWay(std::uint8_t way) {
    return way >= 4 && way <= 7;
}

// A block is 2.0 world units square; block (x, y) is centred at (2x, 0, -2y).
constexpr float BlockSize = 2.0f;
inline float WorldXOfBlock(int x) {
    return BlockSize * static_cast<float>(x);
}
inline float WorldZOfBlock(int y) {
    return -BlockSize * static_cast<float>(y);
}
