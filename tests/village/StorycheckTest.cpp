#include "village/Storycheck.h"

#include "platform/SjisText.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

TItemProp Prop(const std::string& name) {
    TItemProp prop;
    SetPropName(prop.name, name);
    return prop;
}

// A small story with nothing wrong: two people, three stages, one village area.
struct TStoryFixture {
    std::vector<TPeopleImp> people{
        {1,
         "Elder",
         10,
         {{{"Hello"}, {}, "EventTermGo_1_1\r\nEventTermGo_1_2", 2},
          {{"Choose"}, {{"A", 1}, {"B", 3}}, "", 0},
          {{"Bye"}, {}, "", 0}}},
        {2, "Smith", 11, {{{"Hm"}, {}, "EventTermGo_2_1", 0}}},
    };
    std::vector<TEvent> events{
        {{{1, 0, 1, 2, 1, 2}}, 2, ""},
        {{{2, 0, 1, 0, 0, 1}}, 1, "TalkChange_1_3\r\nItemAdd_2_10\r\nItemDelete_1_1\r\nDungInfo_9"},
        {{}, 1, "ItemAdd_3_1\r\n"},
    };
    TItemData items{{Prop("Key")}, {Prop("Lamp")}};
    std::vector<TEquipItemProp> equipment = [] {
        TEquipItemProp sword;
        SetPropName(sword.name, "Sword");
        sword.id = 10;
        sword.type = 1;
        return std::vector{sword};
    }();
    TTownData town{
        {5, 4, {}, {{1, 1, BO_Person, 2, 0, 2, 0, 0}, {2, 2, BO_BigObje, 9, 0, 0, 0, 0}}, {}}};

    std::vector<TDataProblem> Problems() const {
        return FindStoryProblems({people, events, items, equipment, town});
    }
};

TEST(Storycheck, AStoryWithNothingWrongHasNoProblems) {
    EXPECT_TRUE(TStoryFixture().Problems().empty());
}

