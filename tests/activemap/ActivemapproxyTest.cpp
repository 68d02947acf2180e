#include "activemap/Activemapproxy.h"

#include "platform/RandomSource.h"
#include "platform/SjisText.h"
#include "support/FormatTesting.h"
#include "support/RecordingScenes.h"
#include "support/TestItems.h"
#include "support/TestMap.h"

#include <gtest/gtest.h>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

TActiveMapProxy& Proxy() {
    return TActiveMapProxy::Instance();
}

TEST(ActiveMapProxyLife, AskingBeforeItExistsIsAnError) {
    EXPECT_EQ(GameErrorOf([] { TActiveMapProxy::Instance(); }),
              Sjis("アクティブマッププロキシ未生成でインスタンス取得"));
    TActiveMapProxy::CreateInstance(nullptr);
    EXPECT_EQ(GameErrorOf([] { TActiveMapProxy::Instance(); }), "");
    TActiveMapProxy::ReleaseInstance();
}

TEST(ActiveMapProxyLife, WithoutAMapThereIsNoStateAndNoBlock) {
    TActiveMapProxy::CreateInstance(nullptr);
    EXPECT_EQ(Proxy().GetMapState(), -1);
    EXPECT_EQ(Proxy().BlockAt(0, 0), nullptr);
    {
        TTestMap map({".."});
        EXPECT_EQ(Proxy().GetMapState(), msWaitInput);
        EXPECT_EQ(Proxy().BlockAt(1, 0), &map.Block(1, 0));
        for (const auto& [col, row] : {std::pair{2, 0}, std::pair{-1, 0}, std::pair{0, 1}}) {
            EXPECT_EQ(Proxy().BlockAt(col, row), nullptr) << col << "," << row;
        }
    }
    TActiveMapProxy::ReleaseInstance();
}

TEST(ActiveMapProxyLife, ForgettingARecordWithoutAMapIsAnError) {
    TActiveMapProxy::CreateInstance(nullptr);
    const std::uint8_t record[12] = {};
    EXPECT_EQ(GameErrorOf([&] { Proxy().ForgetItem(record); }),
              Sjis("アクティブマップがないので床の記録を消せません"));
    EXPECT_EQ(GameErrorOf([&] { Proxy().ForgetObject(record); }),
              Sjis("アクティブマップがないので床の記録を消せません"));
    TActiveMapProxy::ReleaseInstance();
}

TEST(ActiveMapProxyLife, SceneChangesGoToTheOperatorGivenAtCreation) {
    TRecordingScenes scenes;
    TActiveMapProxy::CreateInstance(&scenes);
    Proxy().ChangeFloor();
    Proxy().ChangeVillageArea();
    Proxy().EndDungeonVisit();
    Proxy().ShowEntrance();
    Proxy().RefreshCursor();
    EXPECT_EQ(scenes.calls, "floor area end entrance cursor ");
    TActiveMapProxy::ReleaseInstance();
}

TEST(ActiveMapProxyLife, ASceneChangeWithoutAnOperatorIsAnError) {
    // A map whose turn asks for a new scene must not ask again every tick.
    TActiveMapProxy::CreateInstance(nullptr);
    for (const auto& change : std::vector<void (TActiveMapProxy::*)()>{
             &TActiveMapProxy::ChangeFloor, &TActiveMapProxy::ChangeVillageArea,
             &TActiveMapProxy::EndDungeonVisit, &TActiveMapProxy::ShowEntrance,
             &TActiveMapProxy::RefreshCursor}) {
        EXPECT_EQ(GameErrorOf([&] { (Proxy().*change)(); }),
                  Sjis("場面を切り替える者がいないのに場面切り替え"));
    }
    TActiveMapProxy::ReleaseInstance();
}

TEST(ActiveMapNeighbours, NoneOutsideTheGridOrWithoutADirection) {
    TTestMap map({"...", "..."});
    EXPECT_EQ(Proxy().GetNeighbour(&map.Block(0, 0), DW_North), nullptr);
    EXPECT_EQ(Proxy().GetNeighbour(&map.Block(0, 0), DW_NorthWest), nullptr);
    EXPECT_EQ(Proxy().GetNeighbour(&map.Block(2, 1), DW_SouthEast), nullptr);
    EXPECT_EQ(Proxy().GetNeighbour(&map.Block(1, 0), DW_None), nullptr);
    EXPECT_EQ(Proxy().GetNeighbour(&map.Block(1, 0), DW_SouthWest), &map.Block(0, 1));
}

