// Exits, floor switches, level floors and forced-level floors on small
// floors: who may step onto each, and how floor switches work their doors
// and count turns.
#include "actors/Floaractersub.h"
#include "actors/Hero.h"
#include "platform/SjisText.h"
#include "support/FloarObjects.h"
#include "support/FormatTesting.h"
#include "support/HeroWorld.h"
#include "support/TestMap.h"
#include "world/Mapdata.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

class FloarActers : public testing::Test {
protected:
    THero& Put(TTestMap& map, int x, int y, std::uint8_t dir = DW_North) {
        return world.PutHero(map, x, y, dir);
    }
    // She walks one block the way she faces, and the floor settles.
    void WalkOn(TTestMap& map, std::uint8_t dir) {
        world.Hero().TurnTo(dir);
        world.Hero().OrderMove(dir);
        world.Hero().TakeOrder(true);
        map.UpdateUntilIdle();
    }

    THeroWorld world;
};

TEST_F(FloarActers, EachKindSaysWhoMayStepOntoIt) {
    TTestMap map({"......", "......"});
    TFloarObjects floors(map);
    Put(map, 0, 1);
    struct TCase {
        const char* kind;
        TFloarActer& floar;
        TActerKind expected;
        int floarKind;
        bool othersEnter;
    };
    const TCase cases[] = {
        {"exit", floors.Exit(0, 0, EXIT_FloarDown), TActerKind::FloarExit, 1, false},
        {"level floor", floors.LevelFloor(1, 0, 9), TActerKind::FloarLevel, 0, true},
        {"forced level", floors.ForcedLevelFloor(2, 0, 3), TActerKind::FloarForcedLV, 2, true},
        {"timed switch", floors.FloorSwitch(3, 0, TimedFloarSwitch, 2), TActerKind::FloarSwitch, 0,
         true},
        {"permanent switch", floors.FloorSwitch(4, 0, PermanentFloarSwitch, 0),
         TActerKind::FloarSwitch, 0, true},
    };
    int x = 0;
    for (const TCase& c : cases) {
        const TDungBlock& block = map.Block(x++, 0);
        EXPECT_EQ(block.GetFloarActer(), &c.floar) << c.kind;
        EXPECT_EQ(c.floar.GetKind(), c.expected) << c.kind;
        EXPECT_EQ(c.floar.GetBlock(), &block) << c.kind;
        EXPECT_EQ(c.floar.GetIdentity(), c.floar.GetRecord()) << c.kind;
        EXPECT_EQ(ReadRecordI16(c.floar.GetRecord(), RecordXOffset), block.GetX()) << c.kind;
        EXPECT_EQ(c.floar.GetDirection(), DW_South) << c.kind;
        EXPECT_EQ(block.FloarKind(), c.floarKind) << c.kind;
        EXPECT_EQ(block.IsFree(false), c.othersEnter) << c.kind << ": enemies' walks";
        EXPECT_TRUE(block.IsFree(true)) << c.kind;
        EXPECT_TRUE(c.floar.MayHeroEnter()) << c.kind << ": at level 1";
        EXPECT_EQ(c.floar.GetStateId(), das_Null) << c.kind << ": nothing has moved yet";
    }
    int toX = 0;
    int toY = 0;
    EXPECT_EQ(map.Block(2, 0).ExitDestination(5, toX, toY), 3) << "the level it sets";
    EXPECT_EQ(map.Block(3, 0).ExitDestination(5, toX, toY), 0);
    EXPECT_EQ(cases[3].floar.GetRecord(), RecordBytes(floors.tiles.front()))
        << "a floor switch keeps its save record";
}

TEST_F(FloarActers, ATimedSwitchSpringsBackAfterItsCountOfTurns) {
    TTestMap map({"...", "..."});
    TFloarObjects objects(map);
    TDoor& door = objects.Door(0, 0, SwitchDoorSubKind);
    TFloarSwitch& timed = objects.FloorSwitch(1, 1, TimedFloarSwitch, 3);
    TFloarObjects::LinkBothWays(timed, door);
    const TSaveTile& record = objects.tiles.front();
    Put(map, 0, 1, DW_East);

    WalkOn(map, DW_East);
    EXPECT_EQ(BodyOf(timed).Motions().front(), 0) << "pressed down";
    EXPECT_EQ(record.pressed, 1);
    EXPECT_EQ(record.countdown, 3);
    EXPECT_TRUE(door.IsOpen()) << "the door moved once the switch was down";
    EXPECT_EQ(map.timedSwitches, std::vector<IDungActer*>{&timed});

    for (int turn = 1; turn <= 2; ++turn) {
        map.PassTurn();
        EXPECT_EQ(record.countdown, 3 - turn);
        EXPECT_EQ(map.timedSwitches.size(), 1u);
        EXPECT_EQ(timed.GetStateId(), das_Standby);
    }
    map.PassTurn();
    EXPECT_TRUE(map.timedSwitches.empty()) << "it is told of turns no more";
    EXPECT_EQ(timed.GetStateId(), das_TurnOff);
    EXPECT_EQ(BodyOf(timed).Motion(), 1) << "coming up";
    EXPECT_EQ(record.countdown, 3) << "ready for the next press";
    map.UpdateUntilIdle();
    EXPECT_EQ(record.pressed, 0);
    EXPECT_FALSE(door.IsOpen()) << "the door moved back";
    EXPECT_EQ(objects.onOffs.front().on, 0);

    WalkOn(map, DW_West);
    WalkOn(map, DW_East);
    EXPECT_EQ(record.pressed, 1) << "stepping on again presses it again";
    EXPECT_TRUE(door.IsOpen());
}

