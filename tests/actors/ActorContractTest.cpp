// What the active map, the blocks and the rooms ask of every kind of actor
// the actor factory makes, asked of each kind as placed on a floor.
#include "actors/Angel.h"
#include "actors/Box.h"
#include "actors/Enemy.h"
#include "actors/Floaractersub.h"
#include "actors/Onoffobjesub.h"
#include "platform/SjisText.h"
#include "save/Savelist.h"
#include "support/FormatTesting.h"
#include "support/HeroWorld.h"
#include "support/TestMap.h"
#include "village/People.h"
#include "village/Peopledata.h"
#include "world/Mapdata.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <tuple>
#include <vector>

namespace {

class ActorContract : public testing::Test {
protected:
    ActorContract() : map({"...", "...", "...", "..."}) {}

    template <typename TRecord> TRecord& NewRecord(int x, int y) {
        auto& record = std::get<TSaveList<TRecord>>(records).emplace_back();
        PlaceRecord(record, x, y, DW_South);
        return record;
    }
    TDungBlock& At(int x, int y) const { return map.Block(x, y); }

    TEnemy& PlaceEnemy(int x, int y, std::unique_ptr<TEnemy> made, std::uint8_t aiType) {
        return world.PutEnemy(map, x, y, std::move(made), 0, aiType);
    }
    TDoor& PlaceDoor(int x, int y, int key, std::uint8_t subKind) {
        auto made = world.Factory().NewDoor(key);
        TDoor& door = *made;
        TSaveOnOff& record = NewRecord<TSaveOnOff>(x, y);
        record.kind = BO_Door;
        record.subKind = subKind;
        At(x, y).SetWallObje(std::move(made));
        door.PlaceOnOff(&At(x, y), RecordBytes(record));
        return door;
    }
    TBox& PlaceChest(int x, int y, int key) {
        auto made = world.Factory().NewChest(key);
        TBox& box = *made;
        At(x, y).SetWallObje(std::move(made));
        box.PlaceBox(&At(x, y), NewRecord<TSaveBox>(x, y), nullptr);
        return box;
    }