TEST(ActiveMapNeighbours, AWalledCornerBlocksTheDiagonalFromBothEnds) {
    TTestMap map({"#.", ".."});
    EXPECT_TRUE(Proxy().IsDiagonalBlocked(&map.Block(0, 1), DW_NorthEast));
    EXPECT_TRUE(Proxy().IsDiagonalBlocked(&map.Block(1, 0), DW_SouthWest));
    EXPECT_EQ(Proxy().GetOpenNeighbour(&map.Block(0, 1), DW_NorthEast), nullptr);
    EXPECT_FALSE(Proxy().IsDiagonalBlocked(&map.Block(0, 1), DW_North));
    EXPECT_EQ(Proxy().GetOpenNeighbour(&map.Block(0, 1), DW_East), &map.Block(1, 1));
}

TEST(ActiveMapNeighbours, OpenCornersDoNotBlockAndADoorOnlyWhileClosed) {
    TTestMap map({"..D", "...", "..."});
    EXPECT_FALSE(Proxy().IsDiagonalBlocked(&map.Block(0, 1), DW_NorthEast));
    EXPECT_FALSE(Proxy().IsDiagonalBlocked(&map.Block(1, 1), DW_NorthEast));
    EXPECT_TRUE(Proxy().IsDiagonalBlocked(&map.Block(1, 0), DW_SouthEast));
    map.Block(2, 0).OpenDoor();
    EXPECT_FALSE(Proxy().IsDiagonalBlocked(&map.Block(1, 0), DW_SouthEast));
}

TEST(ActiveMapNeighbours, TheHeroineIsFoundOnlyOneOpenStepAway) {
    TTestMap map({"#...", "...."});
    map.PlaceHero(1, 0, DW_South);
    EXPECT_EQ(Proxy().DirectionToHero(&map.Block(2, 0)), DW_West);
    EXPECT_EQ(Proxy().DirectionToHero(&map.Block(1, 1)), DW_North);
    EXPECT_EQ(Proxy().DirectionToHero(&map.Block(3, 0)), DW_None);
    EXPECT_EQ(Proxy().DirectionToHero(&map.Block(0, 1)), DW_None);
}

TEST(ActiveMapNeighbours, AWalkingHeroineIsFoundAtHerDestination) {
    TTestMap map({"...."});
    TTestFighter& hero = map.PlaceHero(1, 0, DW_East);
    hero.SetState(hero.StateOf(das_Walk));
    EXPECT_EQ(Proxy().DirectionToHero(&map.Block(3, 0)), DW_West);
    EXPECT_EQ(Proxy().DirectionToHero(&map.Block(0, 0)), DW_None);
}

// Counts of each direction chosen over many seeded draws.
std::map<std::uint8_t, int> WanderCounts(const TDungBlock& block, std::uint8_t dir, int draws) {
    std::map<std::uint8_t, int> counts;
    const TScopedInstance<TRandomSource> seeded(77);
    for (int i = 0; i < draws; ++i) {
        ++counts[Proxy().ChooseWanderDirection(&block, dir)];
    }
    return counts;
}

TEST(ActiveMapWander, ADeadEndOpenOnlyBehindGivesNoDirection) {
    TTestMap map({"###", "#.#", "#.#"});
    EXPECT_EQ(WanderCounts(map.Block(1, 1), DW_North, 20), (std::map<std::uint8_t, int>{{8, 20}}));
}

TEST(ActiveMapWander, ADiagonalFacingExcludesNothing) {
    TTestMap map({"###", "#.#", "#.#"});
    EXPECT_EQ(WanderCounts(map.Block(1, 1), DW_NorthEast, 20),
              (std::map<std::uint8_t, int>{{DW_South, 20}}));
}

TEST(ActiveMapWander, AStraightCorridorAlwaysGoesOn) {
    TTestMap map({"#.#", "#.#", "#.#"});
    EXPECT_EQ(WanderCounts(map.Block(1, 1), DW_North, 50),
              (std::map<std::uint8_t, int>{{DW_North, 50}}));
}

TEST(ActiveMapWander, AtAJunctionStraightOnWinsSevenNinths) {
    TTestMap map({"#.#", "...", "###"});
    const int draws = 9000;
    const auto counts = WanderCounts(map.Block(1, 1), DW_North, draws);
    ASSERT_EQ(counts.size(), 3u);
    EXPECT_NEAR(counts.at(DW_North), draws * 7 / 9, 150);
    EXPECT_NEAR(counts.at(DW_East), draws / 9, 100);
    EXPECT_NEAR(counts.at(DW_West), draws / 9, 100);
}

