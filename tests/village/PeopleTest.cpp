#include "village/People.h"

#include "platform/SjisText.h"
#include "support/FakeBody.h"
#include "support/FormatTesting.h"
#include "world/Base3dutil.h"
#include "world/Dungblock.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

std::vector<TTalkData> ThreeTalks() {
    return {TTalkData{{Sjis("一")}, {}, {}, 3}, TTalkData{{Sjis("二")}, {}, {}, 0},
            TTalkData{{Sjis("三")}, {}, {}, 0}};
}

TEST(TalkDepot, GivesTheCurrentTalkAndTheOneItNamesNext) {
    TTalkDepot talks(ThreeTalks());
    EXPECT_EQ(talks.GetTalkNo(), 1u);
    EXPECT_EQ(talks.CurrentTalk().lines.front(), Sjis("一"));
    talks.Advance();
    EXPECT_EQ(talks.GetTalkNo(), 3u);
    talks.Advance();
    EXPECT_EQ(talks.GetTalkNo(), 3u) << "a next talk of 0 keeps the talk";
    talks.SetTalkNo(2);
    EXPECT_EQ(talks.CurrentTalk().lines.front(), Sjis("二"));
    talks.SetTalkNo(4);
    EXPECT_EQ(GameErrorOf([&] { talks.CurrentTalk(); }), Sjis("話 4 がありません"));
}

TEST(People, TurnsToTheTalkerAndCannotBeHurt) {
    TDungBlock block;
    TSaveAct record;
    PlaceRecord(record, 0, 0, DW_South);
    TPeople person(std::make_unique<TFakeBody>(), std::make_unique<TTalkDepot>(ThreeTalks()));
    person.PlacePerson(&block, record);
    EXPECT_EQ(person.GetStateId(), das_Standby);
    EXPECT_EQ(person.GetReserved()->GetId(), das_Standby);
    EXPECT_EQ(person.ActionFor(DW_NorthEast), dac_Talk);
    EXPECT_EQ(person.TalkPartnerFor(DW_NorthEast), &person.Talks());
    EXPECT_EQ(record.direction, DW_SouthWest);
    person.TakeDamage(3);
    EXPECT_ANY_THROW(person.GetHP()) << "a person has no fighting values";
}

} // namespace
