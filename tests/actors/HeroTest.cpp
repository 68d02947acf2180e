#include "actors/Hero.h"

#include "actors/Angel.h"
#include "actors/Box.h"
#include "actors/Dasthero.h"
#include "actors/Enemy.h"
#include "actors/Floaractersub.h"
#include "actors/Itemacter.h"
#include "actors/Onoffobjesub.h"
#include "platform/SjisText.h"
#include "save/Savelist.h"
#include "support/HeroWorld.h"
#include "support/TestItems.h"
#include "support/TestMap.h"
#include "village/People.h"
#include "village/Peopledata.h"
#include "world/Mapdata.h"

#include <gtest/gtest.h>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace {

using TCalls = std::vector<std::string>;

// Ticks until her state reports finished; the ticks taken, or -1.
int TickUntilFinished(IDungActer& actor, int limit = 50) {
    for (int ticks = 1; ticks <= limit; ++ticks) {
        if (actor.Tick()) {
            return ticks;
        }
    }
    return -1;
}

class Hero : public testing::Test {
protected:
    THero& Put(TTestMap& map, int x, int y, std::uint8_t dir = DW_North) {
        return world.PutHero(map, x, y, dir);
    }
    // Gives her an item made from `record` and answers its position.
    std::size_t Carry(const TSaveItem& record) {
        world.Hero().AddItem(world.Factory().MakeItem(record));
        return world.Hero().ItemCount() - 1;
    }
    // The player presses the action key and she takes the order.
    DA_State Act() {
        world.Hero().OrderAction();
        return world.Hero().TakeOrder(true);
    }
    TSaveOnOff& DoorRecord(int x, int y, std::uint8_t subKind) {
        TSaveOnOff& record = onOffs.emplace_back();
        record.kind = BO_Door;
        record.subKind = subKind;
        PlaceRecord(record, x, y, DW_South);
        return record;
    }
    // A door of `key` in front of her on block (x, y).
    TDoor& PutDoor(TTestMap& map, int x, int y, int key, std::uint8_t subKind) {
        auto made = world.Factory().NewDoor(key);
        TDoor& door = *made;
        map.Block(x, y).SetWallObje(std::move(made));
        door.PlaceOnOff(&map.Block(x, y), RecordBytes(DoorRecord(x, y, subKind)));
        return door;
    }
    TBox& PutChest(TTestMap& map, int x, int y, int key, std::unique_ptr<IItemImp> content) {
        TSaveBox& record = boxes.emplace_back();
        record.keyNumber = static_cast<std::uint8_t>(key);
        record.eventNo = 3;
        record.eventPosition = 2;
        PlaceRecord(record, x, y, DW_South);
        auto made = world.Factory().NewChest(key);
        TBox& box = *made;
        map.Block(x, y).SetWallObje(std::move(made));
        box.PlaceBox(&map.Block(x, y), record, std::move(content));
        return box;
    }
    THeroWorld world;
    TSaveList<TSaveOnOff> onOffs;
    TSaveList<TSaveBox> boxes;
};

TEST_F(Hero, StartsADungeonWithTheValuesOfLevelOne) {
    TTestMap map({"....", "....", "...."});
    THero& hero = Put(map, 3, 1);
    EXPECT_EQ(hero.GetHP(), 5);
    EXPECT_EQ(hero.GetMaxHP(), 5);
    EXPECT_EQ(hero.GetAttack(), 2);
    EXPECT_EQ(hero.GetDefence(), 2);
    EXPECT_EQ(hero.GetLevel(), 1);
    EXPECT_EQ(hero.Record().baseLevel, 1);
    EXPECT_EQ(hero.Record().next, 5);
    EXPECT_EQ(hero.Record().floar, 1);
    EXPECT_EQ(hero.GetDirection(), DW_North);
    EXPECT_EQ(hero.GetBlock(), &map.Block(3, 1));
    EXPECT_EQ(map.Block(3, 1).GetGuest(), &hero);
    EXPECT_EQ(hero.GetStateId(), das_Wait);
    EXPECT_EQ(hero.GetReserved()->GetId(), das_Wait);
    EXPECT_FLOAT_EQ(world.HeroBody().X(), 6.0f);
    EXPECT_FLOAT_EQ(world.HeroBody().Z(), -2.0f);
    EXPECT_EQ(hero.GetRecord(), RecordBytes(world.record));
}

