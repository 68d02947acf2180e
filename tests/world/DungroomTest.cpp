#include "world/Dungroom.h"

#include "activemap/Activemapproxy.h"
#include "platform/RandomSource.h"
#include "platform/SjisText.h"
#include "support/FormatTesting.h"
#include "support/TestMap.h"

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

using TExitList = std::vector<std::pair<const TDungBlock*, Direc_Way>>;

TExitList ExitsOf(const TRoom& room) {
    return TExitList(room.GetExits().begin(), room.GetExits().end());
}

TEST(DungRoomFinish, AWallNorthAndACorridorEastGiveOneExitAndThreeSurroundings) {
    TTestMap map({"#.", "1."});
    const TRoom& room = map.Room(1);
    const TDungBlock* block = &map.Block(0, 1);
    EXPECT_EQ(ExitsOf(room), (TExitList{{block, DW_East}}));
    EXPECT_EQ(room.GetSurroundings(),
              (TRoom::TSurroundings{&map.Block(0, 0), &map.Block(1, 0), &map.Block(1, 1)}));
    EXPECT_TRUE(room.IsExitBlock(block));
}

TEST(DungRoomFinish, OppositeOutsideSidesAddNoCorner) {
    // Room 1 is the middle block; rooms 2 and 3 close its other two sides, so
    // a wrongly added corner would be one of their blocks.
    struct TCase {
        const char* what;
        std::vector<std::string> rows;
        Direc_Way first;
        Direc_Way second;
    };
    const std::vector<TCase> cases = {
        {"north and south", {"2.3", "213", "2.3"}, DW_North, DW_South},
        {"east and west", {"222", ".1.", "333"}, DW_East, DW_West}};
    for (const TCase& c : cases) {
        TTestMap map(c.rows);
        const TRoom& room = map.Room(1);
        const TDungBlock* block = &map.Block(1, 1);
        const TDungBlock* firstSide = TActiveMapProxy::Instance().GetNeighbour(block, c.first);
        const TDungBlock* secondSide = TActiveMapProxy::Instance().GetNeighbour(block, c.second);
        EXPECT_EQ(room.GetSurroundings(), (TRoom::TSurroundings{firstSide, secondSide})) << c.what;
        EXPECT_EQ(room.GetExits().size(), 2u) << c.what;
    }
}

TEST(DungRoomFinish, ExitsRunRowByRowThenByDirection) {
    TTestMap map({"#..#", ".11.", ".11#", "####"});
    const TRoom& room = map.Room(1);
    EXPECT_EQ(ExitsOf(room), (TExitList{{&map.Block(1, 1), DW_North},
                                        {&map.Block(1, 1), DW_West},
                                        {&map.Block(2, 1), DW_North},
                                        {&map.Block(2, 1), DW_East},
                                        {&map.Block(1, 2), DW_West}}));
}

TEST(DungRoomFinish, TheCentreIsTheFirstBlockSurroundedByTheRoom) {
    // Four blocks could be the centre; the first row by row is.
    TTestMap map({"######", "#1111#", "#1111#", "#1111#", "#1111#", "######"});
    EXPECT_EQ(map.Room(1).GetCentre(), &map.Block(2, 2));
    EXPECT_TRUE(map.Room(1).GetExits().empty());
}

TEST(DungRoomFinish, ARoomOneBlockWideHasNoCentre) {
    TTestMap map({"#####", "#111#", "#####"});
    EXPECT_EQ(map.Room(1).GetCentre(), nullptr);
}

TEST(DungRoomFinish, NeighbouringRoomsAreNeitherExitsNorSurroundings) {
    TTestMap map({"12"});
    EXPECT_TRUE(map.Room(1).GetExits().empty());
    EXPECT_TRUE(map.Room(1).GetSurroundings().empty());
    EXPECT_EQ(map.Room(1).GetCentre(), &map.Block(0, 0));
}

