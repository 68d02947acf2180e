#include "actors/Enemyai.h"

#include "activemap/Activemapproxy.h"
#include "actors/Enemy.h"
#include "platform/RandomSource.h"
#include "platform/SjisText.h"
#include "support/EnemyFloor.h"
#include "support/FormatTesting.h"

#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace {

class EnemyAI : public testing::Test {
protected:
    // Thinks once: the way it started to walk, or none.
    static std::uint8_t WalkAfterThinking(TEnemy& patrol) {
        patrol.Think(false);
        const bool walks = patrol.GetDecision() == das_Walk && patrol.GetStateId() == das_Walk;
        return walks ? patrol.GetDirection() : static_cast<std::uint8_t>(DW_None);
    }
    // What the patrol would save; the record keeps it, as saving would.
    static TEnemyMemory MemoryOf(TEnemy& enemy) {
        enemy.SaveAIMemory();
        const auto& saved = *reinterpret_cast<const TSaveEnemy*>(enemy.GetRecord());
        return {saved.hasTarget != 0, saved.targetX, saved.targetY, saved.targetDirection};
    }

    TScopedInstance<TRandomSource> random{11};
    TEnemyFloor floor;
};

TEST_F(EnemyAI, AKeeperStrikesTheHeroineBesideItUnlessAWalledCornerIsBetween) {
    // The keeper stands at (1, 1).
    struct TCase {
        const char* what;
        std::vector<std::string> rows;
        int heroX;
        int heroY;
        DA_State decision;
        std::uint8_t way;
    };
    const std::vector<TCase> cases = {
        {"north", {"...", "...", "..."}, 1, 0, das_Attack, DW_North},
        {"west", {"...", "...", "..."}, 0, 1, das_Attack, DW_West},
        {"north-east", {"...", "...", "..."}, 2, 0, das_Attack, DW_NorthEast},
        {"south-west", {"...", "...", "..."}, 0, 2, das_Attack, DW_SouthWest},
        {"wall north of the corner", {".#.", "...", "..."}, 2, 0, das_Wait, DW_None},
        {"wall east of the corner", {"...", "..#", "..."}, 2, 0, das_Wait, DW_None},
        {"closed door at the corner", {".D.", "...", "..."}, 2, 0, das_Wait, DW_None},
        {"open door at the corner", {".d.", "...", "..."}, 2, 0, das_Attack, DW_NorthEast},
        {"two blocks away", {"...", "...", "...", "..."}, 1, 3, das_Wait, DW_None},
    };
    for (const TCase& c : cases) {
        TTestMap map(c.rows);
        map.PlaceHero(c.heroX, c.heroY, DW_South);
        TEnemy& keeper = floor.Put(map, 1, 1, DW_South, {EnemyAIKeeper});
        keeper.Think(false);
        EXPECT_EQ(keeper.GetDecision(), c.decision) << c.what;
        EXPECT_EQ(keeper.GetStateId(), das_Null) << c.what;
        EXPECT_EQ(keeper.GetDirection(), DW_South) << c.what;
        if (c.decision == das_Attack) {
            EXPECT_EQ(keeper.GetReserved()->GetId(), das_Attack) << c.what;
            EXPECT_EQ(keeper.GetReserved()->GetParam(), c.way) << c.what;
        } else {
            EXPECT_EQ(keeper.GetReserved()->GetId(), das_Standby) << c.what;
        }
        floor.Destroy(keeper);
    }
}

TEST_F(EnemyAI, AKeeperStrikesWhereTheHeroineIsWalkingTo) {
    TTestMap map({"...", "...", "...", "..."});
    TTestFighter& hero = map.PlaceHero(1, 3, DW_North);
    hero.SetState(hero.StateOf(das_Walk));
    TEnemy& keeper = floor.Put(map, 1, 1, DW_North, {EnemyAIKeeper});
    keeper.Think(false);
    EXPECT_EQ(keeper.GetDecision(), das_Attack);
    EXPECT_EQ(keeper.GetReserved()->GetParam(), DW_South);
}