TEST_F(Hero, TakesEachOrderWhenSheIsReady) {
    struct TCase {
        const char* what;
        void (*order)(THero&);
        bool run;
        DA_State state;
        std::uint8_t param;
    };
    const TCase cases[] = {
        {"move ahead", [](THero& h) { h.OrderMove(DW_North); }, true, das_Walk, 0},
        {"move aside", [](THero& h) { h.OrderMove(DW_East); }, true, das_Turn, DW_East},
        {"dash", [](THero& h) { h.OrderDash(DW_West); }, true, das_Dash, DW_West},
        {"stop", [](THero& h) { h.OrderStop(); }, true, das_Wait, 0},
        {"act", [](THero& h) { h.OrderAction(); }, true, das_Attack, 0},
        {"turn over", [](THero& h) { h.OrderMove(DW_North); }, false, das_Null, 0},
    };
    for (const TCase& c : cases) {
        TTestMap map({"...", "...", "..."});
        THero& hero = Put(map, 1, 1);
        c.order(hero);
        EXPECT_EQ(hero.GetStateId(), das_Wait) << c.what << ": an order only waits";
        EXPECT_EQ(hero.TakeOrder(c.run), c.state) << c.what;
        EXPECT_EQ(hero.GetState()->GetParam(), c.param) << c.what;
    }
}

TEST_F(Hero, TurningAsksForTheCursorAgain) {
    TTestMap map({"...", "...", "..."});
    THero& hero = Put(map, 1, 1);
    hero.OrderMove(DW_East);
    ASSERT_EQ(hero.TakeOrder(true), das_Turn);
    hero.OrderStop();
    EXPECT_EQ(TickUntilFinished(hero), 4);
    EXPECT_EQ(hero.GetDirection(), DW_East);
    EXPECT_EQ(hero.GetStateId(), das_Wait);
    EXPECT_EQ(world.scenes.calls, "cursor ");
}

TEST_F(Hero, TheFifthDefeatedEnemyRaisesHerLevel) {
    TTestMap map({"..."});
    THero& hero = Put(map, 1, 0);
    for (int defeated = 1; defeated <= 4; ++defeated) {
        hero.Defeated();
        EXPECT_EQ(hero.Record().next, 5 - defeated);
        EXPECT_EQ(hero.GetStateId(), das_Wait);
    }
    hero.Defeated();
    EXPECT_EQ(hero.Record().next, 0);
    EXPECT_EQ(hero.GetStateId(), das_LevelUp);
    EXPECT_EQ(world.view.calls, TCalls(5, "next"));

    world.view.calls.clear();
    hero.TakeDamage(2);
    hero.LevelUp();
    EXPECT_EQ(hero.GetLevel(), 2);
    EXPECT_EQ(hero.Record().baseLevel, 2);
    EXPECT_EQ(hero.Record().next, 5);
    EXPECT_EQ(hero.GetMaxHP(), 6);
    EXPECT_EQ(hero.GetHP(), 4);
    EXPECT_EQ(hero.GetAttack(), 3);
    EXPECT_EQ(hero.GetDefence(), 3);
    EXPECT_EQ(world.view.calls, (TCalls{"hero", "comparison"}));
}