TEST(ActiveMapWander, OccupiedAndRefusingFloorsAreNoCandidates) {
    TTestMap map({"#.#", "...", "###"});
    map.PlaceEnemy(1, 0, DW_South);
    auto floar = std::make_unique<TTestFloar>();
    floar->othersMayEnter = false;
    map.Block(2, 1).SetFloarActer(std::move(floar));
    EXPECT_EQ(WanderCounts(map.Block(1, 1), DW_North, 20),
              (std::map<std::uint8_t, int>{{DW_West, 20}}));
}

TEST(ActiveMapLocate, InARoomTheHeroineIsSeenAnywhereInIt) {
    TTestMap map({"1111", "1111", "#.##"});
    map.PlaceHero(3, 0, DW_South);
    std::uint8_t seen = 0;
    EXPECT_EQ(Proxy().LocateHero(&map.Block(0, 1), DW_South, seen), &map.Block(3, 0));
    EXPECT_EQ(seen, DW_None);
}

TEST(ActiveMapLocate, InARoomSheIsSeenLeavingAndLostOutside) {
    TTestMap map({"1111", "1111", "#.##", "#.##"});
    TTestFighter& hero = map.PlaceHero(1, 1, DW_South);
    hero.SetState(hero.StateOf(das_Walk));
    std::uint8_t seen = 0;
    EXPECT_EQ(Proxy().LocateHero(&map.Block(3, 0), DW_West, seen), &map.Block(1, 1));
    EXPECT_EQ(seen, DW_South);
    hero.TickUntilFinished();
    EXPECT_EQ(Proxy().LocateHero(&map.Block(3, 0), DW_West, seen), nullptr);
    EXPECT_EQ(seen, DW_None);
}

TEST(ActiveMapLocate, ACorridorNeighbourSeesHerWhereverSheFaces) {
    TTestMap map({"...", "..."});
    map.PlaceHero(1, 1, DW_North);
    std::uint8_t seen = 0;
    EXPECT_EQ(Proxy().LocateHero(&map.Block(0, 0), DW_North, seen), &map.Block(1, 1));
}

TEST(ActiveMapLocate, ThreeSightLinesRunAheadUntilSomethingStopsSight) {
    // The enemy stands at (2, 5) facing north.
    struct TCase {
        int x;
        int y;
        bool seen;
    };
    const TCase cases[] = {{2, 1, true},  {1, 1, true},  {3, 1, true},
                           {0, 1, false}, {4, 2, false}, {0, 6, false}};
    for (const TCase& c : cases) {
        TTestMap map({".....", ".....", ".....", ".....", ".....", ".....", "....."});
        map.PlaceEnemy(2, 5, DW_North);
        map.PlaceHero(c.x, c.y, DW_South);
        std::uint8_t seen = 0;
        const TDungBlock* found = Proxy().LocateHero(&map.Block(2, 5), DW_North, seen);
        EXPECT_EQ(found, c.seen ? &map.Block(c.x, c.y) : nullptr) << c.x << "," << c.y;
    }
}

TEST(ActiveMapLocate, AClosedDoorHidesWhatLiesBehindIt) {
    TTestMap map({".....", "..D..", ".....", "....."});
    map.PlaceHero(2, 0, DW_South);
    map.PlaceEnemy(2, 3, DW_North);
    std::uint8_t seen = 0;
    EXPECT_EQ(Proxy().LocateHero(&map.Block(2, 3), DW_North, seen), nullptr);
    map.Block(2, 1).OpenDoor();
    EXPECT_EQ(Proxy().LocateHero(&map.Block(2, 3), DW_North, seen), &map.Block(2, 0));
}

TEST(ActiveMapLocate, SheIsSeenAtHerDestinationOrSeenWalkingOffTheLine) {
    TTestMap map({"......", "......", "......", "......", "......"});
    map.PlaceEnemy(1, 4, DW_North);
    TTestFighter& hero = map.PlaceHero(2, 1, DW_North);
    hero.SetState(hero.StateOf(das_Walk));
    std::uint8_t seen = 0;
    EXPECT_EQ(Proxy().LocateHero(&map.Block(1, 4), DW_North, seen), &map.Block(2, 0));
    EXPECT_EQ(seen, DW_None);

    TTestMap across({"......", "......", "......", "......", "......"});
    across.PlaceEnemy(1, 4, DW_North);
    TTestFighter& walker = across.PlaceHero(2, 1, DW_East);
    walker.SetState(walker.StateOf(das_Walk));
    EXPECT_EQ(Proxy().LocateHero(&across.Block(1, 4), DW_North, seen), &across.Block(2, 1));
    EXPECT_EQ(seen, DW_East);
}