TEST_F(EnemyAI, AStandingEnemyNeverActsEvenBesideTheHeroine) {
    // Type 2 ends its turn at once; an unknown type has no AI at all.
    struct TCase {
        std::uint8_t aiType;
        DA_State stateAfter;
    };
    const TCase cases[] = {{EnemyAINone, das_Null}, {9, das_Standby}};
    for (const TCase& c : cases) {
        TTestMap map({".."});
        map.PlaceHero(1, 0, DW_West);
        TEnemy& enemy = floor.Put(map, 0, 0, DW_North, {c.aiType});
        for (const bool dash : {false, true}) {
            enemy.Think(dash);
            EXPECT_EQ(enemy.GetDecision(), das_Null) << int(c.aiType);
            EXPECT_EQ(enemy.GetStateId(), c.stateAfter) << int(c.aiType);
            EXPECT_EQ(enemy.GetDirection(), DW_North) << int(c.aiType);
        }
        EXPECT_FALSE(MemoryOf(enemy).hasTarget);
        floor.Destroy(enemy);
    }
}

TEST(EnemyDirectionRule, TheWayTowardAGoalAndTheSideToTryFirst) {
    struct TCase {
        int dx;
        int dy;
        std::uint8_t way;
        int preference;
    };
    const TCase cases[] = {
        // as far across as along: the diagonal, either side
        {2, 2, DW_SouthEast, 0},
        {-2, -2, DW_NorthWest, 0},
        {-1, 1, DW_SouthWest, 0},
        {3, -3, DW_NorthEast, 0},
        // straight
        {-3, 0, DW_West, 0},
        {4, 0, DW_East, 0},
        {0, -2, DW_North, 0},
        {0, 5, DW_South, 0},
        // one block off straight: the diagonal, then the longer leg's side
        {3, -1, DW_NorthEast, 2},
        {1, -3, DW_NorthEast, 1},
        {3, 1, DW_SouthEast, 1},
        {1, 3, DW_SouthEast, 2},
        {-3, 1, DW_SouthWest, 2},
        {-1, 3, DW_SouthWest, 1},
        {-3, -1, DW_NorthWest, 1},
        {-1, -3, DW_NorthWest, 2},
        // mostly along one axis: straight, turning toward the goal
        {-2, -4, DW_North, 1},
        {2, -4, DW_North, 2},
        {-2, 4, DW_South, 2},
        {2, 4, DW_South, 1},
        {-4, -2, DW_West, 2},
        {-4, 2, DW_West, 1},
        {4, -2, DW_East, 1},
        {4, 2, DW_East, 2},
    };
    for (const TCase& c : cases) {
        const TGoalWay toward = WayTowardGoal(c.dx, c.dy);
        EXPECT_EQ(toward.way, c.way) << c.dx << "," << c.dy;
        EXPECT_EQ(toward.preference, c.preference) << c.dx << "," << c.dy;
    }
}

TEST_F(EnemyAI, ABlockedWayTurnsFortyFiveDegreesToThePreferredSideFirst) {
    // From (1, 1) heading north; 'e' marks blocks taken by other fighters.
    struct TCase {
        const char* what;
        std::vector<std::string> rows;
        int preference;
        std::uint8_t taken; // DW_None: no way at all
    };
    const std::vector<TCase> cases = {
        {"anticlockwise first", {".e.", "...", "..."}, 1, DW_NorthWest},
        {"clockwise first", {".e.", "...", "..."}, 2, DW_NorthEast},
        {"then the other side", {"ee.", "...", "..."}, 1, DW_NorthEast},
        {"then ninety degrees", {"eee", "...", "..."}, 1, DW_West},
        {"ninety clockwise", {"eee", "...", "..."}, 2, DW_East},
        {"then a hundred and thirty-five", {"eee", "e.e", "..."}, 2, DW_SouthEast},
        {"finally straight back", {"eee", "e.e", "e.e"}, 1, DW_South},
        {"a walled corner cuts the diagonal", {".e.", "#..", "..."}, 1, DW_NorthEast},
        {"nothing free", {"eee", "e.e", "eee"}, 1, DW_None},
    };
    for (const TCase& c : cases) {
        TTestMap map(c.rows);
        for (int y = 0; y < 3; ++y) {
            for (int x = 0; x < 3; ++x) {
                if (c.rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] == 'e') {
                    map.PlaceEnemy(x, y, DW_South);
                }
            }
        }
        std::uint8_t way = DW_North;
        const TDungBlock* next = AlternativeStep(&map.Block(1, 1), way, c.preference);
        if (c.taken == DW_None) {
            EXPECT_EQ(next, nullptr) << c.what;
            EXPECT_EQ(way, DW_North) << c.what;
            continue;
        }
        EXPECT_EQ(way, c.taken) << c.what;
        EXPECT_EQ(next, TActiveMapProxy::Instance().GetNeighbour(&map.Block(1, 1), c.taken))
            << c.what;
    }
}

