#include "world/Base3dutil.h"

#include "platform/GameError.h"
#include "platform/SjisText.h"

namespace {

constexpr std::uint8_t ClockwiseRing[8] = {DW_North, DW_NorthEast, DW_East, DW_SouthEast,
                                           DW_South, DW_SouthWest, DW_West, DW_NorthWest};
constexpr int ClockwiseIndex[9] = {0, 2, 4, 6, 1, 3, 5, 7, -1};
constexpr TGridStep GridSteps[8] = {{0, -1}, {1, 0}, {0, 1},  {-1, 0},
                                    {1, -1}, {1, 1}, {-1, 1}, {-1, -1}};

} // namespace

TGridStep GridStepOf(std::uint8_t way) {
    if (way > 7) {
        return {0, 0};
    }
    return GridSteps[way];
}

std::uint8_t ReverseWay(std::uint8_t way) {
    switch (way) {
    case DW_North:
        return DW_South;
    case DW_East:
        return DW_West;
    case DW_South:
        return DW_North;
    case DW_West:
        return DW_East;
    case DW_NorthEast:
        return DW_SouthWest;
    case DW_SouthEast:
        return DW_NorthWest;
    case DW_SouthWest:
        return DW_NorthEast;
    case DW_NorthWest:
        return DW_SouthEast;
    default:
        return DW_None;
    }
}

float WayAngle(std::uint8_t from, std::uint8_t to) {
    if (from > 7 || to > 7) {
        throw TGameError(Sjis("初期方向から指定方向までの角度を得る関数呼び出しエラー"));
    }
    if (from == ReverseWay(to)) {
        return 180.0f;
    }
    if (from == to) {
        return 0.0f;
    }
    int position = ClockwiseIndex[from];
    int steps = 0;
    while (ClockwiseRing[position] != to) {
        position = (position + 1) % 8;
        ++steps;
    }
    return 45.0f * static_cast<float>(steps);
}

std::uint8_t WayOfClockwiseIndex(int index) {
    const int wrapped = ((index % 8) + 8) % 8;
    return ClockwiseRing[wrapped];
}

std::uint8_t RightWay(std::uint8_t way) {
    if (way > 7) {
        throw TGameError(Sjis("指定方向の右どなりの方向を得るエラー"));
    }
    return WayOfClockwiseIndex(ClockwiseIndex[way] + 1);
}

std::uint8_t LeftWay(std::uint8_t way) {
    if (way > 7) {
        throw TGameError(Sjis("指定方向の左どなりの方向を得るエラー"));
    }
    return WayOfClockwiseIndex(ClockwiseIndex[way] - 1);
}

int ClockwiseIndexOfWay(std::uint8_t way) {
    if (way > 7) {
        throw TGameError(Sjis("方向から時計周り方向の数値を得るエラー"));
    }
    return ClockwiseIndex[way];
}