TEST(Storycheck, EachPlantedFaultIsReportedWhereItIs) {
    struct TCase {
        const char* fault;
        std::function<void(TStoryFixture&)> plant;
        TDataList list;
        size_t group;
        size_t record;
        const char* where;
        const char* what;
    };
    const std::vector<TCase> cases = {
        {"repeated person",
         [](auto& s) {
             s.people.push_back({1, "Twin", 1, {{{"?"}, {}, "", 0}}});
         },
         TDataList::People, 0, 2, "人物 1", "2 回以上"},
        {"after-talk names no stage",
         [](auto& s) { s.people[1].talks[0].afterTalk = "EventTermGo_4_1"; }, TDataList::Talks, 1,
         0, "人物 2 の会話 1 の会話後処理 1 行目", "ステージ 4 がありません"},
        {"condition past ten", [](auto& s) { s.people[1].talks[0].afterTalk = "EventTermGo_2_11"; },
         TDataList::Talks, 1, 0, "人物 2 の会話 1 の会話後処理 1 行目", "条件 11"},
        {"condition the stage does not need",
         [](auto& s) { s.people[0].talks[0].afterTalk = "EventTermGo_1_1\nEventTermGo_1_3"; },
         TDataList::Talks, 0, 0, "人物 1 の会話 1 の会話後処理 2 行目",
         "ステージ 1 (イベント 0) の必要条件数 2"},
        {"DungInfo after a talk", [](auto& s) { s.people[0].talks[2].afterTalk = "DungInfo_1"; },
         TDataList::Talks, 0, 2, "人物 1 の会話 3 の会話後処理 1 行目", "DungInfo"},
        {"after-talk of a talk with choices",
         [](auto& s) { s.people[0].talks[1].afterTalk = "EventTermGo_1_1"; }, TDataList::Talks, 0,
         1, "人物 1 の会話 2 の会話後処理", "選択肢"},
        {"misspelt command", [](auto& s) { s.people[0].talks[2].afterTalk = "EventTermgo_1_1"; },
         TDataList::Talks, 0, 2, "人物 1 の会話 3 の会話後処理 1 行目", "EventTermgo"},
        {"argument not decimal", [](auto& s) { s.events[1].script = "DungInfo_x"; },
         TDataList::Events, 0, 1, "イベント 1 のスクリプト 1 行目", "x"},
        {"missing argument", [](auto& s) { s.events[1].script = "TalkChange_1"; },
         TDataList::Events, 0, 1, "イベント 1 のスクリプト 1 行目", "TalkChange"},
        {"talk change to nobody", [](auto& s) { s.events[2].script = "\r\nTalkChange_7_1"; },
         TDataList::Events, 0, 2, "イベント 2 のスクリプト 2 行目", "人物 7"},
        {"talk change to a missing talk", [](auto& s) { s.events[2].script = "TalkChange_2_2"; },
         TDataList::Events, 0, 2, "イベント 2 のスクリプト 1 行目", "会話 2"},
        {"unknown equipment", [](auto& s) { s.events[1].script = "ItemAdd_2_11"; },
         TDataList::Events, 0, 1, "イベント 1 のスクリプト 1 行目", "アイテム 11"},
        {"key beyond the table", [](auto& s) { s.events[1].script = "ItemDelete_1_2"; },
         TDataList::Events, 0, 1, "イベント 1 のスクリプト 1 行目", "アイテム 2"},
        {"unknown item kind", [](auto& s) { s.events[1].script = "ItemAdd_4_1"; },
         TDataList::Events, 0, 1, "イベント 1 のスクリプト 1 行目", "種類 4"},
        {"entrance area 10", [](auto& s) { s.events[1].script = "DungInfo_10"; }, TDataList::Events,
         0, 1, "イベント 1 のスクリプト 1 行目", "エリア 10"},
        {"script of stage 0", [](auto& s) { s.events[0].script = "DungInfo_1"; }, TDataList::Events,
         0, 0, "イベント 0 のスクリプト", "ステージ 0"},
        {"placement of nobody", [](auto& s) { s.events[0].placements[0].personNo = 3; },
         TDataList::Placements, 0, 0, "イベント 0 の 1 番目の配置", "人物 3"},
        {"placement in no area", [](auto& s) { s.events[0].placements[0].areaNoPlusOne = 2; },
         TDataList::Placements, 0, 0, "イベント 0 の 1 番目の配置", "エリア"},
        {"placement outside its area", [](auto& s) { s.events[1].placements[0].x = 5; },
         TDataList::Placements, 1, 0, "イベント 1 の 1 番目の配置", "(5, 0)"},
        {"placement facing nowhere", [](auto& s) { s.events[1].placements[0].direction = 8; },
         TDataList::Placements, 1, 0, "イベント 1 の 1 番目の配置", "向き 8"},
        {"village person unknown", [](auto& s) { s.town[0].objects[0].subKind = 5; },
         TDataList::Objects, 0, 0, "エリア 0: 1 番目の物体", "人物 5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fault);
        TStoryFixture story;
        c.plant(story);
        const auto problems = story.Problems();
        ASSERT_EQ(problems.size(), 1u);
        EXPECT_EQ(problems[0].list, c.list);
        EXPECT_EQ(problems[0].group, c.group);
        EXPECT_EQ(problems[0].record, c.record);
        const auto problem = SjisToUtf8(problems[0].message);
        EXPECT_EQ(problem.rfind(c.where, 0), 0u) << problem;
        EXPECT_NE(problem.find(c.what), std::string::npos) << problem;
    }
}

TEST(Storycheck, AStageThatNeedsNoConditionTakesAnyNumber) {
    TStoryFixture story;
    story.events[1].neededConditions = 0;
    story.people[1].talks[0].afterTalk = "EventTermGo_2_7";
    EXPECT_TRUE(story.Problems().empty());
}

} // namespace