TEST(EnemyAlternatives, APreferenceOtherThanOneOrTwoIsAnError) {
    TTestMap map({"..."});
    for (const int preference : {0, 3}) {
        std::uint8_t way = DW_East;
        EXPECT_EQ(GameErrorOf([&] { AlternativeStep(&map.Block(1, 0), way, preference); }),
                  Sjis("指定方向に移動できない場合、他の移動方向を得るエラー"));
    }
}

// A corridor patrol facing north at a junction open to the north, east,
// west and behind it; the heroine stands out of its sight.
const std::vector<std::string> Junction = {"#.##.", "...#.", "#.###"};

TEST_F(EnemyAI, ACorridorPatrolGoesOnAtAJunctionSevenTimesInNineAndNeverBack) {
    std::map<std::uint8_t, int> ways;
    const int trials = 900;
    for (int i = 0; i < trials; ++i) {
        TTestMap map(Junction);
        map.PlaceHero(4, 0, DW_South);
        TEnemy& patrol = floor.Put(map, 1, 1, DW_North);
        ++ways[WalkAfterThinking(patrol)];
        floor.Destroy(patrol);
    }
    EXPECT_EQ(ways.count(DW_South), 0u);
    EXPECT_EQ(ways.count(DW_None), 0u);
    EXPECT_NEAR(ways[DW_North], trials * 7 / 9, 60);
    EXPECT_NEAR(ways[DW_East], trials / 9, 40);
    EXPECT_NEAR(ways[DW_West], trials / 9, 40);
}

TEST_F(EnemyAI, InADeadEndAPatrolTurnsIntoTheOnlyWayOut) {
    for (int i = 0; i < 20; ++i) {
        TTestMap map({"####.", "#.##.", "#.###"});
        map.PlaceHero(4, 0, DW_South);
        TEnemy& patrol = floor.Put(map, 1, 1, DW_North);
        EXPECT_EQ(WalkAfterThinking(patrol), DW_South);
        EXPECT_EQ(patrol.GetDestination(), &map.Block(1, 2));
        floor.Destroy(patrol);
    }
}

TEST_F(EnemyAI, APatrolSeeingTheHeroineInItsRoomStepsAsideWhenAnotherBlocksIt) {
    struct TCase {
        int heroX;
        std::uint8_t aside;
    };
    // Goal offsets (-2, -4) and (2, -4): north, preferring west or east.
    const TCase cases[] = {{0, DW_NorthWest}, {4, DW_NorthEast}};
    for (const TCase& c : cases) {
        TTestMap map({"11111", "11111", "11111", "11111", "11111"});
        map.PlaceHero(c.heroX, 0, DW_South);
        map.PlaceEnemy(2, 3, DW_South);
        TEnemy& patrol = floor.Put(map, 2, 4, DW_North);
        EXPECT_EQ(WalkAfterThinking(patrol), c.aside) << c.heroX;
        EXPECT_FALSE(MemoryOf(patrol).hasTarget) << "seen in its room, she is no target";
        floor.Destroy(patrol);
    }
}

TEST_F(EnemyAI, AHeroineSeenLeavingTheRoomBecomesTheTargetWithHerWay) {
    TTestMap map({"111", "111", "#.#", "#.#"});
    TTestFighter& hero = map.PlaceHero(1, 1, DW_South);
    hero.SetState(hero.StateOf(das_Walk));
    TEnemy& patrol = floor.Put(map, 0, 0, DW_East);
    EXPECT_EQ(WalkAfterThinking(patrol), DW_SouthEast);
    EXPECT_EQ(MemoryOf(patrol), (TEnemyMemory{true, 1, 1, DW_South}));
}

TEST_F(EnemyAI, OnItsTargetAPatrolWalksTheRememberedWayAndForgetsIt) {
    TTestMap map({"111", "111", "#.#", "#.#"});
    map.PlaceHero(1, 3, DW_South);
    TEnemy& patrol = floor.PutRemembering(map, 1, 1, DW_East, {true, 1, 1, DW_South});
    EXPECT_EQ(WalkAfterThinking(patrol), DW_South);
    EXPECT_EQ(patrol.GetDestination(), &map.Block(1, 2));
    EXPECT_FALSE(MemoryOf(patrol).hasTarget);
    EXPECT_EQ(MemoryOf(patrol).direction, DW_None);
}

