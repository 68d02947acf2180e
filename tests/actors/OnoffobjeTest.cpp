// Wall switches, doors, treasure chests and the fairy on small floors: how
// each stands as its record says, what the heroine can do with it, and how
// switching runs through links while the map waits.
#include "actors/Onoffobje.h"

#include "actors/Hero.h"
#include "platform/SjisText.h"
#include "support/FloarObjects.h"
#include "support/FormatTesting.h"
#include "support/HeroWorld.h"
#include "support/RecordingAutoMapping.h"
#include "support/TestMap.h"
#include "world/Mapdata.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

class OnOffObjects : public testing::Test {
protected:
    THero& Put(TTestMap& map, int x, int y, std::uint8_t dir = DW_North) {
        return world.PutHero(map, x, y, dir);
    }
    // The player presses the action key and she takes the order.
    DA_State Act() {
        world.Hero().OrderAction();
        return world.Hero().TakeOrder(true);
    }
    const std::vector<const TDungBlock*>& Redrawn() const {
        return static_cast<TRecordingAutoMapping&>(*automap).redrawn;
    }

    THeroWorld world;
    TScopedInstance<IAutoMapping, TRecordingAutoMapping> automap;
};

TEST_F(OnOffObjects, EachKindStandsAtRestAsItsRecordSays) {
    TTestMap map({"....", "...."});
    TFloarObjects objects(map);
    struct TCase {
        const char* kind;
        IDungActer& actor;
        const void* record;
        TActerKind expected;
        bool on;
        bool blocksPassage;
        bool blocksSight;
    };
    TWallSwitch& off = objects.WallSwitch(0, 0);
    TWallSwitch& on = objects.WallSwitch(1, 0, true);
    TDoor& shut = objects.Door(2, 0, DoorByHandSubKind);
    TDoor& open = objects.Door(3, 0, SwitchDoorSubKind, true);
    TBox& closed = objects.Chest(0, 1, 5, nullptr);
    TBox& emptied = objects.Chest(1, 1, 2, nullptr, {}, true);
    auto onOff = objects.onOffs.begin();
    const TCase cases[] = {
        {"wall switch", off, &*onOff++, TActerKind::WallSwitch, false, false, false},
        {"wall switch saved on", on, &*onOff++, TActerKind::WallSwitch, true, false, false},
        {"door", shut, &*onOff++, TActerKind::Door, false, true, true},
        {"door saved open", open, &*onOff++, TActerKind::Door, true, false, false},
        {"chest", closed, &objects.boxes.front(), TActerKind::Box, false, true, false},
        {"chest saved open", emptied, &objects.boxes.back(), TActerKind::Box, true, true, false},
    };
    for (const TCase& c : cases) {
        auto& object = static_cast<TOnOffObje&>(c.actor);
        const TDungBlock& block = *object.GetBlock();
        EXPECT_EQ(object.GetKind(), c.expected) << c.kind;
        EXPECT_EQ(object.GetRecord(), c.record) << c.kind;
        EXPECT_EQ(object.GetIdentity(), c.record) << c.kind;
        EXPECT_EQ(object.GetStateId(), das_Standby) << c.kind;
        EXPECT_EQ(object.IsOn(), c.on) << c.kind;
        EXPECT_EQ(BodyOf(object).motionsRunToEnd,
                  c.on ? std::vector<std::int16_t>{0} : std::vector<std::int16_t>{})
            << c.kind << ": what is on shows the end of its motion toward on";
        EXPECT_EQ(block.BlocksPassage(), c.blocksPassage) << c.kind;
        EXPECT_EQ(block.BlocksSight(), c.blocksSight) << c.kind;
        if (c.expected != TActerKind::WallSwitch) {
            EXPECT_EQ(object.IsOpen(), c.on) << c.kind;
        }
    }
    EXPECT_EQ(BodyOf(off).Matrix().Position().y, 1.0f) << "a wall switch hangs one unit up";
    EXPECT_EQ(BodyOf(off).Z(), -1.0f) << "on the south face of its block";
    EXPECT_EQ(BodyOf(shut).Z(), 0.0f);
    EXPECT_TRUE(map.PendingObjects().empty()) << "placing moves nothing";
    EXPECT_EQ(GameErrorOf([&] { closed.StateOf(das_TurnOff); }),
              Sjis("識別を指定してステイトを得るエラー"))
        << "a chest never closes";

    TAngel& fairy = objects.Fairy(2, 1);
    EXPECT_EQ(fairy.GetKind(), TActerKind::Angel);
    EXPECT_EQ(fairy.GetRecord(), RecordBytes(objects.acts.back()));
    EXPECT_EQ(fairy.GetIdentity(), fairy.GetRecord());
    EXPECT_EQ(fairy.ActionFor(DW_North), dac_None);
    EXPECT_EQ(fairy.GetStateId(), das_Null) << "the fairy never acts";
    EXPECT_TRUE(map.Block(2, 1).HasFairy());
    EXPECT_TRUE(map.Block(2, 1).IsFree(false));
}