TEST_F(Hero, RecoversSetsForcedLevelsAndGoesBackToLevelOneInTheVillage) {
    TTestMap map({".", "."});
    THero& hero = Put(map, 0, 1);
    hero.TakeDamage(4);
    hero.FullHeal();
    EXPECT_EQ(hero.GetHP(), 5);

    auto forced = world.Factory().NewForcedLevelFloor(3);
    TFloarForcedLV& floor = *forced;
    map.Block(0, 0).SetFloarActer(std::move(forced));
    floor.PlaceFloor(&map.Block(0, 0), TBlockFloar{0, 0, BF_ForcedLevelFloar, 3, 0, 0, 0, 0});
    hero.OrderMove(DW_North);
    hero.TakeOrder(true);
    TickUntilFinished(hero);
    ASSERT_EQ(hero.FloorKindUnder(), 2);
    EXPECT_EQ(hero.ApplyForcedLevel(), 3);
    EXPECT_EQ(hero.GetLevel(), 3);
    EXPECT_EQ(hero.Record().baseLevel, 3);
    EXPECT_EQ(hero.Record().next, 5);
    EXPECT_EQ(hero.GetMaxHP(), 7);
    EXPECT_EQ(hero.GetHP(), 7);
    EXPECT_EQ(hero.GetAttack(), 4);
    EXPECT_EQ(hero.GetDefence(), 4);

    hero.ResetForVillage();
    EXPECT_EQ(hero.GetLevel(), 1);
    EXPECT_EQ(hero.GetHP(), 5);
    EXPECT_EQ(hero.GetMaxHP(), 5);
    EXPECT_EQ(hero.GetAttack(), 2);
    EXPECT_EQ(hero.GetDefence(), 2);
    EXPECT_EQ(hero.Record().next, 5);
}

TEST_F(Hero, ActingOnWhatIsInFront) {
    TTestMap map({"#..", "...", "..."});
    THero& hero = Put(map, 0, 1);
    EXPECT_EQ(Act(), das_Attack) << "toward a wall she swings";
    TickUntilFinished(hero);
    EXPECT_EQ(hero.GetStateId(), das_Null);

    hero.TurnTo(DW_East);
    EXPECT_EQ(Act(), das_Attack) << "toward empty floor too";
}

TEST_F(Hero, FacingTheEdgeOfTheGridActingDoesNothingAndCostsNoTurn) {
    TTestMap map({"...", "..."});
    THero& hero = Put(map, 1, 0);
    hero.OrderAction();
    for (int tick = 0; tick < 3; ++tick) {
        map.Update();
        EXPECT_EQ(hero.GetStateId(), das_Wait);
    }
    EXPECT_TRUE(map.stateChanges.empty());
    hero.OrderMove(DW_East);
    map.Update();
    EXPECT_EQ(hero.GetStateId(), das_Turn) << "the next order is taken as ever";

    TTestMap walled({"#", "."});
    Put(walled, 0, 1);
    hero.OrderAction();
    walled.Update();
    EXPECT_EQ(walled.stateChanges, std::vector<MapState_Type>{msHeroAction});
}

TEST_F(Hero, TalksToAPersonWhoTurnsToHer) {
    TTestMap village({"...", "..."}, true);
    THero& hero = Put(village, 0, 0, DW_East);
    TPeopleImp person;
    person.acterNo = 80;
    person.talks = {TTalkData{{Sjis("やあ")}, {}, {}, 0}};
    auto made = world.Factory().NewPeople(person, std::make_unique<TTalkDepot>(person.talks));
    TSaveAct record;
    record.kind = BO_Person;
    PlaceRecord(record, 1, 0, DW_South);
    village.Block(1, 0).SetGuest(made.get());
    made->PlacePerson(&village.Block(1, 0), record);

    EXPECT_EQ(Act(), das_Talk);
    EXPECT_EQ(world.links.talked, std::vector<TTalkDepot*>{&made->Talks()});
    EXPECT_EQ(made->GetDirection(), DW_West);
    EXPECT_EQ(hero.Tick(), true) << "the talk state itself takes no time";
}