TEST_F(FloarActers, ASwitchAlreadyDownStaysAsItIs) {
    TTestMap map({"...", "..."});
    TFloarObjects objects(map);
    TDoor& door = objects.Door(0, 0, SwitchDoorSubKind, true);
    TFloarSwitch& timed = objects.FloorSwitch(1, 1, TimedFloarSwitch, 3, true);
    objects.tiles.front().countdown = 2;
    TFloarSwitch& permanent = objects.FloorSwitch(2, 1, PermanentFloarSwitch, 0);
    TFloarObjects::LinkBothWays(timed, door);
    TFloarObjects::LinkBothWays(permanent, door);
    EXPECT_EQ(BodyOf(timed).motionsRunToEnd, std::vector<std::int16_t>{0})
        << "a switch saved down lies down";
    EXPECT_TRUE(timed.IsPressed());
    EXPECT_EQ(timed.GetStateId(), das_Null);

    Put(map, 0, 1, DW_East);
    WalkOn(map, DW_East);
    EXPECT_EQ(timed.GetStateId(), das_Null) << "stepping onto it does nothing";
    EXPECT_TRUE(map.PendingObjects().empty());
    EXPECT_TRUE(door.IsOpen());

    map.AddTimedSwitch(timed);
    map.PassTurn();
    EXPECT_EQ(objects.tiles.front().countdown, 1) << "its count goes on from its record";
    map.PassTurn();
    EXPECT_EQ(timed.GetStateId(), das_TurnOff);
    map.UpdateUntilIdle();
    EXPECT_FALSE(door.IsOpen());

    WalkOn(map, DW_East);
    EXPECT_TRUE(permanent.IsPressed());
    EXPECT_TRUE(door.IsOpen());
    EXPECT_TRUE(map.timedSwitches.empty()) << "a permanent switch counts no turns";
    EXPECT_EQ(GameErrorOf([&] { permanent.TurnPassed(); }),
              Sjis("床スイッチにダンジョンターンの進展を伝えるエラー"));
    objects.tiles.front().countdown = 0;
    EXPECT_EQ(GameErrorOf([&] { timed.TurnPassed(); }),
              Sjis("床スイッチにダンジョンターンの進展を伝えるエラー"));
    EXPECT_EQ(objects.tiles.front().countdown, 0);
}

TEST_F(FloarActers, DoorsAndEnemiesLeaveFloorSwitchesAlone) {
    TTestMap map({"..", ".."});
    TFloarObjects objects(map);
    TDoor& door = objects.Door(0, 0, SwitchDoorSubKind);
    TWallSwitch& wallSwitch = objects.WallSwitch(0, 1);
    TFloarSwitch& floorSwitch = objects.FloorSwitch(1, 1, PermanentFloarSwitch, 0);
    TFloarObjects::LinkBothWays(wallSwitch, door);
    TFloarObjects::LinkBothWays(floorSwitch, door);
    door.LinkedChanged(wallSwitch);
    map.UpdateUntilIdle();
    EXPECT_TRUE(door.IsOpen());
    EXPECT_EQ(floorSwitch.GetStateId(), das_Null) << "the door does not move a floor switch";

    TTestFighter& enemy = map.PlaceEnemy(1, 0, DW_South);
    IDA_State* walk = enemy.StateOf(das_Walk);
    walk->SetParam(DW_South);
    enemy.SetState(walk);
    EXPECT_EQ(enemy.GetStateId(), das_Walk) << "an enemy may walk onto a floor switch";
    enemy.TickUntilFinished();
    EXPECT_EQ(enemy.GetBlock(), &map.Block(1, 1));
    EXPECT_FALSE(floorSwitch.IsPressed()) << "and does not press it";
    EXPECT_TRUE(map.PendingObjects().empty());
}

} // namespace