    THeroWorld world;
    TTestMap map;
    std::tuple<TSaveList<TSaveOnOff>, TSaveList<TSaveBox>, TSaveList<TSaveAct>,
               TSaveList<TSaveTile>>
        records;
    std::vector<std::unique_ptr<TFighter>> guests;
};

TEST_F(ActorContract, EveryKindKeepsItsRecordWhereItStands) {
    struct TCase {
        const char* kind;
        std::function<IDungActer&(int x, int y)> place;
        TActerKind expected;
    };
    const TDungActFactory& f = world.Factory();
    const TCase cases[] = {
        {"heroine", [&](int x, int y) -> IDungActer& { return world.PutHero(map, x, y); },
         TActerKind::Hero},
        {"enemy", [&](int x, int y) -> IDungActer& { return PlaceEnemy(x, y, f.NewEnemy(1), 0); },
         TActerKind::Enemy},
        {"obstacle block",
         [&](int x, int y) -> IDungActer& { return PlaceEnemy(x, y, f.NewObstacleBlock(), 2); },
         TActerKind::Enemy},
        {"person",
         [&](int x, int y) -> IDungActer& {
             TPeopleImp person;
             person.talks = {TTalkData{{Sjis("はい")}, {}, {}, 0}};
             auto made = f.NewPeople(person, std::make_unique<TTalkDepot>(person.talks));
             At(x, y).SetGuest(made.get());
             made->PlacePerson(&At(x, y), NewRecord<TSaveAct>(x, y));
             guests.push_back(std::move(made));
             return *guests.back();
         },
         TActerKind::People},
        {"wall switch",
         [&](int x, int y) -> IDungActer& {
             auto made = f.NewWallSwitch();
             TWallSwitch& placed = *made;
             At(x, y).SetWallSwitch(std::move(made));
             placed.PlaceOnOff(&At(x, y), RecordBytes(NewRecord<TSaveOnOff>(x, y)));
             return placed;
         },
         TActerKind::WallSwitch},
        {"door", [&](int x, int y) -> IDungActer& { return PlaceDoor(x, y, 1, 3); },
         TActerKind::Door},
        {"chest", [&](int x, int y) -> IDungActer& { return PlaceChest(x, y, 5); },
         TActerKind::Box},
        {"fairy",
         [&](int x, int y) -> IDungActer& {
             auto made = f.NewFairy();
             TAngel& placed = *made;
             At(x, y).SetFairy(std::move(made));
             placed.PlaceFairy(&At(x, y), NewRecord<TSaveAct>(x, y));
             return placed;
         },
         TActerKind::Angel},
        {"floor switch",
         [&](int x, int y) -> IDungActer& {
             auto made = f.NewFloorSwitch(TimedFloarSwitch, 2);
             TFloarSwitch& placed = *made;
             At(x, y).SetFloarActer(std::move(made));
             placed.PlaceSwitch(&At(x, y), NewRecord<TSaveTile>(x, y));
             return placed;
         },
         TActerKind::FloarSwitch},
    };
    int x = 0;
    int y = 0;
    for (const TCase& c : cases) {
        IDungActer& actor = c.place(x, y);
        EXPECT_EQ(actor.GetKind(), c.expected) << c.kind;
        ASSERT_NE(actor.GetRecord(), nullptr) << c.kind;
        EXPECT_EQ(actor.GetIdentity(), actor.GetRecord()) << c.kind;
        EXPECT_EQ(ReadRecordI16(actor.GetIdentity(), RecordXOffset), x) << c.kind;
        EXPECT_EQ(ReadRecordI16(actor.GetIdentity(), RecordYOffset), y) << c.kind;
        EXPECT_EQ(actor.GetBlock(), &At(x, y)) << c.kind;
        if (++x == 3) {
            x = 0;
            ++y;
        }
    }
}

TEST_F(ActorContract, FloorsPlacedFromTheirRecordKeepTheirOwn) {
    struct TCase {
        const char* kind;
        std::unique_ptr<TRecordedFloar> made;
        TActerKind expected;
        int floarKind;
        bool othersEnter;
    };
    TCase cases[] = {
        {"exit", world.Factory().NewExit(EXIT_FloarDown), TActerKind::FloarExit, 1, false},
        {"level floor", world.Factory().NewLevelFloor(9), TActerKind::FloarLevel, 0, true},
        {"forced level", world.Factory().NewForcedLevelFloor(2), TActerKind::FloarForcedLV, 2,
         true},
    };
    // A level floor asks her level: she stands on every floor first.
    world.PutHero(map, 2, 3);
    int x = 0;
    for (TCase& c : cases) {
        TRecordedFloar& floor = *c.made;
        At(x, 1).SetFloarActer(std::move(c.made));
        floor.PlaceFloor(&At(x, 1),
                         TBlockFloar{static_cast<std::uint16_t>(x), 1, 9, 4, 0, 0, 0, 0});
        EXPECT_EQ(floor.GetKind(), c.expected) << c.kind;
        const std::uint8_t* record = floor.GetIdentity();
        EXPECT_EQ(record, floor.GetRecord()) << c.kind;
        EXPECT_EQ(record[0], 9) << c.kind;
        EXPECT_EQ(record[1], 4) << c.kind;
        EXPECT_EQ(ReadRecordI16(record, RecordXOffset), x) << c.kind;
        EXPECT_EQ(ReadRecordI16(record, RecordYOffset), 1) << c.kind;
        EXPECT_EQ(floor.GetDirection(), DW_South) << c.kind;
        EXPECT_EQ(At(x, 1).FloarKind(), c.floarKind) << c.kind;
        EXPECT_EQ(At(x, 1).IsFree(false), c.othersEnter) << c.kind << ": enemies' walks";
        EXPECT_TRUE(At(x, 1).IsFreeForHero()) << c.kind;
        ++x;
    }
}

TEST_F(ActorContract, DoorsAndChestsSayWhetherTheyStandOpen) {
    TDoor& door = PlaceDoor(0, 0, 0, 7);
    EXPECT_FALSE(door.IsOpen());
    EXPECT_TRUE(At(0, 0).BlocksPassage());
    EXPECT_TRUE(At(0, 0).BlocksSight());
    EXPECT_EQ(At(0, 0).OpenDoor(), 0);
    EXPECT_FALSE(door.IsOpen()) << "it opens as it finishes moving";
    EXPECT_EQ(map.UpdateUntilIdle(), 4);
    EXPECT_TRUE(door.IsOpen());
    EXPECT_FALSE(At(0, 0).BlocksPassage());
    EXPECT_FALSE(At(0, 0).BlocksSight());

    TSaveOnOff& open = NewRecord<TSaveOnOff>(1, 0);
    open.kind = BO_Door;
    open.subKind = 7;
    open.on = 1;
    auto made = world.Factory().NewDoor(0);
    TDoor& openDoor = *made;
    At(1, 0).SetWallObje(std::move(made));
    openDoor.PlaceOnOff(&At(1, 0), RecordBytes(open));
    EXPECT_TRUE(openDoor.IsOpen()) << "a door saved open comes back open";
    EXPECT_EQ(static_cast<TFakeBody*>(openDoor.GetBody())->motionsRunToEnd,
              std::vector<std::int16_t>{0});

    TBox& chest = PlaceChest(2, 0, 3);
    EXPECT_FALSE(chest.IsOpen());
    EXPECT_TRUE(At(2, 0).BlocksPassage());
    EXPECT_FALSE(At(2, 0).BlocksSight());
    EXPECT_EQ(At(2, 0).OpenBox(), 3);
    EXPECT_EQ(map.UpdateUntilIdle(), 4);
    EXPECT_TRUE(chest.IsOpen());
    EXPECT_TRUE(At(2, 0).BlocksPassage()) << "an open chest still stands in the way";

    EXPECT_EQ(GameErrorOf([&] { At(2, 0).OpenDoor(); }), Sjis("ドアを開ける処理エラー"));
    EXPECT_EQ(GameErrorOf([&] { At(0, 0).OpenBox(); }), Sjis("宝箱を開ける処理エラー"));
}

TEST_F(ActorContract, LinksAreTakenAsEachKindAllows) {
    TDoor& switchDoor = PlaceDoor(0, 0, 0, SwitchDoorSubKind);
    TDoor& lockedDoor = PlaceDoor(1, 0, 2, 4);
    auto made = world.Factory().NewWallSwitch();
    TWallSwitch& wallSwitch = *made;
    At(0, 1).SetWallSwitch(std::move(made));
    wallSwitch.PlaceOnOff(&At(0, 1), RecordBytes(NewRecord<TSaveOnOff>(0, 1)));

    wallSwitch.Link(switchDoor);
    switchDoor.Link(wallSwitch);
    switchDoor.Link(lockedDoor);
    EXPECT_EQ(wallSwitch.GetLink(), &switchDoor);
    EXPECT_EQ(switchDoor.GetLinks(), (std::vector<IDungActer*>{&wallSwitch, &lockedDoor}));
    EXPECT_EQ(GameErrorOf([&] { wallSwitch.Link(lockedDoor); }),
              Sjis("連動する物体二重セットエラー"));
    EXPECT_EQ(GameErrorOf([&] { lockedDoor.Link(wallSwitch); }),
              Sjis("ドアの関連物体セットエラー"));

    auto floorSwitch = world.Factory().NewFloorSwitch(PermanentFloarSwitch, 0);
    floorSwitch->Link(switchDoor);
    EXPECT_EQ(floorSwitch->GetLink(), &switchDoor);
    EXPECT_EQ(GameErrorOf([&] { floorSwitch->Link(lockedDoor); }),
              Sjis("連動する物体二重セットエラー"));
}

TEST_F(ActorContract, EnemiesSayWhetherTheyGuardTheirPlace) {
    TEnemy& keeper = PlaceEnemy(0, 0, world.Factory().NewEnemy(1), EnemyAIKeeper);
    TEnemy& patrol = PlaceEnemy(1, 0, world.Factory().NewEnemy(2), 0);
    EXPECT_TRUE(keeper.IsKeeper());
    EXPECT_FALSE(patrol.IsKeeper());
    EXPECT_FALSE(TRoom::IsPatrolFree(&At(0, 0)));
    EXPECT_TRUE(TRoom::IsPatrolFree(&At(1, 0)));
    world.PutHero(map, 2, 0);
    EXPECT_TRUE(TRoom::IsPatrolFree(&At(2, 0))) << "the heroine is no keeper";
    EXPECT_EQ(At(2, 0).GetGuest()->GetDestination(), nullptr);
}

} // namespace
