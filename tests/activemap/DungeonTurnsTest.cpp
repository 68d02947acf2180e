#include "activemap/Activemapdung.h"
#include "actors/Enemy.h"
#include "actors/Enemyai.h"
#include "actors/Floaractersub.h"
#include "actors/Hero.h"
#include "actors/Onoffobjesub.h"
#include "platform/SjisText.h"
#include "save/Savedungeon.h"
#include "support/DungeonWorld.h"
#include "world/DataFile.h"
#include "world/Dungblock.h"

#include <gtest/gtest.h>
#include <set>

namespace {

// A hall of three rows of corridor, walled round.
TFloarData Hall(int width) {
    const std::string wall(static_cast<std::size_t>(width), '#');
    const std::string row = "#" + std::string(static_cast<std::size_t>(width - 2), '.') + "#";
    return SketchFloar({wall, row, row, row, wall});
}

class DungeonTurns : public ::testing::Test {
protected:
    TActiveMapDung& Enter(TFloarData floar, int x, int y) {
        return world.Enter({SketchStage(x, y, {std::move(floar)})});
    }
    TActiveMapDung& Map() const { return *world.Map(); }
    THero& Hero() const { return world.Hero(); }
    TSaveHero& HeroRecord() const { return Hero().Record(); }
    bool At(int x, int y) const { return Hero().GetBlock() == &world.Block(x, y); }
    const std::vector<std::string>& Notices() const { return world.heroes.view.notices; }

