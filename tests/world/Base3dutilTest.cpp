#include "world/Base3dutil.h"

#include "platform/GameError.h"
#include "platform/SjisText.h"

#include <gtest/gtest.h>

namespace {

struct TAngleCase {
    std::uint8_t from;
    std::uint8_t to;
    float angle;
};

TEST(Base3dutil, WayAngleIsTheClockwiseAngle) {
    const TAngleCase cases[] = {
        {DW_North, DW_NorthWest, 315.0f}, {DW_NorthWest, DW_North, 45.0f},
        {DW_East, DW_West, 180.0f},       {DW_SouthEast, DW_SouthEast, 0.0f},
        {DW_South, DW_North, 180.0f},     {DW_South, DW_East, 270.0f},
        {DW_South, DW_South, 0.0f},       {DW_South, DW_West, 90.0f},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WayAngle(c.from, c.to), c.angle) << int(c.from) << "->" << int(c.to);
    }
}

TEST(Base3dutil, RingAndTurns) {
    EXPECT_EQ(WayOfClockwiseIndex(-1), DW_NorthWest);
    EXPECT_EQ(WayOfClockwiseIndex(8), DW_North);
    EXPECT_EQ(WayOfClockwiseIndex(-9), DW_NorthWest);
    EXPECT_EQ(RightWay(DW_NorthWest), DW_North);
    EXPECT_EQ(LeftWay(DW_North), DW_NorthWest);
    EXPECT_EQ(RightWay(RightWay(DW_West)), DW_North);
    const std::uint8_t right[] = {4, 5, 6, 7, 1, 2, 3, 0};
    const std::uint8_t left[] = {7, 4, 5, 6, 0, 1, 2, 3};
    for (std::uint8_t d = 0; d < 8; ++d) {
        EXPECT_EQ(RightWay(d), right[d]);
        EXPECT_EQ(LeftWay(d), left[d]);
        EXPECT_EQ(ReverseWay(ReverseWay(d)), d);
        EXPECT_EQ(WayOfClockwiseIndex(ClockwiseIndexOfWay(d)), d);
    }
    EXPECT_EQ(ReverseWay(DW_None), DW_None);
}

TEST(Base3dutil, ErrorsCarryTheirMessages) {
    const auto message = [](auto call) {
        try {
            call();
        } catch (const TGameError& e) {
            return std::string(e.what());
        }
        return std::string();
    };
    EXPECT_EQ(message([] { WayAngle(DW_None, DW_North); }),
              Sjis("初期方向から指定方向までの角度を得る関数呼び出しエラー"));
    EXPECT_EQ(message([] { WayAngle(DW_North, DW_None); }),
              Sjis("初期方向から指定方向までの角度を得る関数呼び出しエラー"));
    EXPECT_EQ(message([] { RightWay(DW_None); }), Sjis("指定方向の右どなりの方向を得るエラー"));
    EXPECT_EQ(message([] { LeftWay(9); }), Sjis("指定方向の左どなりの方向を得るエラー"));
    EXPECT_EQ(message([] { ClockwiseIndexOfWay(DW_None); }),
              Sjis("方向から時計周り方向の数値を得るエラー"));
}

TEST(Base3dutil, GridStepsAndWorldPlaces) {
    EXPECT_EQ(GridStepOf(DW_NorthEast).dx, 1);
    EXPECT_EQ(GridStepOf(DW_NorthEast).dy, -1);
    EXPECT_EQ(GridStepOf(DW_None).dx, 0);
    EXPECT_EQ(WorldXOfBlock(3), 6.0f);
    EXPECT_EQ(WorldZOfBlock(2), -4.0f);
}

} // namespace