TEST_F(Hero, OpensADoorOnlyWithItsKeyAndSpendsTheKey) {
    TTestMap map({".", "."});
    THero& hero = Put(map, 0, 1);
    TDoor& door = PutDoor(map, 0, 0, 2, 4);
    EXPECT_EQ(Act(), das_Attack) << "without key 2 she strikes the door";
    TickUntilFinished(hero);
    EXPECT_FALSE(door.IsOpen());

    world.Give(BI_Key, 1);
    const std::size_t key2 = world.Give(BI_Key, 2);
    EXPECT_EQ(hero.ItemAt(key2).GetId(), 2);
    EXPECT_EQ(Act(), das_Unlock);
    EXPECT_EQ(world.HeroBody().Motion(), 5) << "the hand motion";
    hero.Tick();
    EXPECT_FALSE(hero.HasKey(2)) << "the key is spent as the door starts to open";
    EXPECT_TRUE(hero.HasKey(1));
    EXPECT_EQ(TickUntilFinished(door), 4);
    EXPECT_TRUE(door.IsOpen());
    EXPECT_EQ(onOffs.back().on, 1);
    EXPECT_EQ(TickUntilFinished(hero), 3);
    EXPECT_EQ(hero.GetStateId(), das_Null);
    EXPECT_EQ(Act(), das_Attack) << "an open door is only struck at";
}

TEST_F(Hero, NeitherASwitchDoorNorADiagonalDoorOpensByHand) {
    TTestMap map({"..", ".."});
    Put(map, 0, 1);
    PutDoor(map, 0, 0, 0, SwitchDoorSubKind);
    EXPECT_EQ(Act(), das_Attack);
    TTestMap other({"..", ".."});
    Put(other, 0, 1, DW_NorthEast);
    PutDoor(other, 1, 0, 0, 7);
    EXPECT_EQ(Act(), das_Attack);
}

TEST_F(Hero, AChestAboveKeyFourNeedsNoKey) {
    TTestMap map({".", "."});
    THero& hero = Put(map, 0, 1);
    world.Give(BI_Key, 1);
    TBox& chest =
        PutChest(map, 0, 0, 7, world.Factory().MakeItem(WornItemRecord(BI_Equipment, 1, 2, 3, 3)));
    EXPECT_EQ(Act(), das_OpenBox);
    hero.Tick();
    EXPECT_EQ(TickUntilFinished(chest), 4);
    EXPECT_TRUE(chest.IsOpen());
    EXPECT_EQ(boxes.back().open, 1);
    EXPECT_EQ(world.view.remarks, TCalls{Sjis("銅の剣 を手に入れた")});
    EXPECT_TRUE(hero.OwnsItem(BI_Equipment, 1, false));
    EXPECT_TRUE(hero.HasKey(1)) << "no key is used";
    EXPECT_EQ(hero.Record().treasures[0], (TTreasurePair{3, 2}));
    EXPECT_EQ(TickUntilFinished(hero), 19);
    EXPECT_EQ(hero.GetStateId(), das_Null);
    EXPECT_EQ(world.view.remarks.back(), "") << "the remark goes when she is done";
    EXPECT_EQ(Act(), das_Attack) << "an open chest is only struck at";
}

TEST_F(Hero, AChestWithKeysOneToFourOpensOnlyWithItsKeyAndTakesIt) {
    for (std::uint8_t key = 1; key <= 4; ++key) {
        TTestMap map({".", "."});
        THero& hero = Put(map, 0, 1);
        hero.ClearInventory();
        TBox& chest = PutChest(map, 0, 0, key, world.Factory().NewItem(BI_Tool, 2, CF_KeptIfAlive));
        EXPECT_EQ(Act(), das_Attack) << int(key);
        TickUntilFinished(hero);
        world.Give(BI_Key, key);
        EXPECT_EQ(Act(), das_OpenBox) << int(key);
        hero.Tick();
        EXPECT_FALSE(hero.HasKey(key)) << int(key);
        TickUntilFinished(chest);
        EXPECT_TRUE(hero.OwnsItem(BI_Tool, 2, true)) << int(key);
    }
}