    TDungeonWorld world;
};

TEST_F(DungeonTurns, AStepIsOneEnemyTurnOfFourTicksAndAHeldKeyWalksOn) {
    struct TCase {
        bool held;
        const char* states;
        int endY;
    };
    // Held, she walks on at the turn's end until the wall stops her.
    for (const TCase c : {TCase{false, "1x4 0x1", 2}, TCase{true, "1x8 0x1", 1}}) {
        Enter(Hall(5), 1, 3);
        if (c.held) {
            Map().OrderMove(DW_North);
            EXPECT_EQ(world.PlayTurn(), c.states);
        } else {
            EXPECT_EQ(world.Step(DW_North), c.states);
        }
        EXPECT_TRUE(At(1, c.endY)) << c.held;
        EXPECT_EQ(HeroRecord().y, c.endY);
        EXPECT_EQ(Hero().GetStateId(), das_Wait);
    }
}

TEST_F(DungeonTurns, TheTurnEndRevealsTheMapAndGivesThePointerBack) {
    Enter(Hall(5), 1, 3);
    EXPECT_EQ(world.Step(DW_North), "1x4 0x1");
    EXPECT_EQ(world.automap.refreshes, 1);
    EXPECT_EQ(world.heroes.scenes.calls, "cursor ");
}

TEST_F(DungeonTurns, TurningOnTheSpotLetsNobodyElseAct) {
    TFloarData floar = Hall(7);
    floar.enemies = {EnemyKind(1, 3, 1, 3)};
    floar.guests = {EnemyAt(5, 2, DW_West, EnemyAIPatrol)};
    Enter(floar, 1, 2);
    Map().OrderMove(DW_East);
    world.Play(1);
    Map().OrderStop();
    EXPECT_EQ(world.Play(8), "0x8");
    EXPECT_EQ(Hero().GetDirection(), DW_East);
    EXPECT_EQ(Hero().GetStateId(), das_Wait);
    EXPECT_EQ(world.Enemy(0).GetBlock(), &world.Block(5, 2));
    EXPECT_EQ(world.Enemy(0).GetStateId(), das_Standby);
}

TEST_F(DungeonTurns, ATurnAfterAHeldStepWaitsForThePlayerOnceSheStopsTurning) {
    Enter(Hall(7), 1, 3);
    Map().OrderMove(DW_North);
    world.Play(2);
    // The player turns the held key east, then lets go while she turns.
    Map().OrderMove(DW_East);
    EXPECT_EQ(world.Play(2), "1x2");
    EXPECT_EQ(world.Play(1), "14x1");
    Map().OrderStop();
    EXPECT_EQ(world.PlayTurn(), "14x3 0x1");
    EXPECT_TRUE(At(1, 2));
    EXPECT_EQ(Hero().GetDirection(), DW_East);
}

TEST_F(DungeonTurns, AnAttackIsAnsweredByTheEnemyBesideHer) {
    TFloarData floar = Hall(5);
    floar.enemies = {EnemyKind(1, 3, 1, 3)};
    floar.guests = {EnemyAt(2, 1, DW_South, EnemyAIKeeper)};
    Enter(floar, 2, 2);
    EXPECT_EQ(world.Act(), "2x4 3x5 0x1");
    EXPECT_EQ(world.Enemy(0).GetHP(), 2);
    EXPECT_EQ(HeroRecord().hp, HeroStartHP - 1);
    EXPECT_EQ(world.Enemy(0).GetStateId(), das_Standby);
}

TEST_F(DungeonTurns, CommandsWhileTheFloorIsBusyWaitForItsNextWait) {
    TFloarData floar = Hall(5);
    floar.enemies = {EnemyKind(1, 3, 1, 3)};
    floar.guests = {EnemyAt(2, 1, DW_South, EnemyAIKeeper)};
    Enter(floar, 2, 2);
    Map().OrderAction();
    world.Play(1);
    Map().OrderStop();
    EXPECT_EQ(world.Play(5), "2x3 3x2");
    // West is ordered while the enemy strikes: she takes her blow first.
    Map().OrderMove(DW_West);
    EXPECT_EQ(world.Play(4), "3x3 0x1");
    EXPECT_EQ(Hero().GetStateId(), das_Wait);
    EXPECT_EQ(Hero().GetDirection(), DW_North);
    world.Play(1);
    EXPECT_EQ(Hero().GetStateId(), das_Turn);
}

TEST_F(DungeonTurns, TwoAttackersStrikeOneAfterTheOtherInTheirOrder) {
    TFloarData floar = Hall(5);
    floar.enemies = {EnemyKind(1, 3, 1, 3)};
    floar.guests = {EnemyAt(1, 1, DW_East, EnemyAIKeeper), EnemyAt(3, 1, DW_West, EnemyAIKeeper)};
    Enter(floar, 2, 2);
    Map().OrderMove(DW_North);
    EXPECT_EQ(world.Play(5), "1x4 3x1");
    Map().OrderStop();
    TEnemy& first = world.Enemy(0);
    TEnemy& second = world.Enemy(1);
    EXPECT_EQ(first.GetStateId(), das_Attack);
    EXPECT_NE(second.GetStateId(), das_Attack);
    // The second starts only once the first blow and her recoil are over.
    EXPECT_EQ(world.Play(4), "3x4");
    EXPECT_EQ(HeroRecord().hp, HeroStartHP - 1);
    EXPECT_EQ(Hero().GetStateId(), das_Damaged);
    EXPECT_EQ(second.GetStateId(), das_Null);
    world.Play(1);
    EXPECT_EQ(Hero().GetStateId(), das_Null);
    EXPECT_EQ(second.GetStateId(), das_Attack);
    EXPECT_EQ(world.PlayTurn(), "3x4 0x1");
    EXPECT_EQ(HeroRecord().hp, HeroStartHP - 2);
    EXPECT_EQ(Map().AttackerCount(), 0u);
}

TEST_F(DungeonTurns, AnEnemyLeavesTheFloorInTheTickItsDyingEnds) {
    struct TCase {
        TBlockGuest guest;
        int blows;
        int next;
    };
    // An obstacle block takes three blows and never counts toward her level.
    for (const TCase c : {TCase{EnemyAt(2, 1, DW_South, EnemyAINone), 1, HeroLevelStep - 1},
                          TCase{ObstacleAt(2, 1, 1), 3, HeroLevelStep}}) {
        TFloarData floar = Hall(5);
        floar.enemies = {EnemyKind(1, 0, 1, 1)};
        floar.guests = {c.guest};
        Enter(floar, 2, 2);
        for (int blow = 1; blow < c.blows; ++blow) {
            world.Act();
        }
        TEnemy& enemy = world.Enemy(0);
        Map().OrderAction();
        world.Play(1);
        Map().OrderStop();
        // Struck on the second tick, four ticks of recoil, four of dying.
        EXPECT_EQ(world.Play(7), "2x7");
        EXPECT_EQ(enemy.GetStateId(), das_Dying);
        EXPECT_EQ(Map().EnemyCount(), 1u);
        EXPECT_EQ(world.Block(2, 1).GetGuest(), &enemy);
        EXPECT_EQ(world.Play(1), "0x1");
        EXPECT_EQ(Map().EnemyCount(), 0u);
        EXPECT_EQ(world.Block(2, 1).GetGuest(), nullptr);
        EXPECT_EQ(world.automap.redrawn.back(), &world.Block(2, 1));
        EXPECT_EQ(HeroRecord().next, c.next);
        EXPECT_EQ(CurrentFloorSave().enemies.front().hp, 0);
    }
}

TEST_F(DungeonTurns, TheLastEnemyToTheNextLevelRaisesIt) {
    TFloarData floar = Hall(5);
    floar.enemies = {EnemyKind(1, 0, 1, 1)};
    floar.guests = {EnemyAt(2, 1, DW_South, EnemyAINone)};
    Enter(floar, 2, 2);
    HeroRecord().next = 1;
    EXPECT_EQ(world.Act(), "2x8 8x10 0x1");
    EXPECT_EQ(Notices(), (std::vector<std::string>{"+levelup", "-levelup"}));
    EXPECT_EQ(HeroRecord().level, 2);
    EXPECT_EQ(HeroRecord().next, HeroLevelStep);
    EXPECT_EQ(HeroRecord().maxHp, HeroStartHP + 1);
    EXPECT_EQ(Hero().GetAttack(), HeroStartAttack + 1);
}

TEST_F(DungeonTurns, ASwordThatBreaksOnAnObstacleBlockIsShown) {
    TFloarData floar = Hall(5);
    floar.guests = {ObstacleAt(2, 1, 2)};
    Enter(floar, 2, 2);
    TSaveItem worn;
    worn.kind = BI_Equipment;
    worn.id = 1;
    worn.maxDurability = 1;
    worn.durability = 1;
    Hero().AddItem(world.heroes.Factory().MakeItem(worn));
    ASSERT_TRUE(Hero().Equip(0));
    const int armed = Hero().GetAttack();
    EXPECT_EQ(world.Act(), "2x4 11x15 0x1");
    EXPECT_EQ(Notices(), (std::vector<std::string>{"+swordbroken", "-swordbroken"}));
    EXPECT_EQ(Hero().GetAttack(), HeroStartAttack);
    EXPECT_LT(Hero().GetAttack(), armed);
    EXPECT_EQ(world.Enemy(0).GetHP(), 2);
}

TEST_F(DungeonTurns, StairsTakenWhileAttacksAreQueuedDropThem) {
    TFloarData first = Hall(5);
    first.enemies = {EnemyKind(1, 3, 1, 3)};
    first.guests = {EnemyAt(3, 1, DW_West, EnemyAIKeeper)};
    first.floarActers = {FloorActerAt(2, 1, BF_Exit, EXIT_FloarDown, 3, 2)};
    world.Enter({SketchStage(2, 2, {first, Hall(6)})});
    EXPECT_EQ(world.Step(DW_North), "1x4 5x10 0x1");
    EXPECT_EQ(world.heroes.scenes.calls, "floor ");
    EXPECT_EQ(Map().GetNumber(), 2);
    EXPECT_EQ(Map().GetWidth(), 6);
    EXPECT_TRUE(At(3, 2));
    EXPECT_EQ(Map().AttackerCount(), 0u);
    EXPECT_EQ(HeroRecord().hp, HeroStartHP);
    EXPECT_EQ(world.Step(DW_North), "1x4 0x1");
}

TEST_F(DungeonTurns, StairsUpFromTheFirstFloorLeadNowhereAndTheTurnEnds) {
    Enter(Hall(5), 2, 2);
    // Stage data with such stairs is refused; they are laid by hand.
    TDungBlock& stairs = world.Block(2, 1);
    std::unique_ptr<TFloarExit> exit = world.heroes.Factory().NewExit(EXIT_FloarUp);
    exit->PlaceFloor(&stairs, FloorActerAt(2, 1, BF_Exit, EXIT_FloarUp, 1, 1));
    stairs.SetFloarActer(std::move(exit));
    EXPECT_EQ(world.Step(DW_North), "1x4 0x1");
    EXPECT_TRUE(At(2, 1));
    EXPECT_EQ(HeroRecord().floar, 1);
    EXPECT_EQ(world.Step(DW_East), "0x4 1x4 0x1");
}

TEST_F(DungeonTurns, TheWayOutEndsTheVisitWithWhatSheFound) {
    TFloarData floar = Hall(5);
    floar.floarActers = {FloorActerAt(2, 1, BF_Exit, EXIT_LeaveFirst)};
    floar.items = {ItemAt(3, 2, BI_Tool, 2, 5, 4, 1)};
    Enter(floar, 2, 2);
    Hero().TurnTo(DW_East);
    world.Act();
    ASSERT_EQ(HeroRecord().treasures[0], (TTreasurePair{4, 1}));
    EXPECT_EQ(world.Step(DW_North), "0x4 1x4 6x10 -x1");
    EXPECT_EQ(world.Map(), nullptr);
    EXPECT_EQ(world.heroes.scenes.calls.substr(world.heroes.scenes.calls.size() - 4), "end ");
    EXPECT_EQ(world.heroes.links.treasures, (std::vector<std::pair<int, int>>{{4, 1}}));
}

TEST_F(DungeonTurns, AForcedLevelFloorSetsHerLevelAndShowsIt) {
    TFloarData floar = Hall(5);
    floar.floarActers = {FloorActerAt(2, 1, BF_ForcedLevelFloar, 5)};
    Enter(floar, 2, 2);
    EXPECT_EQ(world.Step(DW_North), "1x4 12x15 0x1");
    EXPECT_EQ(Notices(), (std::vector<std::string>{"+level5", "-level5"}));
    EXPECT_EQ(HeroRecord().level, 5);
    EXPECT_EQ(HeroRecord().maxHp, 9);
}

TEST_F(DungeonTurns, TheFairyHealsHerAndTheTurnGoesOn) {
    struct TCase {
        bool held;
        const char* states;
    };
    for (const TCase c : {TCase{false, "1x4 10x10 0x1"}, TCase{true, "1x4 10x10 0x1 1x1"}}) {
        TFloarData floar = Hall(5);
        floar.objects = {ObjectAt(2, 2, BO_Fairy)};
        Enter(floar, 2, 3);
        HeroRecord().hp = 1;
        if (c.held) {
            Map().OrderMove(DW_North);
            EXPECT_EQ(world.Play(16), c.states);
        } else {
            EXPECT_EQ(world.Step(DW_North), c.states);
        }
        EXPECT_EQ(HeroRecord().hp, HeroStartHP);
        EXPECT_FALSE(world.Block(2, 2).HasFairy());
        EXPECT_TRUE(CurrentFloorSave().acts.empty());
        EXPECT_EQ(Notices().back(), "-recovered");
        world.heroes.view.notices.clear();
    }
}

TEST_F(DungeonTurns, ATimedFloorSwitchSpringsBackAfterItsTurns) {
    // The switch at (2, 1) works the door at (5, 1) and stays down two turns.
    TFloarData floar = SketchFloar({"#######", "#.....#", "#######"});
    floar.objects = {ObjectAt(5, 1, BO_Door, DoorBySwitchSubKind)};
    floar.floarActers = {FloorActerAt(2, 1, BF_FloarSwitch, TimedFloarSwitch, 1, 2)};
    Enter(floar, 1, 1);
    Hero().TurnTo(DW_East);
    Map().OrderMove(DW_East);
    const TSaveTile& tile = CurrentFloorSave().tiles.front();
    auto& door = dynamic_cast<TDoor&>(*world.Block(5, 1).GetWallObje());

    // Pressed: the switch goes down in three ticks, then the door opens in four.
    EXPECT_EQ(world.Play(1), "1x1");
    Map().OrderStop();
    EXPECT_EQ(world.PlayTurn(), "1x3 4x5 0x1");
    EXPECT_TRUE(door.IsOpen());
    EXPECT_EQ(tile.pressed, 1);
    EXPECT_EQ(Map().TimedSwitchCount(), 1u);

    EXPECT_EQ(world.Step(DW_East), "1x4 0x1");
    EXPECT_EQ(tile.countdown, 1);
    EXPECT_TRUE(door.IsOpen());

    // The second turn after: it comes up and the door shuts.
    EXPECT_EQ(world.Step(DW_East), "1x4 4x6 0x1");
    EXPECT_FALSE(door.IsOpen());
    EXPECT_EQ(tile.pressed, 0);
    EXPECT_EQ(tile.countdown, 2);
    EXPECT_EQ(Map().TimedSwitchCount(), 0u);
}

TEST_F(DungeonTurns, ALockedDoorOpensOnlyWithItsKeyWhichIsUsedUp) {
    TFloarData floar = SketchFloar({"######", "#....#", "######"});
    floar.objects = {ObjectAt(3, 1, BO_Door, 3)};
    floar.items = {ItemAt(1, 1, BI_Key, 1)};
    Enter(floar, 2, 1);
    Hero().TurnTo(DW_East);
    auto& door = dynamic_cast<TDoor&>(*world.Block(3, 1).GetWallObje());

    // Without the key she only swings at it.
    EXPECT_EQ(world.Act(), "2x3 0x1");
    EXPECT_FALSE(door.IsOpen());

    world.Step(DW_West);
    ASSERT_TRUE(Hero().HasKey(1));
    world.Step(DW_East);
    ASSERT_TRUE(At(2, 1));
    EXPECT_EQ(world.Act(), "2x4 0x1");
    EXPECT_TRUE(door.IsOpen());
    EXPECT_FALSE(Hero().HasKey(1));
    EXPECT_EQ(CurrentFloorSave().onOffs.front().on, 1);
    EXPECT_EQ(world.Step(DW_East), "1x4 0x1");
    EXPECT_TRUE(At(3, 1));
}

TEST_F(DungeonTurns, AChestGivesItsItemWithItsEventMark) {
    TFloarData floar = SketchFloar({"#####", "#...#", "#####"});
    floar.items = {ItemAt(3, 1, BI_Tool, 2, 5, 3, 2)};
    Enter(floar, 2, 1);
    Hero().TurnTo(DW_East);
    EXPECT_EQ(world.Act(), "2x20 0x1");
    ASSERT_EQ(Hero().ItemCount(), 1u);
    EXPECT_EQ(Hero().ItemAt(0).GetId(), 2);
    EXPECT_EQ(HeroRecord().treasures[0], (TTreasurePair{3, 2}));
    EXPECT_EQ(world.heroes.view.remarks, (std::vector<std::string>{Sjis("地図 を手に入れた"), ""}));
    EXPECT_TRUE(world.Block(3, 1).GetWallObje()->IsOpen());
}

TEST_F(DungeonTurns, SheCollapsesAfterHerLastHitAndTheVisitFails) {
    TFloarData floar = Hall(5);
    floar.enemies = {EnemyKind(1, 3, 5, 3)};
    floar.guests = {EnemyAt(2, 1, DW_South, EnemyAIKeeper)};
    floar.items = {ItemAt(1, 3, BI_Tool, 2, 5, 4, 1)};
    Enter(floar, 2, 2);
    HeroRecord().hp = 1;
    // Her blow is stopped; the answer takes her last hit point.
    EXPECT_EQ(world.Act(), "2x3 3x9 9x14 -x1");
    EXPECT_EQ(world.Map(), nullptr);
    EXPECT_EQ(Notices(), (std::vector<std::string>{"+collapsed", "-collapsed"}));
    EXPECT_TRUE(world.heroes.links.treasures.empty());
}

TEST_F(DungeonTurns, ADashGoesOnTurnAfterTurnUntilSheMustStop) {
    TFloarData floar = SketchFloar({"###", "#.#", "#.#", "#.#", "#.#", "###"});
    Enter(floar, 1, 4);
    Map().OrderDash(DW_North);
    EXPECT_EQ(world.PlayTurn(), "13x3 0x1");
    EXPECT_TRUE(At(1, 1));
}

TEST_F(DungeonTurns, AfterALoadTheFloorWaitsWithEveryEnemyStandingBy) {
    TFloarData floar = SketchFloar({"#########", "#1111...#", "#1111...#", "#########"});
    floar.enemies = {EnemyKind(1, 0, 1, 3)};
    floar.guests = {EnemyAt(1, 1, DW_East, EnemyAIPatrol), EnemyAt(2, 2, DW_East, EnemyAIPatrol),
                    EnemyAt(7, 2, DW_North, EnemyAIKeeper)};
    Enter(floar, 6, 1);
    for (int turn = 0; turn < 3; ++turn) {
        world.Step(turn % 2 == 0 ? DW_West : DW_East);
    }
    Map().SaveActorStates();
    TDataWriter writer;
    WriteDungeonSave(writer);
    TSaveDungeon::ReleaseInstance();
    TDataReader reader("save", writer.Bytes());
    LoadDungeonSave(reader);

    TActiveMapDung& loaded = world.EnterFromSave();
    EXPECT_EQ(loaded.GetMapState(), msWaitInput);
    EXPECT_EQ(Hero().GetStateId(), das_Wait);
    ASSERT_EQ(loaded.EnemyCount(), 3u);
    const TSaveFloar& save = CurrentFloorSave();
    auto record = save.enemies.begin();
    for (std::size_t i = 0; i < loaded.EnemyCount(); ++i, ++record) {
        TEnemy& enemy = world.Enemy(i);
        EXPECT_EQ(enemy.GetStateId(), das_Standby) << i;
        EXPECT_EQ(enemy.GetBlock(), &world.Block(record->x, record->y)) << i;
    }
}

TEST_F(DungeonTurns, OnTheBusiestFloorEveryTurnEndsWithEveryoneOnABlockOfTheirOwn) {
    world.Enter({BusiestStage()});
    for (int turn = 0; turn < 120; ++turn) {
        world.Roam(turn);
        ASSERT_TRUE(world.Waiting()) << turn;
        std::set<const TDungBlock*> taken{Hero().GetBlock()};
        ASSERT_EQ(Hero().GetBlock()->GetGuest(), &Hero()) << turn;
        for (std::size_t i = 0; i < Map().EnemyCount(); ++i) {
            TEnemy& enemy = world.Enemy(i);
            const TDungBlock* block = enemy.GetBlock();
            EXPECT_EQ(block->GetGuest(), &enemy) << turn << " " << i;
            EXPECT_TRUE(taken.insert(block).second) << turn << " " << i;
            EXPECT_EQ(enemy.GetStateId(), das_Standby) << turn << " " << i;
        }
    }
    // She has fought her way through some of them.
    EXPECT_LT(Map().EnemyCount(), BusiestStage().floars.front().guests.size());
}

} // namespace
