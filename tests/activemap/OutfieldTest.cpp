#include "activemap/Outfield.h"

#include "support/FakeBody.h"
#include "support/TestMap.h"

#include <gtest/gtest.h>

namespace {

TOutField::TRows Bodies(int columns, int rows) {
    TOutField::TRows bodies(static_cast<std::size_t>(rows));
    for (auto& row : bodies) {
        for (int j = 0; j < columns; ++j) {
            row.push_back(std::make_unique<TFakeBody>());
        }
    }
    return bodies;
}

// How many bodies the field offers, and the first one.
struct TDrawn {
    int count = 0;
    IActerBody* first = nullptr;
};

TDrawn Drawn(TOutField& field, const TDungBlock& hero) {
    TDrawn drawn;
    drawn.first = field.First(&hero);
    for (IActerBody* body = drawn.first; body; body = field.Next()) {
        ++drawn.count;
    }
    return drawn;
}

TEST(OutFields, BodiesArePlacedAroundTheGridOnTheirSide) {
    TOutField::TRows rows = Bodies(3, 5);
    auto* cornerOfNorth = static_cast<TFakeBody*>(rows[1][2].get());
    TOutField north(0, std::move(rows), 3, 4);
    EXPECT_FLOAT_EQ(cornerOfNorth->X(), 4.0f);
    EXPECT_FLOAT_EQ(cornerOfNorth->Z(), 8.0f);

    TOutField::TRows eastRows = Bodies(5, 4);
    auto* firstOfEast = static_cast<TFakeBody*>(eastRows[0][0].get());
    TOutField east(3, std::move(eastRows), 3, 4);
    EXPECT_FLOAT_EQ(firstOfEast->X(), 6.0f);
    EXPECT_FLOAT_EQ(firstOfEast->Z(), 0.0f);

    TOutField::TRows southEastRows = Bodies(5, 5);
    auto* firstOfSouthEast = static_cast<TFakeBody*>(southEastRows[0][0].get());
    TOutField southEast(7, std::move(southEastRows), 3, 4);
    EXPECT_FLOAT_EQ(firstOfSouthEast->X(), 6.0f);
    EXPECT_FLOAT_EQ(firstOfSouthEast->Z(), -8.0f);
}

TEST(OutFields, TheNorthFieldIsDrawnUpToRowTenInAWindowOfColumns) {
    TTestMap map({std::string(40, '.'), std::string(40, '.'), std::string(40, '.')});
    TOutField::TRows rows = Bodies(40, 5);
    IActerBody* firstDrawn = rows[0][4].get();
    TOutField north(0, std::move(rows), 40, 30);
    const TDrawn drawn = Drawn(north, map.Block(15, 2));
    EXPECT_EQ(drawn.count, 22 * 5);
    EXPECT_EQ(drawn.first, firstDrawn);

    TDungBlock row10;
    row10.SetUpBlock(15, 10, nullptr, nullptr);
    TDungBlock row11;
    row11.SetUpBlock(15, 11, nullptr, nullptr);
    EXPECT_EQ(Drawn(north, row10).count, 22 * 5);
    EXPECT_EQ(Drawn(north, row11).count, 0);
    EXPECT_EQ(north.Next(), nullptr);
}

TEST(OutFields, SideFieldsShowAWindowOfRowsAndCornersShowAll) {
    const int width = 30;
    const int height = 30;
    TOutField west(2, Bodies(5, height), width, height);
    TOutField east(3, Bodies(5, height), width, height);
    TOutField southWest(6, Bodies(5, 5), width, height);
    struct TCase {
        int x;
        int y;
        int west;
        int east;
        int southWest;
    };
    const TCase cases[] = {{8, 12, 15 * 5, 0, 0},
                           {9, 3, 0, 0, 0},
                           {22, 29, 0, 9 * 5, 0},
                           {10, 23, 0, 0, 25},
                           {0, 0, 7 * 5, 0, 0}};
    for (const TCase& c : cases) {
        TDungBlock hero;
        hero.SetUpBlock(c.x, c.y, nullptr, nullptr);
        EXPECT_EQ(Drawn(west, hero).count, c.west) << c.x << "," << c.y;
        EXPECT_EQ(Drawn(east, hero).count, c.east) << c.x << "," << c.y;
        EXPECT_EQ(Drawn(southWest, hero).count, c.southWest) << c.x << "," << c.y;
    }
}

} // namespace
