#include "village/Eventdata.h"

#include "platform/GameError.h"
#include "platform/GameFiles.h"
#include "support/FormatTesting.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

std::vector<TEvent> SampleEvents() {
    return {
        {{{1, 0, 1, 3, 4, 2}, {2, 0, 2, 10, 0, 0}}, 2, ""},
        {{}, 0, "TalkChange_1_2\r\nDungInfo_3"},
        {{{9, 77, 0, -1, -32768, 8}}, 10, "ItemAdd_2_5"},
    };
}

TEST(Eventdata, ReadsTheStoredLayout) {
    const std::vector<std::uint8_t> bytes = {
        1, 0, 0, 0,                        // one record
        3, 0, 0, 0,                        // three conditions needed
        1, 0, 0, 0,                        // one placement
        5, 9, 2, 0xff, 0xff, 0x2c, 1,   3, // person 5, unused 9, area 1, (-1, 300), west
        3, 0, 0, 0,    'a',  0,    'b',    // script cut at its NUL
    };
    auto reader = ReaderOf(EventDataFile, bytes);
    const auto events = ReadEventData(reader);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0], (TEvent{{{5, 9, 2, -1, 300, 3}}, 3, "a"}));
}

TEST(Eventdata, RoundTripIsByteIdentical) {
    ExpectByteIdenticalRoundTrip(WriteEventData, ReadEventData, SampleEvents(),
                                 std::string(EventDataFile));
}

// One record written field by field, past the writer's checks.
std::vector<std::uint8_t> OneRecordFile(std::int32_t needed, std::int32_t placementCount) {
    TDataWriter raw;
    raw.WriteI32(1);
    raw.WriteI32(needed);
    raw.WriteI32(placementCount);
    raw.WriteLongString("");
    return raw.Bytes();
}

TEST(Eventdata, NeededConditionsFitTheTenFlags) {
    for (const std::int32_t needed : {-1, 11}) {
        SCOPED_TRACE(needed);
        TDataWriter writer;
        EXPECT_THROW(WriteEvent(writer, {{}, needed, ""}), TGameError);
        auto reader = ReaderOf(EventDataFile, OneRecordFile(needed, 0));
        EXPECT_NE(GameErrorOf([&] { ReadEventData(reader); }).find(EventDataFile),
                  std::string::npos);
    }
    for (const std::int32_t needed : {0, 10}) {
        auto reader = ReaderOf(EventDataFile, OneRecordFile(needed, 0));
        EXPECT_EQ(ReadEventData(reader).at(0).neededConditions, needed);
    }
}

TEST(Eventdata, BadFilesAreRefusedNamingTheFile) {
    ExpectEveryPrefixRefused(BytesOf(WriteEventData, SampleEvents()), std::string(EventDataFile),
                             [](TDataReader& reader) { ReadEventData(reader); });
    for (const auto& bytes : {
             std::vector<std::uint8_t>{0, 0, 0, 0}, // no record of stage 0
             OneRecordFile(0, -1),
             OneRecordFile(0, 1 << 28),
         }) {
        auto reader = ReaderOf(EventDataFile, bytes);
        EXPECT_NE(GameErrorOf([&] { ReadEventData(reader); }).find(EventDataFile),
                  std::string::npos);
    }
    TDataWriter writer;
    EXPECT_THROW(WriteEventData(writer, {}), TGameError);
}

TEST(Eventdata, LoadsFromTheDataFolder) {
    TTempFolder folder;
    CreateGameFolder("Data");
    TDataWriter writer;
    WriteEventData(writer, SampleEvents());
    writer.SaveTo(EventDataFile);
    EXPECT_EQ(LoadEventData(), SampleEvents());
}

} // namespace
