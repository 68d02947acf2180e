#include "village/Peoplebase.h"

#include "platform/GameError.h"
#include "platform/SjisText.h"
#include "save/Saverecords.h"
#include "support/FormatTesting.h"
#include "support/TestMap.h"
#include "village/People.h"
#include "village/StoryWorld.h"
#include "village/Talk.h"
#include "world/Base3dutil.h"
#include "world/BlockRecords.h"
#include "world/DataFile.h"

#include <gtest/gtest.h>

namespace {

using TBytes = std::vector<std::uint8_t>;

TPeopleImp Person(std::uint32_t personNo, std::uint16_t acterNo, size_t talkCount) {
    TPeopleImp person;
    person.personNo = personNo;
    person.acterNo = acterNo;
    for (size_t talk = 1; talk <= talkCount; ++talk) {
        person.talks.push_back(TTalkData{{"talk " + std::to_string(talk)}, {}, {}, 0});
    }
    return person;
}

// Person 7 is first in the file, then person 3, then a second person 7.
class PeopleBase : public testing::Test {
protected:
    TBytes Written() const {
        TDataWriter writer;
        People().WriteTalks(writer);
        return writer.Bytes();
    }
    TPeopleBase& People() const { return world.People(); }

    TStoryWorld world{{Stage(0)}, {Person(7, 80, 3), Person(3, 81, 2), Person(7, 82, 1)}};
};

TEST_F(PeopleBase, EveryPersonIsMadeOnceWithItsBodyAndTalks) {
    EXPECT_EQ(People().PersonCount(), 2u);
    const auto& asked = world.heroes.bodies->asked;
    EXPECT_EQ(std::vector(asked.begin() + 1, asked.end()), (std::vector<std::uint32_t>{80, 81}))
        << "after the heroine's body: a repeated number keeps the first person";
    EXPECT_EQ(People().GetPerson(7).Talks().TalkCount(), 3u);
    EXPECT_EQ(People().GetPerson(3).Talks().CurrentTalk().lines.front(), "talk 1");
    EXPECT_EQ(GameErrorOf([&] { People().GetPerson(4); }), Sjis("人物 4 はいません"));
}

TEST_F(PeopleBase, TalkNumbersAreSavedInAscendingPersonNumber) {
    People().SetTalkNo(7, 3);
    People().SetTalkNo(3, 2);
    EXPECT_EQ(Written(), (TBytes{2, 0, 3, 0}));

    People().ResetTalks();
    EXPECT_EQ(Written(), (TBytes{1, 0, 1, 0}));
    EXPECT_EQ(People().GetPerson(7).Talks().CurrentTalk().lines.front(), "talk 1");

    TDataReader reader(Sjis("Save/SaveData01"), {2, 0, 3, 0});
    People().ReadTalks(reader);
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_EQ(People().GetPerson(7).Talks().GetTalkNo(), 3u);
    EXPECT_EQ(People().GetPerson(3).Talks().GetTalkNo(), 2u);
}

TEST_F(PeopleBase, ATalkThePersonDoesNotHaveIsRefusedAndChangesNothing) {
    People().SetTalkNo(7, 2);
    for (const std::uint32_t talkNo : {0u, 4u}) {
        EXPECT_EQ(GameErrorOf([&] { People().SetTalkNo(7, talkNo); }),
                  Sjis("人物 7 に会話 ") + std::to_string(talkNo) +
                      Sjis(" がありません (会話は 3 個)"));
    }
    for (const TBytes& bytes : {TBytes{1, 0, 4, 0}, TBytes{0, 0, 1, 0}, TBytes{1, 0, 1}}) {
        TDataReader reader(Sjis("Save/SaveData01"), bytes);
        const std::string message = GameErrorOf([&] { People().ReadTalks(reader); });
        EXPECT_NE(message.find(Sjis("Save/SaveData01")), std::string::npos) << SjisToUtf8(message);
    }
    EXPECT_EQ(Written(), (TBytes{1, 0, 2, 0}));
}

TEST_F(PeopleBase, APersonTurnsToTheTalkerInOneGoWithoutATurningMotion) {
    TTestMap village({"..."}, true);
    TPeople& person = People().GetPerson(3);
    TSaveAct record;
    record.kind = BO_Person;
    record.subValue = 3;
    PlaceRecord(record, 1, 0, DW_South);
    village.Block(1, 0).SetGuest(&person);
    person.PlacePerson(&village.Block(1, 0), record);
    auto& body = static_cast<TFakeBody&>(*person.GetBody());
    const auto motions = body.Motions();

    EXPECT_EQ(person.TalkPartnerFor(DW_East), &person.Talks());
    EXPECT_EQ(record.direction, DW_West);
    EXPECT_FLOAT_EQ(body.Turned(), 90.0f);
    EXPECT_EQ(body.Motions(), motions);
}

} // namespace
