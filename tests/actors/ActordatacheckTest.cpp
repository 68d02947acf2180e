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
    EXPECT_EQ(SjisToUtf8(enemyProblems[0]), "敵 3 (Ghost) の ID 1 は 1 番目と同じで、使われません");

    const auto equipProblems =
        FindEquipmentProblems({Equip("A", 5), Equip("B", 6), Equip("C", 6), Equip("D", 6)});
    ASSERT_EQ(equipProblems.size(), 2u);
    EXPECT_NE(SjisToUtf8(equipProblems[1]).find("装備 4 (D) の ID 6 は 2 番目"), std::string::npos);

    EXPECT_TRUE(FindEnemyProblems({enemies[0], enemies[1]}).empty());
    EXPECT_TRUE(FindEquipmentProblems({}).empty());
}

} // namespace
