#include "save/Savedungeon.h"

#include "platform/GameError.h"
#include "platform/SjisText.h"
#include "save/SaveStateFixture.h"
#include "support/FormatTesting.h"
#include "world/DataFile.h"
#include "world/Mapdata.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

const std::string SaveName = "Save7";

// Three floors: an enemy on floor 1, an item and a fairy on floor 2, nothing
// on floor 3.
TStageData ThreeFloorStage() {
    TFloarData first;
    first.width = first.height = 4;
    first.guests = {{1, 2, BG_Enemy, 1, 0, 2, 1, 0}};
    first.enemies = {{1, 6, 2, 1, 4}};
    TFloarData second;
    second.width = second.height = 4;
    second.items = {{2, 2, BI_Key, 2, 0, 0, 0, 0, 0, 0}};
    second.objects = {{3, 3, BO_Fairy, 0, 0, 2, 0, 0}};
    TFloarData third;
    third.width = third.height = 2;
    return {Sjis("塔"), 2, 0, 3, 1, {first, second, third}};
}

using SavedungeonTest = SaveStateTest;

TEST_F(SavedungeonTest, NewDungeonStartsTheHeroineAtLevelOneOnTheStartFloor) {
    const TSaveDungeon& save = NewDungeonSave(4, ThreeFloorStage());
    EXPECT_EQ(&save, &CurrentDungeonSave());
    EXPECT_EQ(save.number, 4);
    EXPECT_EQ(save.hero, (TSaveHero{.x = 3,
                                    .y = 1,
                                    .direction = 0,
                                    .hp = 5,
                                    .attack = 2,
                                    .defence = 2,
                                    .maxHp = 5,
                                    .floar = 2,
                                    .baseLevel = 1,
                                    .next = 5,
                                    .level = 1}));
    ASSERT_EQ(save.floars.size(), 3u);
    for (int number = 1; number <= 3; ++number) {
        EXPECT_EQ(save.floars[static_cast<size_t>(number - 1)].number, number);
    }
    EXPECT_EQ(save.floars[0].enemies.size(), 1u);
    EXPECT_EQ(save.floars[1].items.size(), 1u);
    EXPECT_EQ(CurrentFloorNumber(), 2);
    EXPECT_EQ(&CurrentFloorSave(), &save.floars[1]);
}

TEST_F(SavedungeonTest, StartFloorOutsideTheStageIsRefused) {
    TStageData stage = ThreeFloorStage();
    stage.startFloar = 4;
    EXPECT_THROW(NewDungeonSave(1, stage), TGameError);
    EXPECT_FALSE(TSaveDungeon::HasInstance());
}

TEST_F(SavedungeonTest, NewDungeonReplacesTheStateOfThePreviousTrip) {
    NewDungeonSave(1, ThreeFloorStage());
    CurrentDungeonSave().Floar(1).enemies.front().hp = 0; // a dead enemy stays dead
    NewDungeonSave(1, ThreeFloorStage());
    EXPECT_EQ(CurrentDungeonSave().Floar(1).enemies.front().hp, 4);
}

TEST_F(SavedungeonTest, FloorOfTheHeroineMustExist) {
    NewDungeonSave(1, ThreeFloorStage());
    CurrentDungeonSave().hero.floar = 0; // she has left the dungeon
    EXPECT_THROW(CurrentFloorSave(), TGameError);
    EXPECT_THROW(CurrentDungeonSave().Floar(4), TGameError);
    TSaveDungeon::ReleaseInstance();
    EXPECT_THROW(CurrentDungeonSave(), TGameError);
}

