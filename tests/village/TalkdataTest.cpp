#include "platform/GameError.h"
#include "support/FormatTesting.h"
#include "village/Peopledata.h"

#include <gtest/gtest.h>

namespace {

TEST(Talkdata, ReadsTheStoredLayout) {
    const std::vector<std::uint8_t> bytes = {
        2, 0, 0, 0,                     // two lines
        2, 0, 0, 0, 'H', 'i',           //
        4, 0, 0, 0, 'A', 'B', 0,   'C', // a line cut at its NUL
        2, 0, 0, 0,                     // two choices
        3, 0, 0, 0, 'Y', 'e', 's', 3,   //
        2, 0, 0, 0, 'N', 'o', 4,        //
        1, 0, 0, 0, 'x',                // after-talk text
        2,                              // next talk
    };
    auto reader = ReaderOf(PeopleDataFile, bytes);
    const auto talk = ReadTalkData(reader);
    EXPECT_EQ(talk, (TTalkData{{"Hi", "AB"}, {{"Yes", 3}, {"No", 4}}, "x", 2}));
    EXPECT_TRUE(reader.AtEnd());
}

TEST(Talkdata, RoundTripIsByteIdentical) {
    const TTalkData talk{
        {"Hello\r\nthere", "", "Bye"}, {{"A", 1}, {"", 255}}, "EventTermGo_1_1", 0};
    const auto bytes = BytesOf(WriteTalkData, talk);
    auto reader = ReaderOf(PeopleDataFile, bytes);
    const auto read = ReadTalkData(reader);
    EXPECT_EQ(read, talk);
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_EQ(BytesOf(WriteTalkData, read), bytes);
}

TEST(Talkdata, ATalkWithoutLinesIsRefused) {
    auto reader = ReaderOf(PeopleDataFile, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_NE(GameErrorOf([&] { ReadTalkData(reader); }).find(PeopleDataFile), std::string::npos);
    TDataWriter writer;
    EXPECT_THROW(WriteTalkData(writer, TTalkData{}), TGameError);
    EXPECT_TRUE(writer.Bytes().empty());
}

TEST(Talkdata, BadCountsAreRefusedBeforeAllocating) {
    for (const std::vector<std::uint8_t>& bytes : {
             std::vector<std::uint8_t>{0xff, 0xff, 0xff, 0x7f, 0, 0, 0, 0},             // lines
             std::vector<std::uint8_t>{1, 0, 0, 0, 0, 0, 0, 0, 0xff, 0xff, 0xff, 0x7f}, // choices
             std::vector<std::uint8_t>{1, 0, 0, 0, 0, 0, 0, 0, 0xff, 0xff, 0xff, 0xff}, // negative
         }) {
        auto reader = ReaderOf(PeopleDataFile, bytes);
        EXPECT_NE(GameErrorOf([&] { ReadTalkData(reader); }).find(PeopleDataFile),
                  std::string::npos);
    }
}

TEST(Talkdata, EveryPrefixIsRefused) {
    ExpectEveryPrefixRefused(BytesOf(WriteTalkData, {{"One", "Two"}, {{"Go", 2}}, "After", 1}),
                             std::string(PeopleDataFile), [](TDataReader& reader) {
                                 ReadTalkData(reader);
                                 reader.RequireEnd();
                             });
}

} // namespace