TEST_F(Hero, HerSwordBreaksOnAnObstacleBlockItGetsInto) {
    TTestMap map({".", "."});
    THero& hero = Put(map, 0, 1);
    const std::size_t sword = Carry(WornItemRecord(BI_Equipment, 1, 0, 3, 1));
    ASSERT_TRUE(hero.Equip(sword));
    EXPECT_EQ(hero.GetAttack(), 5);
    TEnemy& block = world.PutEnemy(map, 0, 0, world.Factory().NewObstacleBlock(), 2);
    world.view.calls.clear();

    EXPECT_EQ(Act(), das_Attack);
    EXPECT_EQ(TickUntilFinished(hero), 3);
    EXPECT_EQ(hero.GetStateId(), das_SwordBroken);
    EXPECT_TRUE(static_cast<const Tdast_Hero*>(hero.StateOf(das_Attack))->SwordBroke());
    EXPECT_EQ(block.GetHP(), 2);
    EXPECT_EQ(hero.ItemAt(sword).GetRecord().durability, 0);
    EXPECT_EQ(hero.Inventory().items[sword].item.durability, 0);
    EXPECT_EQ(hero.GetAttack(), 2) << "a broken sword adds nothing";
    EXPECT_EQ(world.view.calls, TCalls{"power"});
}

TEST_F(Hero, OnlyABlowIntoAnObstacleBlockWearsHerSword) {
    struct TCase {
        const char* what;
        bool obstacle;
        int defence;
    };
    const TCase cases[] = {{"an enemy", false, 2}, {"a block that guards", true, 9}};
    for (const TCase& c : cases) {
        TTestMap map({".", "."});
        THero& hero = Put(map, 0, 1);
        hero.ClearInventory();
        const std::size_t sword = Carry(WornItemRecord(BI_Equipment, 1, 0, 3, 1));
        hero.Equip(sword);
        world.PutEnemy(map, 0, 0,
                       c.obstacle ? world.Factory().NewObstacleBlock()
                                  : world.Factory().NewEnemy(1),
                       c.defence);
        Act();
        TickUntilFinished(hero);
        EXPECT_EQ(hero.GetStateId(), das_Null) << c.what;
        EXPECT_EQ(hero.ItemAt(sword).GetRecord().durability, 1) << c.what;
    }
}

TEST_F(Hero, EquipsWhatHerLevelAllows) {
    TTestMap map({"."});
    THero& hero = Put(map, 0, 0);
    const std::size_t armour = world.Give(BI_Equipment, 2);
    const std::size_t sword = world.Give(BI_Equipment, 1);
    const std::size_t shield = world.Give(BI_Equipment, 3);
    const std::size_t key = world.Give(BI_Key, 1);
    const std::size_t secondSword = world.Give(BI_Equipment, 1);
    TFakeBody& body = world.HeroBody();

    using Refusal = THero::TEquipRefusal;
    EXPECT_EQ(hero.EquipRefusalFor(hero.ItemAt(armour)), Refusal::LevelTooLow);
    EXPECT_EQ(hero.EquipRefusalFor(hero.ItemAt(key)), Refusal::NotEquipment);
    EXPECT_EQ(hero.EquipRefusalFor(hero.ItemAt(sword)), Refusal::None);
    EXPECT_FALSE(hero.Equip(armour)) << "it needs level 2";
    EXPECT_EQ(hero.Equipped(2), nullptr);
    EXPECT_EQ(hero.Inventory().items[armour].equipped, 0);
    EXPECT_FALSE(hero.Equip(key));
    EXPECT_FALSE(hero.Equip(99));
    EXPECT_TRUE(world.view.calls.empty());

    EXPECT_TRUE(hero.Equip(sword));
    EXPECT_TRUE(hero.Equip(shield));
    EXPECT_EQ(hero.GetAttack(), 2 + 3 - 1);
    EXPECT_EQ(hero.GetDefence(), 2 + 0 + 1);
    EXPECT_TRUE(body.partsVisible.at(12));
    EXPECT_TRUE(body.partsVisible.at(14));
    EXPECT_EQ(hero.Inventory().items[sword].equipped, 1);

    EXPECT_TRUE(hero.Equip(secondSword));
    EXPECT_EQ(hero.Equipped(1), &hero.ItemAt(secondSword));
    EXPECT_EQ(hero.Inventory().items[sword].equipped, 0) << "the first sword is taken off";

    hero.LevelUp();
    EXPECT_EQ(hero.EquipRefusalFor(hero.ItemAt(armour)), Refusal::None);
    EXPECT_TRUE(hero.Equip(armour));
    EXPECT_TRUE(body.partsVisible.at(13));
    EXPECT_TRUE(hero.Unequip(1));
    EXPECT_FALSE(body.partsVisible.at(12));
    EXPECT_FALSE(hero.Unequip(1));
    hero.RemoveItem(armour);
    EXPECT_FALSE(body.partsVisible.at(13)) << "what goes is taken off first";
    EXPECT_EQ(hero.Equipped(2), nullptr);
}