// Dungeon 3, the heroine on floor 2 of two floors; floor 1 holds one item,
// floor 2 nothing. Written from the stream's layout, not by the writer.
TBytes TwoFloorStream() {
    TBytes bytes;
    bytes.U8(3);
    bytes.U8(0).U8(0).U8(0).U8(0).U16(6).U16(7).U8(1).U8(0); // heroine at (6, 7) facing east
    bytes.U16(4).U16(3).U16(2).U16(6).U8(2).U8(2).U8(3).U8(2).U8(1).U8(4).Repeat(0, 4);
    bytes.U8(2);                                   // floors
    bytes.U8(0).U8(0).U16(1).U16(0).U16(0).U16(0); // floor 1: one item
    bytes.U8(3).U8(4).U8(0).U8(0).U16(5).U16(6).U8(2).U8(0).U8(0).U8(0).U8(0).U8(1);
    bytes.Repeat(0, 10); // floor 2: no records
    return bytes;
}

TSaveDungeon TwoFloorSave() {
    TSaveDungeon save;
    save.number = 3;
    save.hero = {.x = 6,
                 .y = 7,
                 .direction = 1,
                 .hp = 4,
                 .attack = 3,
                 .defence = 2,
                 .maxHp = 6,
                 .floar = 2,
                 .baseLevel = 2,
                 .next = 3,
                 .level = 2,
                 .treasures = {{1, 4}}};
    save.floars.resize(2);
    save.floars[0].number = 1;
    save.floars[0].items = {{.kind = 3, .id = 4, .x = 5, .y = 6, .direction = 2, .synthesis = 1}};
    save.floars[1].number = 2;
    return save;
}

TEST_F(SavedungeonTest, StreamLayoutRoundTripsByteForByte) {
    const auto bytes = TwoFloorStream().Bytes();
    TDataReader reader(SaveName, bytes);
    EXPECT_EQ(ReadDungeonSave(reader), TwoFloorSave());
    EXPECT_TRUE(reader.AtEnd());
    ExpectByteIdenticalRoundTrip<TSaveDungeon>(WriteDungeonSave, ReadDungeonSave, TwoFloorSave(),
                                               SaveName);
    ExpectEveryPrefixRefused(bytes, SaveName, [](TDataReader& stream) {
        ReadDungeonSave(stream);
        stream.RequireEnd();
    });
}

TEST_F(SavedungeonTest, InconsistentStreamsAreRefusedWithWhatIsWrong) {
    struct Case {
        const char* label;
        size_t offset;
        std::uint8_t value;
        const char* named;
    };
    const size_t floar1 = 1 + 28 + 1;
    const Case cases[] = {
        {"floor count past the end", 29, 200, "フロア の個数 200"},
        {"item count past the end", floar1 + 2, 9, "アイテム の個数 9"},
        {"act count past the end", floar1 + 4, 2, "妖精とフォース の個数 2"},
        {"record of another kind", floar1 + 10, 7, "アイテム 1 件目の種類"},
        {"heroine on no floor", 19, 3, "主人公のいるフロア 3"},
        {"heroine outside", 19, 0, "主人公のいるフロア 0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        auto bytes = TwoFloorStream().Bytes();
        bytes[c.offset] = c.value;
        TDataReader reader(SaveName, bytes);
        const std::string message = GameErrorOf([&] { ReadDungeonSave(reader); });
        EXPECT_NE(message.find(SaveName), std::string::npos) << message;
        EXPECT_NE(message.find(Sjis(c.named)), std::string::npos) << message;
    }
}

TEST_F(SavedungeonTest, LoadingReplacesTheCurrentSaveOnlyWhenTheStreamIsSound) {
    NewDungeonSave(9, ThreeFloorStage());
    auto shortStream = TwoFloorStream().Bytes();
    shortStream.pop_back();
    TDataReader bad(SaveName, shortStream);
    EXPECT_THROW(LoadDungeonSave(bad), TGameError);
    EXPECT_EQ(CurrentDungeonSave().number, 9);

    TDataReader good(SaveName, TwoFloorStream().Bytes());
    LoadDungeonSave(good);
    EXPECT_EQ(CurrentDungeonSave(), TwoFloorSave());
    TDataWriter writer;
    WriteDungeonSave(writer);
    EXPECT_EQ(writer.Bytes(), TwoFloorStream().Bytes());
}

} // namespace
