#include "village/Peopledata.h"

#include "platform/GameError.h"
#include "platform/GameFiles.h"
#include "platform/SjisText.h"
#include "support/FormatTesting.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

TTalkData Talk(std::vector<std::string> lines, std::uint8_t nextTalk = 0,
               std::vector<TChoice> choices = {}, std::string afterTalk = "") {
    return {std::move(lines), std::move(choices), std::move(afterTalk), nextTalk};
}

std::vector<TPeopleImp> SamplePeople() {
    return {
        {7,
         Sjis("村長"),
         12,
         {Talk({Sjis("ようこそ"), Sjis("村へ")}, 2), Talk({"Again?"}, 0, {{"Yes", 3}, {"No", 1}}),
          Talk({"Then go."}, 1, {}, "EventTermGo_1_1\r\nEventTermGo_1_2")}},
        {3, "", 65535, {Talk({""})}},
    };
}

TEST(Peopledata, ReadsTheStoredLayout) {
    const std::vector<std::uint8_t> bytes = {
        1,    0,    0, 0,                      // one person
        9,    1,    0, 0,                      // person 265
        3,    0,    0, 0, 'B', 0, 'b',         // name cut at its NUL
        0x34, 0x12,                            // acter 0x1234
        1,    0,    0, 0,                      // one talk
        1,    0,    0, 0, 1,   0, 0,   0, 'L', // one line
        0,    0,    0, 0,                      // no choices
        0,    0,    0, 0,                      // no after-talk text
        1,                                     // next talk
    };
    auto reader = ReaderOf(PeopleDataFile, bytes);
    const auto people = ReadPeopleData(reader);
    ASSERT_EQ(people.size(), 1u);
    EXPECT_EQ(people[0], (TPeopleImp{265, "B", 0x1234, {Talk({"L"}, 1)}}));
}

TEST(Peopledata, RoundTripIsByteIdentical) {
    ExpectByteIdenticalRoundTrip(WritePeopleData, ReadPeopleData, SamplePeople(),
                                 std::string(PeopleDataFile));
}

TEST(Peopledata, ARepeatedNumberKeepsTheFirstPerson) {
    auto people = SamplePeople();
    people.push_back({7, "Impostor", 1, {Talk({"?"})}});
    auto reader = ReaderOf(PeopleDataFile, BytesOf(WritePeopleData, people));
    const auto read = ReadPeopleData(reader);
    ASSERT_EQ(read.size(), 3u) << "the file is kept as it stands";
    ASSERT_NE(FindPeopleImp(read, 7), nullptr);
    EXPECT_EQ(FindPeopleImp(read, 7)->name, Sjis("村長"));
    EXPECT_EQ(FindPeopleImp(read, 3)->acterNo, 65535);
    EXPECT_EQ(FindPeopleImp(read, 4), nullptr);
}

TEST(Peopledata, TalkNumbersMustNameTalksOfThePerson) {
    struct TCase {
        const char* name;
        TPeopleImp person;
    };
    const std::vector<TCase> cases = {
        {"no talks", {5, "", 1, {}}},
        {"next talk past the last", {5, "", 1, {Talk({"a"}, 2)}}},
        {"choice of talk 0", {5, "", 1, {Talk({"a"}, 0, {{"x", 0}})}}},
        {"choice past the last", {5, "", 1, {Talk({"a"}), Talk({"b"}, 0, {{"x", 1}, {"y", 3}})}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TDataWriter writer;
        EXPECT_NE(GameErrorOf([&] { WritePeopleImp(writer, c.person); }).find(Sjis("人物 5")),
                  std::string::npos);

        // The same person as a file written by hand, past the writer's check.
        TDataWriter raw;
        raw.WriteI32(1);
        raw.WriteU32(c.person.personNo);
        raw.WriteLongString(c.person.name);
        raw.WriteU16(c.person.acterNo);
        raw.WriteI32(static_cast<std::int32_t>(c.person.talks.size()));
        for (const auto& talk : c.person.talks) {
            WriteTalkData(raw, talk);
        }
        auto reader = ReaderOf(PeopleDataFile, raw.Bytes());
        const auto error = GameErrorOf([&] { ReadPeopleData(reader); });
        EXPECT_NE(error.find(PeopleDataFile), std::string::npos) << error;
        EXPECT_NE(error.find(Sjis("人物 5")), std::string::npos) << error;
    }
}

TEST(Peopledata, BadFilesAreRefusedNamingTheFile) {
    ExpectEveryPrefixRefused(BytesOf(WritePeopleData, SamplePeople()), std::string(PeopleDataFile),
                             [](TDataReader& reader) { ReadPeopleData(reader); });
    for (const std::vector<std::uint8_t>& bytes : {
             std::vector<std::uint8_t>{0xff, 0xff, 0xff, 0xff},                // negative count
             std::vector<std::uint8_t>{0, 0, 0, 0x10, 1, 2, 3, 4, 5, 6, 7, 8}, // count past the end
             std::vector<std::uint8_t>{0, 0, 0, 0, 0},                         // a byte left over
         }) {
        auto reader = ReaderOf(PeopleDataFile, bytes);
        EXPECT_NE(GameErrorOf([&] { ReadPeopleData(reader); }).find(PeopleDataFile),
                  std::string::npos);
    }
}

TEST(Peopledata, LoadsFromTheDataFolder) {
    TTempFolder folder;
    CreateGameFolder("Data");
    TDataWriter writer;
    WritePeopleData(writer, SamplePeople());
    writer.SaveTo(PeopleDataFile);
    EXPECT_EQ(LoadPeopleData(), SamplePeople());
}

} // namespace
