#include "Content.h"
#include "anim/Acterplan.h"
#include "support/TestContent.h"

#include <gtest/gtest.h>
#include <map>

namespace {

struct TBodyRange {
    std::uint32_t first, last;
    size_t motions; // the motion indices the game plays on it
};

// Every body the actor factory and the dungeon factory can ask for.
constexpr TBodyRange GameBodies[] = {
    {1, 1, 6},   {2, 2, 0},   {3, 3, 2},   {4, 4, 2},    {5, 5, 0},   {6, 7, 0},
    {8, 10, 0},  {16, 16, 1}, {26, 26, 2}, {35, 39, 2},  {40, 42, 0}, {43, 44, 2},
    {45, 56, 0}, {57, 57, 5}, {70, 70, 0}, {92, 103, 0},
};

class ContentBodies : public testing::Test {
protected:
    void SetUp() override {
        content = ReadContent(GameContentSources() / "data");
        ASSERT_TRUE(content.acters && content.objects && content.motions && content.graphics);
        for (const auto& acter : content.acters->acters) {
            acters.try_emplace(acter.acterNo, &acter);
        }
    }
    // Its object's plans, in order.
    std::vector<const TObjePlan*> PlansOf(std::uint32_t acterNo) const {
        std::vector<const TObjePlan*> plans;
        for (const auto& plan : content.objects->plans) {
            if (plan.objeNo == static_cast<std::uint32_t>(acters.at(acterNo)->objeNo)) {
                plans.push_back(&plan);
            }
        }
        return plans;
    }

    TContent content;
    std::map<std::uint32_t, const TActerFile*> acters;
};

TEST_F(ContentBodies, EveryBodyTheGameAsksForHasItsMotions) {
    for (const auto& range : GameBodies) {
        for (auto n = range.first; n <= range.last; ++n) {
            const auto found = acters.find(n);
            ASSERT_NE(found, acters.end()) << "body " << n;
            EXPECT_GE(MotionNumbersOf(found->second->motionList).size(), range.motions)
                << "body " << n;
        }
    }
}

TEST_F(ContentBodies, EnoughEnemiesAndPeopleWithTheFighterMotions) {
    size_t enemies = 0;
    size_t people = 0;
    for (const auto& [number, acter] : acters) {
        const auto motions = MotionNumbersOf(acter->motionList).size();
        if (number >= 110 && number < 150) {
            EXPECT_GE(motions, 5u) << "enemy " << number;
            ++enemies;
        } else if (number >= 200) {
            EXPECT_GE(motions, 5u) << "person " << number;
            ++people;
        }
    }
    EXPECT_GE(enemies, 8u);
    EXPECT_GE(people, 10u);
}

// Equipping shows parts 12, 13 and 14 of the heroine: leaves, hidden at first.
TEST_F(ContentBodies, HeroineEquipmentPartsAreHiddenLeaves) {
    const auto plans = PlansOf(1);
    ASSERT_GE(plans.size(), 15u);
    for (const size_t part : {12u, 13u, 14u}) {
        EXPECT_NE(plans[part]->isLeaf, 0) << part;
        EXPECT_EQ(plans[part]->visible, 0) << part;
    }
    for (size_t part = 0; part < plans.size(); ++part) {
        if (part < 12 || part > 14) {
            EXPECT_NE(plans[part]->visible, 0) << part;
        }
    }
}

} // namespace
