#include "activemap/Activemapdung.h"

#include "activemap/Activemapproxy.h"
#include "actors/Hero.h"
#include "actors/Onoffobjesub.h"
#include "platform/SjisText.h"
#include "save/Savefloar.h"
#include "support/FakeBody.h"
#include "support/FormatTesting.h"
#include "support/RecordingAutoMapping.h"
#include "support/RecordingStatus.h"
#include "world/BlockRecords.h"
#include "world/Dungblock.h"
#include "world/Dungroom.h"

#include <gtest/gtest.h>

namespace {

// Blocks of width x height, room 1 on the first column.
TDungFloarParts Floar(int width, int height) {
    TDungFloarParts floar;
    floar.rooms.push_back(std::make_unique<TRoom>(1));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            auto block = std::make_unique<TDungBlock>();
            block->SetUpBlock(x, y, nullptr, nullptr);
            TDungBlock& added = floar.blocks.Append(y, std::move(block));
            if (x == 0) {
                floar.rooms.front()->AddBlock(&added);
                added.SetRoom(floar.rooms.front().get());
            }
        }
    }
    return floar;
}

TSaveItem Item(std::uint8_t id, std::int16_t x) {
    TSaveItem item;
    item.kind = 1;
    item.id = id;
    PlaceRecord(item, x, 0, 2);
    return item;
}

TSaveAct Fairy(std::int16_t x) {
    TSaveAct act;
    act.kind = BO_Fairy;
    PlaceRecord(act, x, 0, 2);
    return act;
}

class DungeonMap : public ::testing::Test {
protected:
    DungeonMap() {
        save.items = {Item(1, 0), Item(2, 1)};
        save.acts = {Fairy(0), Fairy(1)};
        heroRecord.floar = 2;
    }

    // A floor with the heroine on its first block.
    TDungFloarParts FloarWithHero(int width, int height) {
        TDungFloarParts floar = Floar(width, height);
        TDungBlock& start = floar.blocks.At(0, 0, "");
        start.SetGuest(&hero);
        hero.PlaceHero(&start, heroRecord);
        return floar;
    }

    TScopedInstance<TActiveMapProxy> proxy{nullptr};
    TScopedInstance<IFighterStatus, TRecordingStatus> status;
    THero hero{std::make_unique<TFakeBody>()};
    TSaveHero heroRecord;
    TSaveFloar save;
};

TEST_F(DungeonMap, HandsOutTheFloorItWasBuiltWith) {
    TDungFloarParts floar = FloarWithHero(3, 2);
    const TBlockGrid rows = floar.blocks.Rows();
    TActiveMapDung map(hero, 2, std::move(floar), save);

    EXPECT_EQ(TActiveMapDung::Instance(), &map);
    EXPECT_EQ(&map.GetState()->GetMap(), &map);
    EXPECT_EQ(map.GetState()->GetType(), msWaitInput);
    EXPECT_EQ(map.GetHero(), &hero);
    EXPECT_EQ(map.GetHeroActer(), &hero);
    EXPECT_EQ(map.GetBlocks(), rows);
    EXPECT_EQ(&map.GetBlockGrid(), &map.GetBlocks());
    EXPECT_EQ(map.GetNumber(), 2);
    EXPECT_EQ(map.GetWidth(), 3);
    EXPECT_EQ(map.GetHeight(), 2);
    EXPECT_FALSE(map.IsVillage());
    EXPECT_EQ(map.GetRooms().size(), 1u);
    EXPECT_EQ(map.EnemyCount(), 0u);
    EXPECT_EQ(map.PeopleCount(), 0u);
    EXPECT_EQ(map.PersonAt(0), nullptr);
    EXPECT_EQ(map.PlacedCount(), 0u);
    EXPECT_EQ(map.PlacedAt(0), nullptr);
}

TEST_F(DungeonMap, StartsWaitingForThePlayerWithTheHeroineReady) {
    hero.SetState(hero.StateOf(das_Walk));
    TActiveMapDung map(hero, 2, FloarWithHero(2, 2), save);
    EXPECT_EQ(map.CurrentStateType(), msWaitInput);
    EXPECT_EQ(hero.GetStateId(), das_Wait);
}

