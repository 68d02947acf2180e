#include "actors/Actordatacheck.h"

#include "platform/SjisText.h"

#include <gtest/gtest.h>

namespace {

TEquipItemProp Equip(const std::string& name, std::int32_t id) {
    TEquipItemProp prop;
    SetPropName(prop.name, name);
    prop.id = id;
    prop.type = 1;
    return prop;
}

TEST(Actordatacheck, RepeatedIdsAreDeadRecords) {
    const std::vector<TEnemyFile> enemies{
        {1, "Slime", {}, 20}, {2, "Bat", {}, 21}, {1, "Ghost", {}, 22}};
    const auto enemyProblems = FindEnemyProblems(enemies);
    ASSERT_EQ(enemyProblems.size(), 1u);
    EXPECT_EQ(enemyProblems[0].list, TDataList::Enemies);
    EXPECT_EQ(enemyProblems[0].record, 2u);
    EXPECT_EQ(SjisToUtf8(enemyProblems[0].message),
              "敵 3 (Ghost) の ID 1 は 1 番目と同じで、使われません");

    const auto equipProblems =
        FindEquipmentProblems({Equip("A", 5), Equip("B", 6), Equip("C", 6), Equip("D", 6)});
    ASSERT_EQ(equipProblems.size(), 2u);
    EXPECT_EQ(equipProblems[1].list, TDataList::Equipment);
    EXPECT_EQ(equipProblems[1].record, 3u);
    EXPECT_NE(SjisToUtf8(equipProblems[1].message).find("装備 4 (D) の ID 6 は 2 番目"),
              std::string::npos);

    EXPECT_TRUE(FindEnemyProblems({enemies[0], enemies[1]}).empty());
    EXPECT_TRUE(FindEquipmentProblems({}).empty());
}

TEST(Actordatacheck, StageEnemiesMustBeInTheFloorTableAndTheEnemyFile) {
    const std::vector<TEnemyFile> enemies{{2, "Slime", {}, 20}};
    TFloarData floar;
    floar.width = 3;
    floar.height = 3;
    floar.guests = {{0, 0, BG_Enemy, 1, 0, 2, 0, 0},
                    {1, 0, BG_Enemy, 9, 0, 2, 0, 0},
                    {2, 0, BG_Obstacle, 9, 3, 2, 0, 0}};
    floar.enemies = {{1, 2, 5, 1, 3}, {2, 77, 5, 1, 3}};
    TStageData stage;
    stage.floars = {TFloarData{}, floar};

    const auto problems = FindStageEnemyProblems(stage, enemies);
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_EQ(problems[0].list, TDataList::Guests);
    EXPECT_EQ(problems[0].group, 2u);
    EXPECT_EQ(problems[0].record, 1u);
    EXPECT_EQ(SjisToUtf8(problems[0].message),
              "フロア 2: 2 番目のゲスト(敵) の ID 9 がフロアの敵テーブルにありません");
    EXPECT_EQ(problems[1].list, TDataList::FloarEnemies);
    EXPECT_EQ(problems[1].record, 1u);
    EXPECT_NE(SjisToUtf8(problems[1].message).find("敵の種類 77"), std::string::npos);
}

} // namespace