TEST(ActiveMapDash, StopsOnAFloorActer) {
    TTestMap map({"....."});
    map.Block(2, 0).SetFloarActer(std::make_unique<TTestFloar>());
    EXPECT_TRUE(Proxy().DashMustStop(&map.Block(2, 0), &map.Block(1, 0), DW_East));
}

TEST(ActiveMapDash, StopsAtTheExitOfTheRoomItCrosses) {
    TTestMap map({"#####", "1111.", "#####"});
    EXPECT_TRUE(Proxy().DashMustStop(&map.Block(3, 1), &map.Block(2, 1), DW_East));
    EXPECT_FALSE(Proxy().DashMustStop(&map.Block(2, 1), &map.Block(1, 1), DW_East));
}

TEST(ActiveMapDash, GoesOnOntoTheExitBlockOfARoomEnteredFromACorridor) {
    TTestMap map({"#####", "..111", "#####"});
    ASSERT_TRUE(map.Room(1).IsExitBlock(&map.Block(2, 1)));
    EXPECT_FALSE(Proxy().DashMustStop(&map.Block(2, 1), &map.Block(1, 1), DW_East));
}

TEST(ActiveMapDash, StopsBeforeARoomAhead) {
    TTestMap map({"#####", "...11", "#####"});
    EXPECT_TRUE(Proxy().DashMustStop(&map.Block(2, 1), &map.Block(1, 1), DW_East));
    EXPECT_FALSE(Proxy().DashMustStop(&map.Block(1, 1), &map.Block(0, 1), DW_East));
}

TEST(ActiveMapDash, StopsAtASideOpeningOfADungeonCorridorOnly) {
    TTestMap walled({"#####", ".....", "#####"});
    EXPECT_FALSE(Proxy().DashMustStop(&walled.Block(2, 1), &walled.Block(1, 1), DW_East));
    TTestMap opening({"##.##", ".....", "#####"});
    EXPECT_TRUE(Proxy().DashMustStop(&opening.Block(2, 1), &opening.Block(1, 1), DW_East));
    TTestMap edge({".....", "#####"});
    EXPECT_FALSE(Proxy().DashMustStop(&edge.Block(2, 0), &edge.Block(1, 0), DW_East));
    TTestMap village({"##.##", ".....", "#####"}, true);
    EXPECT_FALSE(Proxy().DashMustStop(&village.Block(2, 1), &village.Block(1, 1), DW_East));
}

TEST(ActiveMapDash, InARoomStopsBeforeSomethingAhead) {
    TTestMap map({"11111", "11111"});
    EXPECT_FALSE(Proxy().DashMustStop(&map.Block(2, 0), &map.Block(1, 0), DW_East));
    map.Block(3, 0).SetItem(TestItemActer(FloorItemRecord(BI_Tool, 5, 3, 0)));
    EXPECT_TRUE(Proxy().DashMustStop(&map.Block(2, 0), &map.Block(1, 0), DW_East));
    map.PlaceEnemy(3, 1, DW_North);
    EXPECT_TRUE(Proxy().DashMustStop(&map.Block(2, 1), &map.Block(1, 1), DW_East));
    EXPECT_FALSE(Proxy().DashMustStop(&map.Block(4, 1), &map.Block(3, 1), DW_East));
}

TEST(ActiveMapFront, TheCursorActionNeedsTheHeroineFacingTheClick) {
    TTestMap map({"...", "..."});
    map.Block(1, 0).SetWallSwitch(
        std::make_unique<TTestFixture>(TActerKind::WallSwitch, dac_Press));
    map.PlaceHero(1, 1, DW_North);
    EXPECT_EQ(Proxy().FrontAction(DW_North), dac_Press);
    EXPECT_EQ(Proxy().FrontAction(DW_East), dac_None);
    map.GetHeroActer()->SetDirection(DW_South);
    EXPECT_EQ(Proxy().FrontAction(DW_South), dac_None);
}

} // namespace
