#include "world/Towndata.h"

#include "platform/GameError.h"
#include "platform/GameFiles.h"
#include "platform/SjisText.h"
#include "support/FormatTesting.h"
#include "support/TempFolder.h"
#include "world/DataFile.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

TTownData ReadBytes(const std::vector<std::uint8_t>& bytes) {
    TDataReader reader(std::string(TownDataFile), bytes);
    return ReadTownData(reader);
}

// Area 0 holds a big object, people and exits of every village kind; area 1
// has no records.
TTownData SampleTown() {
    TFieldData square;
    square.width = 3;
    square.height = 2;
    square.grid = {{{1, 2}, {0, 2}, {5, 1}}, {{0, 0}, {0, 2}, {3, 4}}};
    square.objects = {{1, 0, BO_BigObje, 6, 0, 2, 0, 0},
                      {2, 1, BO_Person, 3, 9, 1, 8, 7},
                      {0, 1, BO_Person, 0, 0, 0, 0, 0}};
    square.floarActers = {{0, 0, BF_Exit, EXIT_ToFloar, 1, 0, 2, 0},
                          {2, 0, BF_Exit, EXIT_LeaveFirst, 0, 0, 0, 0},
                          {1, 1, BF_Exit, EXIT_LeaveLast, 0, 0, 0, 5}};
    TFieldData tavern;
    tavern.width = 2;
    tavern.height = 1;
    tavern.grid = {{{0, 3}, {0, 3}}};
    return {square, tavern};
}

TEST(Towndata, ReadsTheFieldsInFileOrder) {
    // One 3 x 2 area with both counts 0: four u16 values, then 12 grid bytes.
    TBytes file;
    file.U8(1).U16(3).U16(2).U16(0).U16(0);
    for (std::uint8_t value = 1; value <= 12; ++value) {
        file.U8(value);
    }
    const auto areas = ReadBytes(file.Bytes());
    ASSERT_EQ(areas.size(), 1u);
    const auto& area = areas[0];
    EXPECT_EQ(area.width, 3);
    EXPECT_EQ(area.height, 2);
    ASSERT_EQ(area.grid.size(), 2u);
    ASSERT_EQ(area.grid[1].size(), 3u);
    EXPECT_EQ(area.grid[0][0], (TTownBlockFile{1, 2}));
    EXPECT_EQ(area.grid[0][2], (TTownBlockFile{5, 6}));
    EXPECT_EQ(area.grid[1][0], (TTownBlockFile{7, 8}));
    EXPECT_TRUE(area.objects.empty() && area.floarActers.empty());
}

TEST(Towndata, ObjectsFollowBothCountsThenFloarActers) {
    TBytes file;
    file.U8(1).U16(1).U16(1).U16(1).U16(1).U8(4).U8(2);
    file.U16(0).U16(0).U8(BO_Person).U8(12).U8(0).U8(3).U8(0).U8(0);
    file.U16(0).U16(0).U8(BF_Exit).U8(EXIT_ToFloar).U16(0).U16(0).U8(1).U8(0);
    const auto area = ReadBytes(file.Bytes()).at(0);
    EXPECT_EQ(area.grid[0][0], (TTownBlockFile{4, 2}));
    EXPECT_EQ(area.objects.at(0), (TBlockObje{0, 0, BO_Person, 12, 0, 3, 0, 0}));
    EXPECT_EQ(area.floarActers.at(0), (TBlockFloar{0, 0, BF_Exit, EXIT_ToFloar, 0, 0, 1, 0}));
}

TEST(Towndata, WriteReadWriteIsByteIdentical) {
    ExpectByteIdenticalRoundTrip(WriteTownData, ReadTownData, SampleTown(),
                                 std::string(TownDataFile));
}

TEST(Towndata, LoadsFromTheDataFolder) {
    TTempFolder folder;
    CreateGameFolder("Data");
    TDataWriter writer;
    WriteTownData(writer, SampleTown());
    writer.SaveTo(TownDataFile);
    EXPECT_EQ(LoadTownData(), SampleTown());
}

TEST(Towndata, EveryTruncationIsRefusedNamingTheFile) {
    ExpectEveryPrefixRefused(BytesOf(WriteTownData, SampleTown()), std::string(TownDataFile),
                             [](TDataReader& reader) { ReadTownData(reader); });
}

TEST(Towndata, CountsBeyondTheFileAreRefusedBeforeAllocating) {
    TBytes objects;
    objects.U8(1).U16(1).U16(1).U16(65535).U16(0).U8(0).U8(0);
    const auto message = GameErrorOf([&] { ReadBytes(objects.Bytes()); });
    EXPECT_NE(message.find(Sjis("エリア 0 物体")), std::string::npos) << SjisToUtf8(message);
    TBytes zeroWidth;
    zeroWidth.U8(1).U16(0).U16(65535).U16(0).U16(0).U8(0).U8(0);
    EXPECT_NE(GameErrorOf([&] { ReadBytes(zeroWidth.Bytes()); }).find(Sjis("ブロックがありません")),
              std::string::npos);
}

struct TPlacementCase {
    const char* name;
    std::function<void(TTownData&)> spoil;
    const char* expected; // UTF-8 part of the message
};

TEST(Towndata, PlacementsNoAreaCanHoldAreRefused) {
    const TPlacementCase cases[] = {
        {"object outside", [](TTownData& t) { t[0].objects[1].x = 3; },
         "エリア 0: 2 番目の物体の位置 (3, 1) が 3 x 2 の外です"},
        {"exit outside", [](TTownData& t) { t[0].floarActers[2].y = 2; }, "床アクターの位置"},
        {"object kind", [](TTownData& t) { t[0].objects[0].kind = 3; }, "物体の種類 3"},
        {"floor switch", [](TTownData& t) { t[0].floarActers[1].kind = BF_FloarSwitch; },
         "床アクターの種類 2"},
        {"exit to a floor", [](TTownData& t) { t[0].floarActers[1].subKind = EXIT_FloarUp; },
         "副種類 1"},
        {"exit to no area", [](TTownData& t) { t[0].floarActers[0].targetFloar = 0; },
         "行き先 0 に当たるエリアがありません"},
        {"exit past the areas", [](TTownData& t) { t[0].floarActers[0].targetFloar = 3; },
         "行き先 3 に当たるエリアがありません (エリア数 2)"},
        {"arrival outside", [](TTownData& t) { t[0].floarActers[0].arrivalXOrLink = 2; },
         "到着の位置 (2, 0) が 2 x 1 の外です (エリア 1)"},
    };
    for (const auto& c : cases) {
        auto areas = SampleTown();
        c.spoil(areas);
        const auto message = GameErrorOf([&] { ReadBytes(BytesOf(WriteTownData, areas)); });
        EXPECT_NE(message.find(Sjis(c.expected)), std::string::npos)
            << c.name << ": " << SjisToUtf8(message);
    }
}

TEST(Towndata, WriterRefusesAGridThatDoesNotMatchItsSize) {
    auto areas = SampleTown();
    areas[1].height = 2;
    EXPECT_THROW(BytesOf(WriteTownData, areas), TGameError);
    areas = SampleTown();
    areas.resize(256, areas[1]);
    EXPECT_THROW(BytesOf(WriteTownData, areas), TGameError);
}

} // namespace