TEST_F(OnOffObjects, WhatTheHeroineIsOfferedFacingEach) {
    TTestMap map({".........."});
    TFloarObjects objects(map);
    world.Give(BI_Key, 2);
    struct TCase {
        const char* what;
        int x;
        std::uint8_t dir;
        DA_Action expected;
    };
    objects.WallSwitch(0, 0);
    objects.Door(1, 0, SwitchDoorSubKind);
    objects.Door(2, 0, DoorByHandSubKind);
    objects.Door(3, 0, 4);
    objects.Door(4, 0, 5);
    objects.Door(5, 0, DoorByHandSubKind, true);
    objects.Chest(6, 0, 7, nullptr);
    objects.Chest(7, 0, 2, nullptr);
    objects.Chest(8, 0, 3, nullptr);
    objects.Chest(9, 0, 7, nullptr, {}, true);
    const TCase cases[] = {
        {"wall switch", 0, DW_North, dac_Press},
        {"wall switch from the east", 0, DW_West, dac_Press},
        {"wall switch across a corner", 0, DW_NorthEast, dac_Attack},
        {"switch door", 1, DW_North, dac_Attack},
        {"door without lock", 2, DW_North, dac_Unlock},
        {"door without lock across a corner", 2, DW_NorthWest, dac_Attack},
        {"door locked with key 2, which she carries", 3, DW_North, dac_Unlock},
        {"door locked with key 3", 4, DW_North, dac_Attack},
        {"open door", 5, DW_North, dac_Attack},
        {"chest needing no key", 6, DW_North, dac_OpenBox},
        {"chest locked with key 2", 7, DW_North, dac_OpenBox},
        {"chest locked with key 3", 8, DW_North, dac_Attack},
        {"open chest", 9, DW_North, dac_Attack},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(map.Block(c.x, 0).ActionFrom(c.dir), c.expected) << c.what;
    }
}

TEST_F(OnOffObjects, AWallSwitchIsPressedOnlyFromTheSouth) {
    TTestMap map({".", "."});
    TFloarObjects objects(map);
    TWallSwitch& wallSwitch = objects.WallSwitch(0, 0);
    THero& hero = Put(map, 0, 1, DW_East);
    map.Block(0, 0).PressWallSwitch(hero);
    EXPECT_EQ(wallSwitch.GetStateId(), das_Standby) << "facing east she cannot reach its face";
    EXPECT_TRUE(map.PendingObjects().empty());

    hero.TurnTo(DW_North);
    map.Block(0, 0).PressWallSwitch(hero);
    EXPECT_EQ(wallSwitch.GetStateId(), das_TurnOn);
    EXPECT_EQ(BodyOf(wallSwitch).Motion(), 0);
    EXPECT_EQ(map.PendingObjects(), std::vector<IDungActer*>{&wallSwitch});
    EXPECT_FALSE(wallSwitch.IsOn()) << "until it has moved";
    EXPECT_EQ(map.UpdateUntilIdle(), 4);
    EXPECT_TRUE(wallSwitch.IsOn());
    EXPECT_EQ(objects.onOffs.front().on, 1);
    EXPECT_EQ(wallSwitch.GetStateId(), das_Standby);
    EXPECT_TRUE(map.PendingObjects().empty());
    EXPECT_TRUE(Redrawn().empty()) << "a switch looks the same on the automap either way";

    map.Block(0, 0).PressWallSwitch(hero);
    EXPECT_EQ(BodyOf(wallSwitch).Motion(), 1);
    EXPECT_EQ(map.UpdateUntilIdle(), 4);
    EXPECT_FALSE(wallSwitch.IsOn());
    EXPECT_EQ(objects.onOffs.front().on, 0);
}

