#include "world/DataFile.h"

#include "platform/GameError.h"
#include "platform/SjisText.h"
#include "support/FormatTesting.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

constexpr std::string_view TestFile = "Data/Test";

TEST(DataFile, StringsCutAtNulAndConsumeTheirLength) {
    auto r = ReaderOf(TestFile, {0, 4, 'A', 'B', 0, 'C', 0, 0, 0, 0, 2, 0, 0, 0, 'x', 'y'});
    EXPECT_EQ(r.ReadShortString("s"), "");
    EXPECT_EQ(r.Position(), 1u);
    EXPECT_EQ(r.ReadShortString("s"), "AB");
    EXPECT_EQ(r.Position(), 6u);
    EXPECT_EQ(r.ReadLongString("l"), "");
    EXPECT_EQ(r.Position(), 10u);
    EXPECT_EQ(r.ReadLongString("l"), "xy");
    EXPECT_TRUE(r.AtEnd());
}

TEST(DataFile, NumbersAreLittleEndian) {
    auto r = ReaderOf(TestFile, {0x34, 0x12, 0xfe, 0xff, 0x78, 0x56, 0x34, 0x12});
    EXPECT_EQ(r.ReadU16("a"), 0x1234);
    EXPECT_EQ(r.ReadI16("b"), -2);
    EXPECT_EQ(r.ReadI32("c"), 0x12345678);
}

#pragma pack(push, 1)
struct TPair {
    std::uint8_t a;
    std::uint16_t b;
};
#pragma pack(pop)
static_assert(sizeof(TPair) == 3);

TEST(DataFile, PackedRecordsRoundTripThroughTheWriter) {
    TDataWriter w;
    w.WriteU8(2);
    w.WriteRecords(std::vector<TPair>{{1, 0x0203}, {4, 0x0506}});
    w.WriteShortString(Sjis("ソ"));
    w.WriteLongString(Sjis("表示"));
    auto r = ReaderOf(TestFile, w.Bytes());
    const auto pairs = r.ReadRecords<TPair>(r.ReadU8("count"), "pairs");
    ASSERT_EQ(pairs.size(), 2u);
    EXPECT_EQ(pairs[1].b, 0x0506);
    EXPECT_EQ(r.ReadShortString("s"), Sjis("ソ"));
    EXPECT_EQ(r.ReadLongString("l"), Sjis("表示"));
    EXPECT_TRUE(r.AtEnd());
}

TEST(DataFile, ReadingPastTheEndNamesTheFile) {
    const auto shortEnd = GameErrorOf([] { ReaderOf(TestFile, {1, 2}).ReadI32("count"); });
    EXPECT_NE(shortEnd.find("Data/Test"), std::string::npos);
    EXPECT_NE(shortEnd.find("count"), std::string::npos);
    EXPECT_NE(GameErrorOf([] { ReaderOf(TestFile, {5, 'a'}).ReadShortString("name"); }), "");
    EXPECT_NE(GameErrorOf([] {
                  ReaderOf(TestFile, {0xff, 0xff, 0xff, 0x7f}).ReadLongString("text");
              }),
              "");
    EXPECT_NE(GameErrorOf([] {
                  ReaderOf(TestFile, {0xff, 0xff, 0xff, 0xff}).ReadLongString("text");
              }),
              "");
    // A huge count fails before anything is allocated.
    EXPECT_NE(GameErrorOf([] {
                  ReaderOf(TestFile, {1, 2, 3}).ReadRecords<TPair>(1u << 30, "pairs");
              }),
              "");
}

TEST(DataFile, WriterRefusesStringsTooLongForTheirLength) {
    TDataWriter w;
    EXPECT_THROW(w.WriteShortString(std::string(256, 'a')), TGameError);
}

TEST(DataFile, WriterRefusesCountsTooLargeForTheirWidth) {
    TDataWriter w;
    w.WriteCountU8(255, "a");
    w.WriteCountU16(65535, "b");
    w.WriteCountI32(7, "c");
    EXPECT_EQ(w.Bytes(), (std::vector<std::uint8_t>{255, 255, 255, 7, 0, 0, 0}));
    EXPECT_NE(GameErrorOf([&] { w.WriteCountU8(256, "floors"); }).find("floors"),
              std::string::npos);
    EXPECT_THROW(w.WriteCountU16(65536, "b"), TGameError);
    EXPECT_THROW(w.WriteCountI32(size_t{1} << 31, "c"), TGameError);
    EXPECT_EQ(w.Bytes().size(), 7u);
}

TEST(DataFile, NegativeI32CountsAreRefused) {
    auto r = ReaderOf(TestFile, {3, 0, 0, 0, 0xff, 0xff, 0xff, 0xff});
    EXPECT_EQ(r.ReadCountI32("plans"), 3u);
    EXPECT_NE(GameErrorOf([&] { r.ReadCountI32("plans"); }).find("plans"), std::string::npos);
}

TEST(DataFile, ErrorsNameTheContextAndTrailingBytesAreRefused) {
    auto r = ReaderOf(TestFile, {1, 2});
    r.SetContext("stage 2");
    r.ReadU8("a");
    EXPECT_NE(GameErrorOf([&] { r.RequireEnd(); }).find("Data/Test: stage 2 "), std::string::npos);
    EXPECT_EQ(GameErrorOf([&] { r.FailContent("bad link"); }),
              Sjis("データファイルが壊れています ") + "Data/Test: stage 2 bad link");
    r.ReadU8("b");
    EXPECT_NO_THROW(r.RequireEnd());
}

TEST(DataFile, MissingPlanFileMessage) {
    TTempFolder folder;
    EXPECT_EQ(GameErrorOf([] { RequireDataFileExists("Data/WallObje"); }),
              Sjis("ファイルが見つかりません Data/WallObje"));
}

} // namespace
