#include "save/Savetown.h"

#include "platform/GameError.h"
#include "platform/SjisText.h"
#include "save/SaveStateFixture.h"
#include "support/FormatTesting.h"
#include "village/Eventdata.h"
#include "world/DataFile.h"
#include "world/Towndata.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

const std::string SaveName = "Save3";

// A big object, a person, and an object record of kind 2 without a person.
TFieldData SampleArea() {
    TFieldData area;
    area.width = 20;
    area.height = 6;
    area.objects = {{3, 2, BO_BigObje, 1, 0, 2, 0, 0},
                    {10, 2, BO_Person, 7, 0, 2, 0, 0},
                    {12, 2, BO_Person, 0, 1, 0, 2, 3}};
    return area;
}

// People for areas 0, 1 and 2 (area bytes 1, 2, 3) and nobody (0).
TEvent SampleStage() {
    return {{{3, 0, 2, 14, 3, 2},
             {4, 0, 1, 1, 1, 0},
             {5, 9, 2, -1, 300, 3},
             {6, 0, 3, 5, 5, 1},
             {8, 0, 0, 2, 2, 0}},
            1,
            ""};
}

using SavetownTest = SaveStateTest;

TEST_F(SavetownTest, NewTownSaveTakesTheAreasPeopleThenTheStoryStages) {
    const TSaveTown& save = NewTownSave(1, SampleArea(), SampleStage());
    EXPECT_EQ(&save, &CurrentTownSave());
    EXPECT_EQ(save.area, 1);
    EXPECT_EQ(save.hero, (TSaveHero{.x = 10,
                                    .y = 10,
                                    .direction = 0,
                                    .hp = 5,
                                    .attack = 2,
                                    .defence = 2,
                                    .maxHp = 5,
                                    .floar = 1}));
    // Area 1 takes the placements whose area byte is 2.
    EXPECT_EQ(
        Records(save.people),
        (std::vector<TSaveAct>{{.kind = 2, .subValue = 7, .x = 10, .y = 2, .direction = 2},
                               {.kind = 2, .subValue = 3, .x = 14, .y = 3, .direction = 2},
                               {.kind = 2, .subValue = 5, .x = -1, .y = 300, .direction = 3}}));
    // A new area replaces the town save.
    NewTownSave(0, TFieldData{}, SampleStage());
    EXPECT_EQ(CurrentTownSave().people.size(), 1u);
}

TEST_F(SavetownTest, MorePeopleThanAOneByteCountIsRefused) {
    TFieldData area;
    area.objects.assign(MaxAreaPeople, TBlockObje{1, 1, BO_Person, 1, 0, 0, 0, 0});
    EXPECT_EQ(NewTownSave(0, area, TEvent{}).people.size(), MaxAreaPeople);
    EXPECT_THROW(NewTownSave(1, area, SampleStage()), TGameError);
    EXPECT_EQ(CurrentTownSave().area, 0);
}

TBytes TownStream() {
    TBytes bytes;
    bytes.U8(2);
    bytes.U8(0).U8(0).U8(0).U8(0).U16(3).U16(4).U8(3).U8(0);
    bytes.U16(5).U16(2).U16(2).U16(5).U8(2).U8(1).U8(5).U8(1).Repeat(0, 6);
    bytes.U8(2);
    bytes.U8(2).U8(7).U8(0).U8(0).U16(10).U16(2).U8(2).U8(0);
    bytes.U8(2).U8(3).U8(0).U8(0).U16(0xffff).U16(1).U8(1).U8(0);
    return bytes;
}

TSaveTown TownSave() {
    TSaveTown save;
    save.area = 2;
    save.hero = {.x = 3,
                 .y = 4,
                 .direction = 3,
                 .hp = 5,
                 .attack = 2,
                 .defence = 2,
                 .maxHp = 5,
                 .floar = 2,
                 .baseLevel = 1,
                 .next = 5,
                 .level = 1};
    save.people = {{.kind = 2, .subValue = 7, .x = 10, .y = 2, .direction = 2},
                   {.kind = 2, .subValue = 3, .x = -1, .y = 1, .direction = 1}};
    return save;
}

TEST_F(SavetownTest, StreamLayoutRoundTripsByteForByte) {
    const auto bytes = TownStream().Bytes();
    TDataReader reader(SaveName, bytes);
    EXPECT_EQ(ReadTownSave(reader), TownSave());
    ExpectByteIdenticalRoundTrip<TSaveTown>(WriteTownSave, ReadTownSave, TownSave(), SaveName);
    ExpectEveryPrefixRefused(bytes, SaveName, [](TDataReader& stream) {
        ReadTownSave(stream);
        stream.RequireEnd();
    });
}

TEST_F(SavetownTest, LoadingRefusesRecordsThatAreNotPeopleAndKeepsTheCurrentSave) {
    NewTownSave(0, SampleArea(), SampleStage());
    auto bytes = TownStream().Bytes();
    bytes[1 + 28 + 1 + 10] = 4; // the second person as a fairy
    TDataReader bad(SaveName, bytes);
    EXPECT_NE(GameErrorOf([&] { LoadTownSave(bad); }).find(Sjis("人物 2 件目")), std::string::npos);
    EXPECT_EQ(CurrentTownSave().area, 0);

    TDataReader good(SaveName, TownStream().Bytes());
    LoadTownSave(good);
    TDataWriter writer;
    WriteTownSave(writer);
    EXPECT_EQ(writer.Bytes(), TownStream().Bytes());
}

} // namespace