TEST_F(Hero, LeavingTheDungeonKeepsWhatHerCarryFlagsAllow) {
    struct TCase {
        bool dead;
        std::vector<std::uint8_t> kept; // tool ids, which are their carry flags + 1
        std::vector<std::pair<int, int>> reported;
    };
    const TCase cases[] = {{false, {1, 3}, {{3, 2}, {5, 1}}}, {true, {1}, {}}};
    for (const TCase& c : cases) {
        TTestMap map({"."});
        THero& hero = Put(map, 0, 0);
        hero.ClearInventory();
        world.links.treasures.clear();
        for (std::uint8_t flag = 0; flag <= 2; ++flag) {
            world.Give(BI_Tool, static_cast<std::uint8_t>(flag + 1), flag);
        }
        const std::size_t sword = Carry(WornItemRecord(BI_Equipment, 1, CF_Permanent, 4, 1));
        hero.Equip(sword);
        hero.Record().treasures[0] = {3, 2};
        hero.Record().treasures[2] = {5, 1};
        const int resets = world.HeroBody().poseResets;

        hero.LeaveDungeon(c.dead);
        std::vector<std::uint8_t> kept;
        for (std::size_t i = 0; i + 1 < hero.ItemCount(); ++i) {
            kept.push_back(hero.ItemAt(i).GetId());
            EXPECT_EQ(hero.ItemAt(i).GetCarryFlag(), CF_Permanent);
            EXPECT_EQ(hero.Inventory().items[i].item.carryFlag, CF_Permanent);
        }
        EXPECT_EQ(kept, c.kept) << "dead " << c.dead;
        const std::size_t keptSword = hero.ItemCount() - 1;
        EXPECT_EQ(hero.ItemAt(keptSword).GetRecord().durability, 4) << "mended";
        EXPECT_EQ(hero.Inventory().items[keptSword].item.durability, 4);
        EXPECT_EQ(hero.Inventory().items[keptSword].equipped, 0);
        EXPECT_EQ(hero.Equipped(1), nullptr);
        EXPECT_EQ(world.links.treasures, c.reported);
        for (const TTreasurePair& pair : hero.Record().treasures) {
            EXPECT_EQ(pair, TTreasurePair{});
        }
        EXPECT_EQ(world.HeroBody().poseResets, resets + 1);
        EXPECT_EQ(world.HeroBody().motionsRunToEnd.back(), 0);
    }
}

