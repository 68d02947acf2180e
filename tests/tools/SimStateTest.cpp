#include "core/SimState.h"

#include "support/HeroWorld.h"
#include "support/TestItems.h"
#include "support/TestMap.h"
#include "world/BlockRecords.h"

#include <gtest/gtest.h>

namespace {

TEST(SimState, TheHeroineFieldsTellHerValuesKeysAndSword) {
    THeroWorld world;
    TSimState state;
    ReadHeroState(state);
    EXPECT_EQ(state.Value("items"), "0");
    EXPECT_EQ(state.Value("keys"), "-") << "no key";
    EXPECT_EQ(state.Value("sword"), "-") << "no sword worn";
    EXPECT_EQ(state.Value("hp"), "-") << "not placed on any map yet";

    TTestMap map({"...", "..."});
    THero& hero = world.PutHero(map, 1, 1, 4);
    world.Give(BI_Key, 3);
    world.Give(BI_Tool, 2);
    world.Give(BI_Key, 1);
    hero.AddItem(world.Factory().MakeItem(WornItemRecord(BI_Equipment, 1, CF_DungeonOnly, 20, 18)));
    ASSERT_TRUE(hero.Equip(hero.ItemCount() - 1));
    world.record.hp = 4;
    ReadHeroState(state);
    EXPECT_EQ(state.Value("items"), "4");
    EXPECT_EQ(state.Value("keys"), "3,1") << "in the order she got them";
    EXPECT_EQ(state.Value("sword"), "18/20");
    EXPECT_EQ(state.Value("hp"), "4/5");
    EXPECT_EQ(state.Value("atk"), "5") << "2 of her own and the sword's 3";
    EXPECT_EQ(state.Value("def"), "2");
    EXPECT_EQ(state.Value("lv"), "1");
    EXPECT_EQ(state.Value("next"), "5");
    EXPECT_EQ(state.Value("herostate"), "2") << "waiting for the player";
}

} // namespace
