#include "activemap/Activemaptown.h"

#include "activemap/Activemapproxy.h"
#include "actors/Hero.h"
#include "platform/SjisText.h"
#include "support/FakeBody.h"
#include "support/FormatTesting.h"
#include "support/RecordingStatus.h"
#include "village/People.h"
#include "world/Dungblock.h"
#include "world/Dungwall.h"

#include <gtest/gtest.h>

namespace {

class VillageMap : public ::testing::Test {
protected:
    // An area of width x height with the heroine on its first block, a
    // person and a big object.
    TVillageAreaParts Area(int width, int height) {
        TVillageAreaParts parts;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                auto block = std::make_unique<TDungBlock>();
                block->SetUpBlock(x, y, nullptr, nullptr);
                parts.blocks.Append(y, std::move(block));
            }
        }
        TDungBlock& start = parts.blocks.At(0, 0, "");
        start.SetGuest(&hero);
        hero.PlaceHero(&start, heroRecord);
        parts.people.push_back(&person);
        parts.placed.push_back(std::make_unique<TDungWall>(nullptr));
        return parts;
    }

    TScopedInstance<TActiveMapProxy> proxy{nullptr};
    TScopedInstance<IFighterStatus, TRecordingStatus> status;
    THero hero{std::make_unique<TFakeBody>()};
    TSaveHero heroRecord;
    TPeople person{std::make_unique<TFakeBody>(),
                   std::make_unique<TTalkDepot>(std::vector<TTalkData>{})};
};

TEST_F(VillageMap, HandsOutTheAreaItWasBuiltWith) {
    TVillageAreaParts parts = Area(3, 2);
    const TBlockGrid rows = parts.blocks.Rows();
    IDungActer* placed = parts.placed.front().get();
    TActiveMapTown map(hero, 1, std::move(parts));

    EXPECT_EQ(TActiveMapTown::Instance(), &map);
    EXPECT_EQ(&map.GetState()->GetMap(), &map);
    EXPECT_EQ(map.GetState()->GetType(), msWaitInput);
    EXPECT_EQ(map.GetHero(), &hero);
    EXPECT_EQ(map.GetHeroActer(), &hero);
    EXPECT_EQ(map.GetBlocks(), rows);
    EXPECT_EQ(&map.GetBlockGrid(), &map.GetBlocks());
    EXPECT_EQ(map.GetNumber(), 1);
    EXPECT_EQ(map.GetWidth(), 3);
    EXPECT_EQ(map.GetHeight(), 2);
    EXPECT_TRUE(map.IsVillage());
    EXPECT_EQ(map.EnemyCount(), 0u);
    EXPECT_EQ(map.EnemyAt(0), nullptr);
    ASSERT_EQ(map.PeopleCount(), 1u);
    EXPECT_EQ(map.PersonAt(0), &person);
    ASSERT_EQ(map.PlacedCount(), 1u);
    EXPECT_EQ(map.PlacedAt(0), placed);
}

TEST_F(VillageMap, KeepsNoFloorRecordsAndRefusesStatesItHasNot) {
    TActiveMapTown map(hero, 0, Area(2, 2));
    EXPECT_EQ(map.CurrentStateType(), msWaitInput);
    EXPECT_EQ(hero.GetStateId(), das_Wait);
    const std::uint8_t record[10] = {};
    EXPECT_EQ(GameErrorOf([&] { map.RemoveItemRecord(record); }),
              Sjis("床のアイテムの記録がないマップでアイテムを取りました"));
    EXPECT_EQ(GameErrorOf([&] { map.RemoveObjectRecord(record); }),
              Sjis("妖精と力の記録がないマップで妖精か力の記録を消そうとしました"));
    for (const MapState_Type type : {msEnemyAttack, msLevelUp, static_cast<MapState_Type>(15)}) {
        EXPECT_EQ(GameErrorOf([&] { map.SetState(type); }),
                  Sjis("マップからアクティブタウンステイト取得エラー"));
    }
}

TEST_F(VillageMap, ARebuildTakesTheNewAreaAndLeavesThePeopleAlive) {
    TActiveMapTown map(hero, 0, Area(2, 2));
    hero.SetState(hero.StateOf(das_Walk));
    TVillageAreaParts next = Area(5, 3);
    next.people.clear();
    map.Rebuild(2, std::move(next));
    EXPECT_EQ(map.GetNumber(), 2);
    EXPECT_EQ(map.GetWidth(), 5);
    EXPECT_EQ(map.GetHeight(), 3);
    EXPECT_EQ(map.PeopleCount(), 0u);
    EXPECT_EQ(hero.GetStateId(), das_Wait);
}

TEST_F(VillageMap, ThereIsOnlyEverOneAndTheProxyForgetsItWhenItGoes) {
    {
        TActiveMapTown map(hero, 0, Area(2, 2));
        proxy->SetMap(&map);
        EXPECT_EQ(GameErrorOf([&] { TActiveMapTown(hero, 1, Area(1, 1)); }),
                  Sjis("村のマップが既にあるのに新しい村のマップを作りました"));
    }
    EXPECT_EQ(TActiveMapTown::Instance(), nullptr);
    EXPECT_EQ(proxy->GetMap(), nullptr);
}

TEST_F(VillageMap, CreateOrGetMakesTheMapOnlyWhenThereIsNone) {
    auto [map, made] = TActiveMapTown::CreateOrGet(hero, 2, Area(3, 2));
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(&map, made.get());
    EXPECT_EQ(map.GetNumber(), 2);

    // The arguments are let go; the map stays as it was.
    TVillageAreaParts other;
    auto block = std::make_unique<TDungBlock>();
    block->SetUpBlock(0, 0, nullptr, nullptr);
    other.blocks.Append(0, std::move(block));
    auto [again, none] = TActiveMapTown::CreateOrGet(hero, 0, std::move(other));
    EXPECT_EQ(&again, made.get());
    EXPECT_EQ(none, nullptr);
    EXPECT_EQ(again.GetNumber(), 2);
    EXPECT_EQ(again.GetWidth(), 3);
}

} // namespace
