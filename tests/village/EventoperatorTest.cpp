#include "village/Eventoperator.h"

#include "actors/Hero.h"
#include "actors/Itemrecord.h"
#include "platform/GameError.h"
#include "platform/SjisText.h"
#include "support/FormatTesting.h"
#include "village/People.h"
#include "village/StoryWorld.h"
#include "village/Talk.h"
#include "world/DataFile.h"
#include "world/Mapdata.h"

#include <gtest/gtest.h>

namespace {

using TBytes = std::vector<std::uint8_t>;

TPeopleImp Person(std::uint32_t personNo, size_t talkCount) {
    TPeopleImp person;
    person.personNo = personNo;
    person.acterNo = 80;
    person.talks.assign(talkCount, TTalkData{{"..."}, {}, {}, 0});
    return person;
}

TBytes Written(const TEventOperator& events) {
    TDataWriter writer;
    events.WriteEvents(writer);
    return writer.Bytes();
}

TEST(EventOperator, AStageNeedsAllItsConditionsAndThenRunsTheNextStagesScript) {
    TStoryWorld world({Stage(2), Stage(1, "DungInfo_3")}, {});
    TEventOperator& events = world.Events();
    events.FulfilCondition(1, 2);
    EXPECT_EQ(events.StoryStage(), 0);
    EXPECT_EQ(events.State().conditions[1], 1);
    EXPECT_FALSE(events.IsAreaOpen(3));

    events.FulfilCondition(3, 1);
    EXPECT_EQ(events.State().conditions[0], 0) << "another stage's condition is ignored";

    events.FulfilCondition(1, 1);
    EXPECT_EQ(events.StoryStage(), 1);
    EXPECT_EQ(events.State().conditions, (std::array<std::uint8_t, 10>{}));
    EXPECT_TRUE(events.IsAreaOpen(3));
    EXPECT_EQ(events.CurrentEvent().script, "DungInfo_3");

    events.FulfilCondition(1, 1);
    EXPECT_EQ(events.StoryStage(), 1) << "stage 1 is over";
    EXPECT_EQ(events.State().conditions[0], 0);
    EXPECT_TRUE(world.Messages().empty());
}

TEST(EventOperator, AStageThatNeedsNothingEndsWithItsFirstAcceptedCondition) {
    TStoryWorld world({Stage(1), Stage(0), Stage(0)}, {});
    TEventOperator& events = world.Events();
    events.FulfilCondition(1, 1);
    events.FulfilCondition(2, 7);
    EXPECT_EQ(events.StoryStage(), 2);
}

TEST(EventOperator, ScriptsChangeTalksGiveAndTakeItemsAndOpenAreas) {
    TStoryWorld world({Stage(1), Stage(1, "TalkChange_7_3\r\nItemAdd_2_3\r\nItemAdd_3_1\r\n"
                                          "ItemDelete_3_1\r\nItemDelete_3_1\r\nDungInfo_9\r\n"
                                          "Unknown_1\r\nItemAdd_3_5")},
                      {Person(7, 3)});
    world.heroes.Give(BI_Tool, 1, 1);
    world.Events().FulfilCondition(1, 1);

    EXPECT_EQ(world.People().GetPerson(7).Talks().GetTalkNo(), 3u);
    const THero& hero = world.heroes.Hero();
    ASSERT_EQ(hero.ItemCount(), 2u) << "the first tool 1 went, the second had none to take";
    EXPECT_EQ(hero.ItemAt(0).GetRecord().kind, BI_Equipment);
    EXPECT_EQ(hero.ItemAt(0).GetRecord().id, 3);
    EXPECT_EQ(hero.ItemAt(0).GetRecord().carryFlag, 0) << "story gifts are kept";
    EXPECT_EQ(hero.ItemAt(1).GetRecord().id, 5);
    EXPECT_TRUE(world.Events().IsAreaOpen(9));
    EXPECT_TRUE(world.Messages().empty());
}

TEST(EventOperator, ALineThatCannotRunStopsTheScriptIsToldAndTheGameGoesOn) {
    struct TCase {
        const char* badLine;
        const char* shown;
    };
    for (const auto& c : std::vector<TCase>{
             {"DungInfo_x", "命令 DungInfo_x: 'x' は正しい数値ではありません"},
             {"DungInfo_", "命令 DungInfo: 引数が足りません"},
             {"DungInfo_10", "命令 DungInfo_10: 10 は 1 から 9 のはずです"},
             {"DungInfo_0", "命令 DungInfo_0: 0 は 1 から 9 のはずです"},
             {"TalkChange_7", "命令 TalkChange_7: 引数が足りません"},
             {"TalkChange_8_1", "人物 8 はいません"},
             {"TalkChange_7_3", "人物 7 に会話 3 がありません (会話は 2 個)"},
             {"ItemAdd_2_256", "命令 ItemAdd_2_256: 256 は 0 から 255 のはずです"},
         }) {
        TStoryWorld world(
            {Stage(1), Stage(1, "DungInfo_1\n" + std::string(c.badLine) + "\nDungInfo_2")},
            {Person(7, 2)});
        world.Events().FulfilCondition(1, 1);
        EXPECT_EQ(world.Events().StoryStage(), 1) << c.badLine;
        EXPECT_TRUE(world.Events().IsAreaOpen(1)) << c.badLine;
        EXPECT_FALSE(world.Events().IsAreaOpen(2)) << c.badLine << ": later lines do not run";
        EXPECT_EQ(world.Messages(),
                  std::vector<std::string>{Sjis("ステージ 2 のスクリプト: ") + Sjis(c.shown)})
            << c.badLine;
    }
}

TEST(EventOperator, ConditionsOutOfRangeAndAStoryWithNoNextStageAreToldAndChangeNothing) {
    TStoryWorld world({Stage(1), Stage(0)}, {});
    TEventOperator& events = world.Events();
    events.FulfilCondition(1, 0);
    events.FulfilCondition(1, 11);
    EXPECT_EQ(events.State(), TSaveEvents{});
    EXPECT_EQ(world.Messages(),
              (std::vector<std::string>{Sjis("ステージ 1 の条件 0 は 1 から 10 のはずです"),
                                        Sjis("ステージ 1 の条件 11 は 1 から 10 のはずです")}));

    events.FulfilCondition(1, 1);
    events.FulfilCondition(2, 1);
    EXPECT_EQ(events.StoryStage(), 1);
    EXPECT_EQ(world.Messages().back(), Sjis("ステージ 2 の次のステージのイベントがありません"));
}

TEST(EventOperator, TheSaveBlockIsTheStageTheConditionsAndTheAreas) {
    TStoryWorld world(
        {Stage(1), Stage(1, "DungInfo_1"), Stage(1), Stage(1, "DungInfo_3"), Stage(3)}, {});
    TEventOperator& events = world.Events();
    for (std::int32_t stage = 1; stage <= 4; ++stage) {
        events.FulfilCondition(stage, 1);
    }
    events.FulfilCondition(5, 2);
    const TBytes stage4 = {4, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 1, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(Written(events), stage4);

    events.ResetEvents();
    EXPECT_EQ(Written(events), TBytes(21, 0));
    TDataReader reader(Sjis("Save/SaveData01"), stage4);
    events.ReadEvents(reader);
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_EQ(Written(events), stage4);
    EXPECT_TRUE(events.IsAreaOpen(3));
    EXPECT_FALSE(events.IsAreaOpen(2));
    EXPECT_TRUE(events.IsAreaOpen(0)) << "area 0 is always open";
    EXPECT_FALSE(events.IsAreaOpen(10));
}

TEST(EventOperator, ARefusedSaveBlockNamesTheFileAndChangesNothing) {
    TStoryWorld world({Stage(1), Stage(1, "DungInfo_1")}, {});
    TEventOperator& events = world.Events();
    events.FulfilCondition(1, 1);
    const TBytes before = Written(events);
    struct TCase {
        TBytes bytes;
        const char* shown;
    };
    TBytes stageTooFar = before;
    stageTooFar[0] = 2;
    TBytes flagTwo = before;
    flagTwo[3] = 2;
    for (const auto& c : std::vector<TCase>{
             {stageTooFar, "物語のステージ 2 のイベントがありません (イベントは 2 個)"},
             {flagTwo, "イベントの条件かエリアの印が 0 でも 1 でもありません"},
             {TBytes(20, 0), "イベントの状態"},
         }) {
        TDataReader reader(Sjis("Save/SaveData01"), c.bytes);
        const std::string message = GameErrorOf([&] { events.ReadEvents(reader); });
        EXPECT_NE(message.find(Sjis("Save/SaveData01")), std::string::npos) << SjisToUtf8(message);
        EXPECT_NE(message.find(Sjis(c.shown)), std::string::npos) << SjisToUtf8(message);
        EXPECT_EQ(Written(events), before);
    }
}

} // namespace