TEST_F(OnOffObjects, TwoSwitchesOnOneDoorAlwaysShowWhereItStands) {
    TTestMap map({"...", "...", "..."});
    TFloarObjects objects(map);
    TWallSwitch& first = objects.WallSwitch(0, 1);
    TDoor& door = objects.Door(1, 1, SwitchDoorSubKind);
    TWallSwitch& second = objects.WallSwitch(2, 1);
    TFloarObjects::LinkBothWays(first, door);
    TFloarObjects::LinkBothWays(second, door);
    THero& hero = Put(map, 0, 2);

    EXPECT_EQ(Act(), das_Press);
    for (int update = 0; update < 4; ++update) {
        map.Update();
    }
    EXPECT_TRUE(first.IsOn());
    EXPECT_EQ(map.PendingObjects(), (std::vector<IDungActer*>{&door, &second}))
        << "once the switch has moved, the door moves and the other switch with it";
    map.UpdateUntilIdle();
    EXPECT_TRUE(door.IsOpen());
    EXPECT_TRUE(second.IsOn());
    EXPECT_EQ(Redrawn(), std::vector<const TDungBlock*>{&map.Block(1, 1)});
    for (const TSaveOnOff& record : objects.onOffs) {
        EXPECT_EQ(record.on, 1) << "every record changed in place";
    }

    map.Block(2, 1).PressWallSwitch(hero);
    map.UpdateUntilIdle();
    EXPECT_FALSE(door.IsOpen());
    EXPECT_FALSE(first.IsOn());
    EXPECT_FALSE(second.IsOn());
    EXPECT_TRUE(map.Block(1, 1).BlocksPassage());
    for (const TSaveOnOff& record : objects.onOffs) {
        EXPECT_EQ(record.on, 0);
    }
}

TEST_F(OnOffObjects, ADoorStillMovingServesTheNextSwitchAfterwards) {
    // The door is worked by a wall switch, a floor switch that stays down
    // and a timed floor switch about to spring back.
    TTestMap map({"...", "...", "..."});
    TFloarObjects objects(map);
    TDoor& door = objects.Door(1, 0, SwitchDoorSubKind);
    TWallSwitch& wallSwitch = objects.WallSwitch(1, 1);
    TFloarSwitch& stays = objects.FloorSwitch(0, 2, PermanentFloarSwitch, 0);
    TFloarSwitch& timed = objects.FloorSwitch(2, 2, TimedFloarSwitch, 1, true);
    map.AddTimedSwitch(timed);
    TFloarObjects::LinkBothWays(door, wallSwitch);
    TFloarObjects::LinkBothWays(door, stays);
    TFloarObjects::LinkBothWays(door, timed);

    // Both floor switches finish together: the second finds the door moving.
    stays.HeroArrived();
    map.PassTurn();
    EXPECT_EQ(timed.GetStateId(), das_TurnOff) << "its count has run out";
    for (int update = 0; update < FloarSwitchSteps; ++update) {
        map.Update();
    }
    EXPECT_EQ(door.GetStateId(), das_TurnOn);
    EXPECT_EQ(wallSwitch.GetStateId(), das_TurnOn);
    bool opened = false;
    for (int update = 0; update < 50 && !map.PendingObjects().empty(); ++update) {
        map.Update();
        opened = opened || door.IsOpen();
        EXPECT_LE(std::count(map.PendingObjects().begin(), map.PendingObjects().end(), &door), 1)
            << "the map waits for the door once";
    }
    EXPECT_TRUE(opened) << "the door opened for the first and closed again for the second";
    EXPECT_FALSE(door.IsOpen());
    EXPECT_FALSE(wallSwitch.IsOn()) << "the switch shows the door's position";
    EXPECT_EQ(objects.onOffs.front().on, 0);
    EXPECT_EQ(objects.onOffs.back().on, 0);
    EXPECT_EQ(objects.tiles.front().pressed, 1);
    EXPECT_EQ(objects.tiles.back().pressed, 0);
    EXPECT_EQ(Redrawn().size(), 2u);
}