TEST_F(Hero, KeysAndItemsSheCarries) {
    TTestMap map({"."});
    THero& hero = Put(map, 0, 0);
    world.Give(BI_Tool, 5, CF_DungeonOnly);
    world.Give(BI_Key, 3);
    world.Give(BI_Key, 3, CF_DungeonOnly);
    EXPECT_TRUE(hero.OwnsItem(BI_Tool, 5, false));
    EXPECT_FALSE(hero.OwnsItem(BI_Tool, 5, true)) << "found on this trip only";
    EXPECT_TRUE(hero.HasKey(3));
    EXPECT_TRUE(hero.UseKey(3));
    EXPECT_EQ(hero.ItemAt(1).GetCarryFlag(), CF_DungeonOnly) << "the first key went";
    EXPECT_TRUE(hero.UseKey(3));
    EXPECT_FALSE(hero.UseKey(3));
    hero.RemoveItemByKind(BI_Tool, 5);
    EXPECT_EQ(hero.ItemCount(), 0u);
    EXPECT_TRUE(hero.Inventory().items.empty());
    EXPECT_EQ(hero.Inventory().number, FirstHeroEveNumber);
    hero.ClearInventory();
    EXPECT_EQ(hero.Inventory().number, 0u);
}

TEST_F(Hero, PicksUpWhatLiesWhereHerWalkEnds) {
    TTestMap map({".", "."});
    THero& hero = Put(map, 0, 1);
    map.Block(0, 0).SetItem(world.Factory().NewKeyOnFloor(FloorItemRecord(BI_Key, 4, 0, 0)));
    TItemActer* lying = map.Block(0, 0).GetItem();
    lying->PlaceOn(&map.Block(0, 0));
    const std::uint8_t* lyingRecord = lying->GetRecord();

    hero.OrderMove(DW_North);
    ASSERT_EQ(hero.TakeOrder(true), das_Walk);
    EXPECT_EQ(TickUntilFinished(hero), 4);
    EXPECT_EQ(hero.GetBlock(), &map.Block(0, 0));
    EXPECT_EQ(hero.GetStateId(), das_Standby);
    EXPECT_TRUE(hero.HasKey(4));
    EXPECT_EQ(hero.Inventory().items.back().item.carryFlag, CF_DungeonOnly);
    EXPECT_EQ(map.Block(0, 0).GetItem(), nullptr);
    EXPECT_EQ(map.forgottenItems, std::vector<const std::uint8_t*>{lyingRecord});
    EXPECT_EQ(world.view.forgotten, std::vector<const TItemActer*>{lying});
    EXPECT_TRUE(world.view.remarks.empty()) << "no word for a picked-up item";
    EXPECT_EQ(world.links.reveals, 1);
    EXPECT_TRUE(hero.HasMoved());
    EXPECT_EQ(hero.FloorKindUnder(), 0);
}

TEST_F(Hero, MeetingAFairyDropsHerRecordAndNoOther) {
    TTestMap map({"...", "..."});
    THero& hero = Put(map, 1, 1);
    TSaveList<TSaveAct> acts;
    for (int x : {1, 2}) {
        TSaveAct& fairy = acts.emplace_back();
        fairy.kind = BO_Fairy;
        PlaceRecord(fairy, x, 0, DW_South);
    }
    for (int x : {1, 0, 2}) {
        TSaveAct& force = acts.emplace_back();
        force.kind = SaveActForce;
        PlaceRecord(force, x, 0, DW_South);
    }
    for (auto it = acts.begin(); it != std::next(acts.begin(), 2); ++it) {
        auto fairy = world.Factory().NewFairy();
        TAngel& placed = *fairy;
        map.Block(it->x, 0).SetFairy(std::move(fairy));
        placed.PlaceFairy(&map.Block(it->x, 0), *it);
    }

    hero.OrderMove(DW_North);
    hero.TakeOrder(true);
    TickUntilFinished(hero);
    EXPECT_EQ(hero.GetStateId(), das_FairyMet);
    EXPECT_TRUE(hero.HasMoved());
    EXPECT_FALSE(map.Block(1, 0).HasFairy());
    EXPECT_TRUE(map.Block(2, 0).HasFairy());
    ASSERT_EQ(map.forgottenObjects.size(), 1u);
    EXPECT_EQ(RemoveByIdentity(acts, map.forgottenObjects.front()), 1u);
    ASSERT_EQ(acts.size(), 4u);
    EXPECT_EQ(acts.front().kind, BO_Fairy);
    EXPECT_EQ(acts.front().x, 2);
}