TEST_F(EnemyAI, ARoomPatrolHeadsForAWayOutAndRemembersIt) {
    TTestMap map({"111#.", "111..", "#####"});
    map.PlaceHero(4, 0, DW_South);
    TEnemy& patrol = floor.Put(map, 0, 0, DW_South);
    EXPECT_EQ(WalkAfterThinking(patrol), DW_SouthEast);
    EXPECT_EQ(MemoryOf(patrol), (TEnemyMemory{true, 2, 1, DW_East}));
}

TEST_F(EnemyAI, InACorridorTheMemoryGoesWhenBlockedOrOnEnteringARoom) {
    // A corridor patrol at (2, 0) remembers room 1's block (0, 0); the
    // heroine is behind it, out of sight.
    struct TCase {
        const char* what;
        bool blocked;
        std::uint8_t way;
    };
    const TCase cases[] = {{"into the room", false, DW_West},
                           {"blocked, it turns back", true, DW_East}};
    for (const TCase& c : cases) {
        TTestMap map({"11.....", "#######"});
        map.PlaceHero(6, 0, DW_West);
        if (c.blocked) {
            map.PlaceEnemy(1, 0, DW_East);
        }
        TEnemy& patrol = floor.PutRemembering(map, 2, 0, DW_West, {true, 0, 0, DW_West});
        EXPECT_EQ(WalkAfterThinking(patrol), c.way) << c.what;
        EXPECT_FALSE(MemoryOf(patrol).hasTarget) << c.what;
        floor.Destroy(patrol);
    }
}

TEST_F(EnemyAI, APatrolWithNowhereToGoStaysInsteadOfRepeatingItsLastDecision) {
    TTestMap map({"#.#.", "#.#.", "#.#."});
    map.PlaceHero(3, 0, DW_South);
    TEnemy& patrol = floor.Put(map, 1, 2, DW_North);
    ASSERT_EQ(WalkAfterThinking(patrol), DW_North);
    while (!patrol.Tick()) {
    }
    ASSERT_EQ(patrol.GetBlock(), &map.Block(1, 1));
    map.PlaceEnemy(1, 0, DW_South);
    map.PlaceEnemy(1, 2, DW_North);
    patrol.Rest();
    patrol.Think(false);
    EXPECT_EQ(patrol.GetDecision(), das_Wait);
    EXPECT_EQ(patrol.GetStateId(), das_Null);
    EXPECT_EQ(patrol.GetBlock(), &map.Block(1, 1));
}

TEST_F(EnemyAI, ARoomWithoutAWayOutKeepsItsPatrolStanding) {
    TTestMap map({"11#.", "####"});
    map.PlaceHero(3, 0, DW_South);
    TEnemy& patrol = floor.Put(map, 0, 0, DW_East);
    patrol.Think(false);
    EXPECT_EQ(patrol.GetDecision(), das_Wait);
    EXPECT_EQ(patrol.GetStateId(), das_Null);
}

TEST_F(EnemyAI, WhileTheHeroineDashesAPatrolDashesOneBlockInOneStep) {
    TTestMap map({".", ".", ".", ".", "."});
    map.PlaceHero(0, 0, DW_South);
    TEnemy& patrol = floor.Put(map, 0, 4, DW_North);
    patrol.Think(true);
    EXPECT_EQ(patrol.GetDecision(), das_Dash);
    EXPECT_EQ(patrol.GetStateId(), das_Dash);
    EXPECT_TRUE(patrol.Tick());
    EXPECT_EQ(patrol.GetBlock(), &map.Block(0, 3));
}

TEST_F(EnemyAI, ATargetWithoutAWayToKeepIsAnErrorOnceReached) {
    TTestMap map({"...", "..."});
    map.PlaceHero(2, 1, DW_South);
    TEnemy& patrol = floor.PutRemembering(map, 0, 0, DW_West, {true, 0, 0, DW_None});
    EXPECT_EQ(GameErrorOf([&] { patrol.Think(false); }), Sjis("敵の進む方向決定エラー"));
}

TEST_F(EnemyAI, ARememberedTargetOffTheFloorIsForgotten) {
    TTestMap map({"...", "..."});
    map.PlaceHero(2, 1, DW_South);
    TEnemy& patrol = floor.PutRemembering(map, 0, 0, DW_West, {true, 40, -3, DW_North});
    EXPECT_EQ(WalkAfterThinking(patrol), DW_South) << "it wanders the corridor instead";
    EXPECT_FALSE(MemoryOf(patrol).hasTarget);
}

} // namespace
