#include "world/Savemapping.h"

#include "platform/SjisText.h"
#include "support/FormatTesting.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

const std::string SaveName = "Save/Save1";

TStageData StageOfFloars(std::vector<std::pair<std::uint16_t, std::uint16_t>> sizes) {
    TStageData stage;
    for (const auto& [width, height] : sizes) {
        TFloarData& floar = stage.floars.emplace_back();
        floar.width = width;
        floar.height = height;
    }
    return stage;
}

std::vector<std::uint8_t> BlockOf(const TSaveMapping& store) {
    TDataWriter writer;
    store.WriteSeen(writer);
    return writer.Bytes();
}

// Two dungeons, the second with two floors of different sizes, some squares seen.
TSaveMapping SeenStore() {
    TSaveMapping store({StageOfFloars({{3, 2}}), StageOfFloars({{2, 2}, {4, 1}})});
    store.Floar(0, 0).MarkSeen(2, 1);
    store.Floar(1, 1).MarkSeen(3, 0);
    store.Floar(1, 1).MarkSeen(0, 0);
    return store;
}

} // namespace

TEST(SaveMapping, OneStageOfOneTwoByTwoFloorIsItsCountsSizeAndCells) {
    TSaveMapping store({StageOfFloars({{2, 2}})});
    store.Floar(0, 0).MarkSeen(1, 0);
    store.Floar(0, 0).MarkSeen(0, 1);
    // u8 stages, u8 floors, u16 width, u16 height, then the rows.
    EXPECT_EQ(BlockOf(store), TBytes().U8(1).U8(1).U16(2).U16(2).U8(0).U8(1).U8(1).U8(0).Bytes());
}

TEST(SaveMapping, StartsUnseenAndANewGameForgetsEverySeenSquare) {
    TSaveMapping store = SeenStore();
    EXPECT_TRUE(store.Floar(1, 1).IsSeen(3, 0));
    EXPECT_FALSE(store.Floar(1, 1).IsSeen(2, 0));
    EXPECT_FALSE(store.Floar(1, 1).IsSeen(4, 0)) << "outside the floor";
    store.ResetSeen();
    EXPECT_EQ(store, TSaveMapping({StageOfFloars({{3, 2}}), StageOfFloars({{2, 2}, {4, 1}})}));
}

TEST(SaveMapping, ReadingBackGivesTheSameSquaresAndBytes) {
    const TSaveMapping saved = SeenStore();
    TSaveMapping loaded({StageOfFloars({{3, 2}}), StageOfFloars({{2, 2}, {4, 1}})});
    TDataReader reader(SaveName, BlockOf(saved));
    loaded.ReadSeen(reader);
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_EQ(loaded, saved);
    EXPECT_EQ(BlockOf(loaded), BlockOf(saved));
}

TEST(SaveMapping, ACutBlockIsRefusedNamingTheFile) {
    const TSaveMapping store = SeenStore();
    ExpectEveryPrefixRefused(BlockOf(store), SaveName, [&store](TDataReader& reader) {
        store.ReadChecked(reader);
        reader.RequireEnd();
    });
}

// A save of other game data: its block is refused and the seen squares stay.
TEST(SaveMapping, ABlockOfOtherDimensionsOrCellValuesIsRefusedAndChangesNothing) {
    struct TCase {
        const char* name;
        std::vector<std::uint8_t> block;
        const char* utf8Problem;
    };
    const std::vector<TCase> cases = {
        {"stage count", TBytes().U8(2).U8(1).U16(2).U16(2).Repeat(0, 4).Bytes(), "ステージ数 2"},
        {"floor count", TBytes().U8(1).U8(2).U16(2).U16(2).Repeat(0, 4).Bytes(), "フロア数 2"},
        {"width", TBytes().U8(1).U8(1).U16(3).U16(2).Repeat(0, 6).Bytes(), "幅 3"},
        {"height", TBytes().U8(1).U8(1).U16(2).U16(1).Repeat(0, 2).Bytes(), "高さ 1"},
        {"cell value", TBytes().U8(1).U8(1).U16(2).U16(2).U8(0).U8(2).Repeat(0, 2).Bytes(),
         "升目の値 2"},
    };
    for (const TCase& bad : cases) {
        SCOPED_TRACE(bad.name);
        TSaveMapping store({StageOfFloars({{2, 2}})});
        store.Floar(0, 0).MarkSeen(1, 1);
        const TSaveMapping before = store;
        TDataReader reader(SaveName, bad.block);
        const std::string message = GameErrorOf([&] { store.ReadSeen(reader); });
        EXPECT_THAT(message, testing::HasSubstr(SaveName));
        EXPECT_THAT(message, testing::HasSubstr(Sjis(bad.utf8Problem)));
        EXPECT_EQ(store, before);
    }
}

TEST(SaveMapping, AFloorBeyondTheStoreIsAnError) {
    const TSaveMapping store = SeenStore();
    EXPECT_NE(GameErrorOf([&] { store.Floar(1, 2); }), "");
    EXPECT_NE(GameErrorOf([&] { store.Floar(2, 0); }), "");
    EXPECT_NE(GameErrorOf([&] { store.Floar(-1, 0); }), "");
}