TEST(DungRoomPatrol, KeepersAndChestsAreInTheWay) {
    TTestMap map({"..B"});
    EXPECT_TRUE(TRoom::IsPatrolFree(&map.Block(0, 0)));
    EXPECT_FALSE(TRoom::IsPatrolFree(&map.Block(2, 0)));
    TTestFighter& enemy = map.PlaceEnemy(1, 0, DW_North);
    EXPECT_TRUE(TRoom::IsPatrolFree(&map.Block(1, 0)));
    enemy.keeper = true;
    EXPECT_FALSE(TRoom::IsPatrolFree(&map.Block(1, 0)));
    EXPECT_FALSE(TRoom::IsPatrolFree(nullptr));
}

TEST(DungRoomPatrol, AnEnemyThatCannotTellWhetherItKeepsIsAnError) {
    TTestFixture silent(TActerKind::Enemy);
    TTestMap map({"."});
    map.Block(0, 0).SetGuest(&silent);
    EXPECT_EQ(GameErrorOf([&] { TRoom::IsPatrolFree(&map.Block(0, 0)); }),
              Sjis("番人かどうかを答えないアクターに尋ねました"));
}

class DungRoomRandomExit : public testing::Test {
protected:
    // Picks for 40 seeds.
    std::set<std::pair<const TDungBlock*, std::uint8_t>> Picks(const TRoom& room,
                                                               const TDungBlock* current) {
        std::set<std::pair<const TDungBlock*, std::uint8_t>> picks;
        for (std::uint32_t seed = 1; seed <= 40; ++seed) {
            const TScopedInstance<TRandomSource> seeded(seed);
            std::uint8_t dir = 99;
            const TDungBlock* block = room.RandomExit(current, dir);
            picks.insert({block, dir});
        }
        return picks;
    }
};

// Exits (A, north) and (B, east); A is (0, 1), B is (1, 1).
TEST_F(DungRoomRandomExit, ThePatrolNeverPicksTheExitOfItsOwnBlockWhenOthersAreFree) {
    TTestMap map({".##", "11.", "###"});
    map.PlaceEnemy(0, 1, DW_North);
    EXPECT_EQ(Picks(map.Room(1), &map.Block(0, 1)),
              (std::set<std::pair<const TDungBlock*, std::uint8_t>>{{&map.Block(1, 1), DW_East}}));
}

TEST_F(DungRoomRandomExit, TheOnlyFreeExitIsTakenEvenFromItsOwnBlock) {
    TTestMap map({".##", "11.", "###"});
    map.PlaceEnemy(0, 1, DW_North);
    map.PlaceEnemy(2, 1, DW_West).keeper = true;
    EXPECT_EQ(Picks(map.Room(1), &map.Block(0, 1)),
              (std::set<std::pair<const TDungBlock*, std::uint8_t>>{{&map.Block(0, 1), DW_North}}));
}

TEST_F(DungRoomRandomExit, SeveralFreeExitsAllOfTheOwnBlockFallBackToEveryExit) {
    // The east exit leads onto a chest: never a candidate, so only the
    // fallback to every exit can pick it.
    TTestMap map({"#.#", ".1B", "###"});
    map.PlaceEnemy(1, 1, DW_North);
    EXPECT_EQ(Picks(map.Room(1), &map.Block(1, 1)),
              (std::set<std::pair<const TDungBlock*, std::uint8_t>>{{&map.Block(1, 1), DW_North},
                                                                    {&map.Block(1, 1), DW_East},
                                                                    {&map.Block(1, 1), DW_West}}));
}

TEST_F(DungRoomRandomExit, NoFreeExitFallsBackToEveryExit) {
    TTestMap map({".##", "11.", "###"});
    map.PlaceEnemy(0, 0, DW_North).keeper = true;
    map.PlaceEnemy(2, 1, DW_North).keeper = true;
    EXPECT_EQ(Picks(map.Room(1), &map.Block(1, 1)).size(), 2u);
}

TEST_F(DungRoomRandomExit, ARoomWithoutExitsGivesNone) {
    TTestMap map({"###", "#1#", "###"});
    std::uint8_t dir = 0;
    EXPECT_EQ(map.Room(1).RandomExit(&map.Block(1, 1), dir), nullptr);
    EXPECT_EQ(dir, DW_None);
}

} // namespace