TEST_F(OnOffObjects, ALockedDoorOpensOnlyWithItsKeyWhichIsSpent) {
    TTestMap map({"..", ".."});
    TFloarObjects objects(map);
    TDoor& locked = objects.Door(0, 0, 4);
    TDoor& unlocked = objects.Door(1, 0, DoorByHandSubKind);
    EXPECT_EQ(locked.GetKeyNumber(), 2);
    EXPECT_EQ(unlocked.GetKeyNumber(), 0);
    THero& hero = Put(map, 0, 1);
    world.Give(BI_Key, 1);
    EXPECT_EQ(Act(), das_Attack) << "key 1 does not fit";
    map.UpdateUntilIdle();
    EXPECT_FALSE(locked.IsOpen());

    world.Give(BI_Key, 2);
    EXPECT_EQ(Act(), das_Unlock);
    map.UpdateUntilIdle();
    EXPECT_TRUE(locked.IsOpen());
    EXPECT_EQ(objects.onOffs.front().on, 1);
    EXPECT_FALSE(hero.HasKey(2)) << "the key is spent";
    EXPECT_TRUE(hero.HasKey(1));
    EXPECT_FALSE(map.Block(0, 0).BlocksPassage());
    EXPECT_EQ(Redrawn(), std::vector<const TDungBlock*>{&map.Block(0, 0)});
    EXPECT_EQ(Act(), das_Attack) << "an open door is not closed by hand";

    TTestMap other({".", "."});
    TFloarObjects more(other);
    TDoor& plain = more.Door(0, 0, DoorByHandSubKind);
    Put(other, 0, 1);
    EXPECT_EQ(Act(), das_Unlock);
    other.UpdateUntilIdle();
    EXPECT_TRUE(plain.IsOpen());
    EXPECT_TRUE(hero.HasKey(1)) << "a door without lock takes no key";
}

TEST_F(OnOffObjects, AChestGivesItsItemWithItsEventMarkOnceItsLidIsUp) {
    TTestMap map({".", "."});
    TFloarObjects objects(map);
    TSaveItem content;
    content.kind = BI_Equipment;
    content.id = 1;
    content.carryFlag = CF_KeptIfAlive;
    TBox& chest = objects.Chest(0, 0, 7, world.Factory().MakeItem(content), {4, 1});
    THero& hero = Put(map, 0, 1);
    EXPECT_EQ(Act(), das_OpenBox);
    map.Update();
    EXPECT_EQ(chest.GetStateId(), das_TurnOn) << "it starts to open as she reaches for it";
    for (int step = 2; step < OnOffSwitchSteps; ++step) {
        map.Update();
    }
    EXPECT_TRUE(world.view.remarks.empty()) << "nothing is found before the lid is up";
    map.Update();
    EXPECT_TRUE(chest.IsOpen());
    EXPECT_EQ(objects.boxes.front().open, 1);
    EXPECT_EQ(chest.GetContent(), nullptr) << "the heroine has it now";
    EXPECT_TRUE(hero.OwnsItem(BI_Equipment, 1, false));
    EXPECT_EQ(world.view.remarks, std::vector<std::string>{Sjis("銅の剣 を手に入れた")});
    EXPECT_EQ(hero.Record().treasures[0], (TTreasurePair{4, 1}));
    EXPECT_EQ(Redrawn(), std::vector<const TDungBlock*>{&map.Block(0, 0)});
    map.UpdateUntilIdle();
    EXPECT_EQ(world.view.remarks.back(), "") << "the remark goes when she is done";
}

TEST_F(OnOffObjects, OnlyADungeonFloorWaitsForMovingObjects) {
    TTestMap village({"."}, true);
    TFloarObjects objects(village);
    TDoor& door = objects.Door(0, 0, DoorByHandSubKind);
    EXPECT_EQ(GameErrorOf([&] { door.OpenByHeroine(); }),
              Sjis("動く物体を待たないマップで物体が動き始めました"));
}

} // namespace