TEST_F(Hero, ADashGoesOnUntilTheWayOpensOrSheFindsSomething) {
    TTestMap map({"###.##", "......", "######"});
    THero& hero = Put(map, 0, 1, DW_East);
    hero.OrderDash(DW_East);
    std::vector<int> stops;
    for (int turn = 0; turn < 3; ++turn) {
        ASSERT_EQ(hero.TakeOrder(true), das_Dash);
        EXPECT_EQ(TickUntilFinished(hero), 1);
        stops.push_back(hero.GetBlock()->GetX());
        if (hero.GetReserved()->GetId() != das_Dash) {
            break;
        }
    }
    EXPECT_EQ(stops, (std::vector<int>{1, 2, 3})) << "she stops at the side opening";
    EXPECT_EQ(hero.GetReserved()->GetId(), das_Wait);

    TTestMap corridor({"#####", ".....", "#####"});
    Put(corridor, 0, 1, DW_North);
    corridor.Block(1, 1).SetItem(world.Factory().NewKeyOnFloor(FloorItemRecord(BI_Key, 1, 1, 1)));
    hero.OrderDash(DW_East);
    ASSERT_EQ(hero.TakeOrder(true), das_Dash);
    EXPECT_EQ(hero.GetDirection(), DW_East) << "a dash turns her at once";
    TickUntilFinished(hero);
    EXPECT_EQ(hero.GetReserved()->GetId(), das_Wait) << "an item stops the dash";
}

TEST_F(Hero, ExitsAndLevelFloorsUnderHerFeet) {
    struct TCase {
        std::uint8_t type;
        int leadsTo;
        int floorAfter;
    };
    const TCase cases[] = {{EXIT_FloarDown, 3, 3}, {EXIT_FloarUp, 1, 1}, {EXIT_LeaveLast, -1, 0}};
    for (const TCase& c : cases) {
        TTestMap map({".", "."});
        THero& hero = Put(map, 0, 1);
        hero.Record().floar = 2;
        auto exit = world.Factory().NewExit(c.type);
        TFloarExit& placed = *exit;
        map.Block(0, 0).SetFloarActer(std::move(exit));
        placed.PlaceFloor(&map.Block(0, 0), TBlockFloar{0, 0, BF_Exit, c.type, 4, 6, 0, 0});
        EXPECT_EQ(hero.TakeExit(), 0) << "only just after a walk";
        hero.OrderMove(DW_North);
        hero.TakeOrder(true);
        TickUntilFinished(hero);
        EXPECT_EQ(hero.FloorKindUnder(), 1);
        EXPECT_EQ(hero.TakeExit(), c.leadsTo) << int(c.type);
        EXPECT_EQ(hero.Record().floar, c.floorAfter) << int(c.type);
        EXPECT_EQ(hero.Record().x, 4);
        EXPECT_EQ(hero.Record().y, 6);
    }

    for (const auto& [value, passes] : {std::pair{3, false}, std::pair{9, true}}) {
        TTestMap map({".", "."});
        THero& hero = Put(map, 0, 1);
        auto level = world.Factory().NewLevelFloor(static_cast<std::uint8_t>(value));
        TFloarLevel& placed = *level;
        map.Block(0, 0).SetFloarActer(std::move(level));
        placed.PlaceFloor(&map.Block(0, 0), TBlockFloar{0, 0, BF_LevelFloar, 3, 0, 0, 0, 0});
        hero.OrderMove(DW_North);
        EXPECT_EQ(hero.TakeOrder(true), passes ? das_Walk : das_Wait) << value;
    }
}

} // namespace
