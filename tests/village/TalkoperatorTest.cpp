#include "village/Talkoperator.h"

#include "platform/SjisText.h"
#include "support/RecordingTalkView.h"
#include "village/People.h"
#include "village/StoryWorld.h"
#include "village/Talk.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

TTalkData Talk(std::vector<std::string> lines, std::uint8_t nextTalk = 0,
               std::vector<TChoice> choices = {}, std::string afterTalk = {}) {
    return TTalkData{std::move(lines), std::move(choices), std::move(afterTalk), nextTalk};
}

TPeopleImp Person(std::vector<TTalkData> talks) {
    TPeopleImp person;
    person.personNo = 1;
    person.talks = std::move(talks);
    return person;
}

class TalkOperator : public testing::Test {
protected:
    // Person 1 with the given talks, and the story's stages.
    void Meet(std::vector<TTalkData> talks, const std::vector<TEvent>& events = {Stage(0)}) {
        world = std::make_unique<TStoryWorld>(events, std::vector{Person(std::move(talks))});
        talk = std::make_unique<TScopedInstance<TTalkOperator>>(view);
    }
    TTalkDepot& Depot() const { return world->People().GetPerson(1).Talks(); }
    TTalkOperator& Operator() const { return **talk; }
    void Start() const { Operator().StartTalk(Depot()); }

    TRecordingTalkView view;
    std::unique_ptr<TStoryWorld> world;
    std::unique_ptr<TScopedInstance<TTalkOperator>> talk;
};

TEST_F(TalkOperator, LinesComeOneByOneAndTheNextTalkIsGivenNextTime) {
    Meet({Talk({"a", "b"}, 2), Talk({"c"})});
    EXPECT_TRUE(Operator().IsFinished()) << "no talk yet";
    Start();
    EXPECT_EQ(view.Taken(), std::vector<std::string>{"a"});
    EXPECT_FALSE(Operator().IsFinished());
    EXPECT_EQ(Depot().GetTalkNo(), 1u) << "the person moves on when the talk is over";
    Operator().NextLine();
    EXPECT_EQ(view.Taken(), std::vector<std::string>{"b."});
    EXPECT_TRUE(Operator().IsFinished());
    EXPECT_EQ(Depot().GetTalkNo(), 2u);
    Operator().NextLine();
    EXPECT_TRUE(view.Taken().empty()) << "a finished talk shows nothing more";

    for (int again = 0; again < 2; ++again) {
        Start();
        EXPECT_EQ(view.Taken(), std::vector<std::string>{"c."});
        EXPECT_TRUE(Operator().IsFinished()) << "a talk of one line is over at once";
        EXPECT_EQ(Depot().GetTalkNo(), 2u);
    }
}

TEST_F(TalkOperator, ChoicesAreTheOnlyWayOnAndTheChosenTalkBecomesCurrent) {
    Meet({Talk({"q"}, 2, {{"x", 3}, {"y", 4}}), Talk({"-"}), Talk({"three"}),
          Talk({"four 1", "four 2"})});
    Start();
    EXPECT_EQ(view.Taken(), (std::vector<std::string>{"q.", "[x|y]"}))
        << "the last line before choices has no marker";
    EXPECT_FALSE(Operator().IsFinished()) << "choices do not end the talk";
    EXPECT_TRUE(Operator().ChoicePending());
    Operator().NextLine();
    Operator().Choose(2);
    EXPECT_TRUE(view.Taken().empty()) << "only an offered choice goes on";
    EXPECT_EQ(Depot().GetTalkNo(), 1u) << "a talk with choices does not move the person on";

    Operator().Choose(1);
    EXPECT_EQ(view.Taken(), std::vector<std::string>{"four 1"});
    EXPECT_EQ(Depot().GetTalkNo(), 4u);
    EXPECT_FALSE(Operator().ChoicePending());
    Operator().Choose(0);
    EXPECT_TRUE(view.Taken().empty());
    Operator().NextLine();
    EXPECT_EQ(view.Taken(), std::vector<std::string>{"four 2."});
    EXPECT_TRUE(Operator().IsFinished());
    Start();
    EXPECT_EQ(view.Taken(), std::vector<std::string>{"four 1"}) << "the chosen talk is kept";
}

TEST_F(TalkOperator, AfterTalkCommandsRunEveryTimeTheTalkEnds) {
    // Each line is taken in order: the first run completes stage 0 with the
    // second line, the next run stage 1 with the first.
    Meet({Talk({"a"}, 0, {}, "EventTermGo_2_1\r\nEventTermGo_1_1")},
         {Stage(1), Stage(1), Stage(0)});
    TEventOperator& events = world->Events();
    Start();
    EXPECT_EQ(events.StoryStage(), 1);
    Start();
    EXPECT_EQ(events.StoryStage(), 2);
    EXPECT_EQ(Depot().GetTalkNo(), 1u);
    EXPECT_TRUE(world->Messages().empty());
}

TEST_F(TalkOperator, AfterTalkRunsOnceThePersonHasMovedOnSoTheStoryHasTheLastWord) {
    Meet({Talk({"a"}, 2, {}, "EventTermGo_1_1"), Talk({"b"}), Talk({"c"})},
         {Stage(1), Stage(0, "TalkChange_1_3")});
    Start();
    EXPECT_EQ(Depot().GetTalkNo(), 3u);
}

TEST_F(TalkOperator, AfterTalkThatCannotRunIsToldAndTheTalkStillEnds) {
    struct TCase {
        const char* afterTalk;
        const char* shown;
    };
    for (const auto& c : std::vector<TCase>{
             {"DungInfo_1\nEventTermGo_1_1", "会話後処理エラー"},
             {"EventTermGo_1_x\nEventTermGo_1_1",
              "命令 EventTermGo_1_x: 'x' は正しい数値ではありません"},
         }) {
        Meet({Talk({"a"}, 2, {}, c.afterTalk), Talk({"b"})}, {Stage(1), Stage(0)});
        Start();
        EXPECT_TRUE(Operator().IsFinished());
        EXPECT_EQ(Depot().GetTalkNo(), 2u);
        EXPECT_EQ(world->Events().StoryStage(), 0) << "later lines do not run";
        EXPECT_EQ(world->Messages(), std::vector<std::string>{Sjis(c.shown)});
        talk.reset();
        world.reset();
    }
}

TEST_F(TalkOperator, UnknownAfterTalkCommandsDoNothing) {
    Meet({Talk({"a"}, 0, {}, "Hello_1\n\nTalkChange_1_1")}, {Stage(1), Stage(0)});
    Start();
    EXPECT_EQ(world->Events().StoryStage(), 0);
    EXPECT_TRUE(world->Messages().empty());
}

} // namespace
