#include "actors/Herosbase.h"

#include "platform/SjisText.h"
#include "support/FormatTesting.h"
#include "support/HeroWorld.h"
#include "support/TestMap.h"
#include "world/DataFile.h"
#include "world/Mapdata.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using TBytes = std::vector<std::uint8_t>;

// Two carried items and the heroine in a dungeon, written out by hand.
const TBytes InventoryFixture = {
    2,                                                      // two records
    1,    3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, /**/ 0, 0, // key 3, permanent
    2,    1, 0, 0, 5, 0, 7, 0, 2, 0, 2, 4, 3, 1, /**/ 1, 0, // sword +1, 3 of 4, worn
    0xE8, 3, 0, 0,                                          // the number, 1000
    2,                                                      // in a dungeon
};

TDataReader Reader(TBytes bytes) {
    return TDataReader(Sjis("Save/SaveData01"), std::move(bytes));
}

class HerosBase : public testing::Test {
protected:
    THerosBase& Holder() const { return THerosBase::Instance(); }
    TBytes Written() const {
        TDataWriter writer;
        Holder().WriteInventory(writer);
        return writer.Bytes();
    }

    THeroWorld world;
};

TEST_F(HerosBase, TheInventoryStreamRoundTripsByteForByte) {
    TDataReader reader = Reader(InventoryFixture);
    Holder().ReadInventory(reader);
    EXPECT_TRUE(reader.AtEnd());
    THero& hero = world.Hero();
    ASSERT_EQ(hero.ItemCount(), 2u);
    EXPECT_EQ(hero.ItemAt(0).GetDisplayName(), Sjis("青のかぎ"));
    EXPECT_EQ(hero.ItemAt(1).GetDisplayName(), Sjis("銅の剣 + 1"));
    EXPECT_EQ(hero.ItemAt(1).GetRecord().durability, 3);
    EXPECT_EQ(hero.Inventory().number, 1000u);
    EXPECT_EQ(Holder().GetWhereabouts(), THeroWhereabouts::Dungeon);
    EXPECT_EQ(hero.Equipped(1), nullptr) << "reading puts nothing on";
    EXPECT_EQ(Written(), InventoryFixture);

    TTestMap map({"."});
    world.PutHero(map, 0, 0);
    Holder().ReequipMarked();
    EXPECT_EQ(hero.Equipped(1), &hero.ItemAt(1));
    EXPECT_EQ(hero.GetAttack(), 2 + 3 + 1);
    EXPECT_EQ(Written(), InventoryFixture);
}

TEST_F(HerosBase, ReadingReplacesWhatSheCarriedAndTakesAllOff) {
    TTestMap map({"."});
    THero& hero = world.PutHero(map, 0, 0);
    world.Give(BI_Tool, 1);
    hero.Equip(world.Give(BI_Equipment, 3));
    TDataReader reader = Reader(InventoryFixture);
    Holder().ReadInventory(reader);
    EXPECT_EQ(hero.ItemCount(), 2u);
    EXPECT_EQ(hero.Equipped(3), nullptr);
    EXPECT_FALSE(world.HeroBody().partsVisible.at(14));
}

TEST_F(HerosBase, ARefusedStreamNamesTheFileAndChangesNothing) {
    struct TCase {
        const char* what;
        std::size_t at;
        std::uint8_t value;
        const char* problem;
    };
    const TCase cases[] = {
        {"an item of no kind", 1, 4, "持ち物 1 件目の種類が正しくありません"},
        {"equipment the tables lack", 18, 9, "持ち物 2 件目"},
        {"a whereabouts beyond the dungeon", 37, 3, "主人公の居場所 3"},
        {"more records than bytes", 0, 3, "持ち物"},
    };
    world.Give(BI_Tool, 1);
    const TBytes before = Written();
    for (const TCase& c : cases) {
        TBytes bytes = InventoryFixture;
        bytes[c.at] = c.value;
        TDataReader reader = Reader(bytes);
        const std::string error = GameErrorOf([&] { Holder().ReadInventory(reader); });
        EXPECT_THAT(error, testing::HasSubstr(Sjis("Save/SaveData01"))) << c.what;
        EXPECT_THAT(error, testing::HasSubstr(Sjis(c.problem))) << c.what;
        EXPECT_EQ(Written(), before) << c.what;
    }
    TDataReader cut = Reader(TBytes(InventoryFixture.begin(), InventoryFixture.end() - 1));
    EXPECT_FALSE(GameErrorOf([&] { Holder().ReadInventory(cut); }).empty());
    EXPECT_EQ(Written(), before);
}

TEST_F(HerosBase, ANewGameStartsInTheVillageWithNothing) {
    world.Give(BI_Key, 2);
    Holder().SetWhereabouts(THeroWhereabouts::Dungeon);
    Holder().NewGame();
    EXPECT_EQ(world.Hero().ItemCount(), 0u);
    EXPECT_EQ(Holder().GetWhereabouts(), THeroWhereabouts::Village);
    EXPECT_EQ(Written(), (TBytes{0, 0, 0, 0, 0, 0}));
}

TEST_F(HerosBase, TheStoryGivesAndTakesItems) {
    Holder().GiveItem(BI_Tool, 5, CF_Permanent);
    Holder().GiveItem(BI_Key, 1, CF_DungeonOnly);
    EXPECT_TRUE(world.Hero().OwnsItem(BI_Tool, 5, true));
    EXPECT_FALSE(world.Hero().OwnsItem(BI_Key, 1, true));
    Holder().RemoveItemByKind(BI_Tool, 5);
    EXPECT_FALSE(world.Hero().OwnsItem(BI_Tool, 5, false));
    EXPECT_EQ(GameErrorOf([&] { Holder().GiveItem(4, 1, CF_Permanent); }),
              Sjis("種類 4 の持ち物はありません"));
    EXPECT_EQ(world.Hero().ItemCount(), 1u);
}

} // namespace