TEST_F(DungeonMap, AStateItHasNotIsRefused) {
    TActiveMapDung map(hero, 2, FloarWithHero(2, 2), save);
    for (const MapState_Type type : {msTalk, static_cast<MapState_Type>(15)}) {
        EXPECT_EQ(GameErrorOf([&] { map.SetState(type); }),
                  Sjis("アクティブダンジョンマップステイト取得エラー"));
    }
}

TEST_F(DungeonMap, TakenItemsAndMetFairiesLeaveTheFloorsSaveLists) {
    TActiveMapDung map(hero, 2, FloarWithHero(2, 2), save);
    const TSaveItem taken = save.items.back();
    map.RemoveItemRecord(RecordBytes(taken));
    ASSERT_EQ(save.items.size(), 1u);
    EXPECT_EQ(save.items.front().id, 1);

    const TSaveAct met = save.acts.front();
    map.RemoveObjectRecord(RecordBytes(met));
    ASSERT_EQ(save.acts.size(), 1u);
    EXPECT_EQ(save.acts.front().x, 1);
}

TEST_F(DungeonMap, ARebuildTakesTheNewFloorAndItsSaveLists) {
    TActiveMapDung map(hero, 2, FloarWithHero(2, 2), save);
    TSaveFloar other;
    other.items = {Item(3, 0)};
    map.AddTimedSwitch(hero);
    hero.SetState(hero.StateOf(das_Walk));

    map.Rebuild(3, FloarWithHero(4, 1), other);
    EXPECT_EQ(map.GetNumber(), 3);
    EXPECT_EQ(map.GetWidth(), 4);
    EXPECT_EQ(map.GetHeight(), 1);
    EXPECT_EQ(map.TimedSwitchCount(), 0u);
    EXPECT_EQ(map.CurrentStateType(), msWaitInput);
    EXPECT_EQ(hero.GetStateId(), das_Wait);
    map.RemoveItemRecord(RecordBytes(other.items.front()));
    EXPECT_TRUE(other.items.empty());
    EXPECT_EQ(save.items.size(), 2u);
}

TEST_F(DungeonMap, ADoorInMotionIsTickedWithTheFloorUntilItHasMoved) {
    TScopedInstance<IAutoMapping, TQuietAutoMapping> automap;
    TDungFloarParts floar = FloarWithHero(2, 1);
    TDungBlock& doorway = floar.blocks.At(1, 0, "");
    auto made = std::make_unique<TDoor>(std::make_unique<TFakeBody>(), 0);
    TDoor& door = *made;
    doorway.SetWallObje(std::move(made));
    TSaveOnOff record;
    record.kind = BO_Door;
    record.subKind = DoorByHandSubKind;
    door.PlaceOnOff(&doorway, RecordBytes(record));
    TActiveMapDung map(hero, 2, std::move(floar), save);
    proxy->SetMap(&map);

    door.OpenByHeroine();
    EXPECT_EQ(map.PendingObjectCount(), 1u);
    for (int update = 1; update < OnOffSwitchSteps; ++update) {
        map.Update();
    }
    EXPECT_FALSE(door.IsOpen());
    EXPECT_EQ(map.PendingObjectCount(), 1u);
    map.Update();
    EXPECT_TRUE(door.IsOpen());
    EXPECT_EQ(map.PendingObjectCount(), 0u);

    door.OpenByHeroine();
    map.Rebuild(2, FloarWithHero(1, 1), save);
    EXPECT_EQ(map.PendingObjectCount(), 0u) << "nothing of the old floor is ticked";
}

TEST_F(DungeonMap, ThereIsOnlyEverOneAndTheProxyForgetsItWhenItGoes) {
    {
        TActiveMapDung map(hero, 2, FloarWithHero(2, 2), save);
        proxy->SetMap(&map);
        EXPECT_EQ(GameErrorOf([&] { TActiveMapDung(hero, 1, Floar(1, 1), save); }),
                  Sjis("ダンジョンマップが既にあるのに新しいダンジョンマップを作りました"));
        EXPECT_EQ(TActiveMapDung::Instance(), &map);
    }
    EXPECT_EQ(TActiveMapDung::Instance(), nullptr);
    EXPECT_EQ(proxy->GetMap(), nullptr);
}

} // namespace
