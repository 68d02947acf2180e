#include "platform/SjisText.h"
#include "scene/Dx7factory.h"
#include "scene/NullEngine.h"
#include "scene/Obje.h"
#include "scene/Objebuilder.h"
#include "support/RecordingMessages.h"

#include <gtest/gtest.h>

namespace {

TObjePlan Plan(std::int32_t parentNo, bool leaf) {
    TObjePlan plan{};
    plan.isLeaf = leaf ? 1 : 0;
    plan.objeNo = 1;
    plan.parentNo = parentNo;
    plan.visible = 1;
    return plan;
}

class ObjeTree : public ::testing::Test {
protected:
    ObjeTree()
        : factory(std::make_unique<TNullGrph>(), [] { return std::make_unique<TNullEngine>(); }) {
        for (auto& entry : grphSet.entries) {
            entry = std::make_unique<TNullGrph>();
        }
    }

    std::unique_ptr<IObje> Build(const std::vector<TObjePlan>& plans, int variant = 0) {
        std::vector<TPartPlan> parts;
        for (const TObjePlan& plan : plans) {
            parts.push_back({&plan, &grphSet});
        }
        return TObjeBuilder(factory).Build(parts, built, variant);
    }

    // The leaves the drawing walk yields, as part positions, with the world
    // translation of each.
    std::vector<size_t> Walk(IObje& root, std::vector<TOneMat>* worlds = nullptr) {
        std::vector<size_t> seen;
        IObje::TIterator& it = iterator;
        it.Attach(&root);
        for (it.First(); !it.IsDone(); it.Next()) {
            seen.push_back(static_cast<size_t>(std::find(built.begin(), built.end(), it.Current()) -
                                               built.begin()));
            if (worlds != nullptr) {
                I3DGrph* graphics = nullptr;
                TOneMat world;
                it.GetCurrent(graphics, world);
                worlds->push_back(world);
            }
        }
        return seen;
    }

    TRecordingMessages messages;
    TDX7Factory factory;
    TGrphKind grphSet;
    std::vector<IObje*> built;
    IObje::TIterator iterator;
};

TEST_F(ObjeTree, OnePlanIsItsOwnRootWithAnIdentityMatrix) {
    const auto root = Build({Plan(0, true)});
    ASSERT_NE(root, nullptr);
    ASSERT_EQ(built.size(), 1u);
    EXPECT_EQ(built[0], root.get());
    EXPECT_TRUE(root->visible);
    EXPECT_EQ(root->GetMatrix().GetOneMat().Values(), IdentityMat());
    EXPECT_EQ(root->GetGrph(), grphSet.entries[0].get());
    EXPECT_NE(dynamic_cast<TGroupMat*>(&root->GetMatrix()), nullptr);
    // A root leaf is walked alone, with its local matrix as the world.
    root->Move(1, 2, 3);
    std::vector<TOneMat> worlds;
    EXPECT_EQ(Walk(*root, &worlds), (std::vector<size_t>{0}));
    EXPECT_EQ(worlds[0].Values(), root->GetMatrix().GetOneMat().Values());
    EXPECT_TRUE(messages.Texts().empty());
}

TEST_F(ObjeTree, BadLinksBuildNoObject) {
    struct TCase {
        const char* name;
        std::vector<TObjePlan> plans;
        std::vector<std::string> messages;
    };
    const std::string twoRoots = Sjis("親物体が２つ以上ある");
    const std::string failed = Sjis("物体生成エラー");
    const std::vector<TCase> cases = {
        {"two roots", {Plan(0, true), Plan(0, true)}, {twoRoots, failed}},
        {"no root", {Plan(2, false), Plan(1, false)}, {failed}},
        {"parent past the end", {Plan(0, false), Plan(3, true)}, {failed}},
        {"negative parent", {Plan(0, false), Plan(-1, true)}, {failed}},
        {"leaf as parent", {Plan(0, false), Plan(1, true), Plan(2, true)}, {failed}},
        {"own parent", {Plan(0, false), Plan(2, false)}, {failed}},
        {"cycle beside the root", {Plan(0, false), Plan(3, false), Plan(2, false)}, {failed}},
        {"no plans", {}, {failed}},
    };
    for (const TCase& c : cases) {
        messages.Clear();
        EXPECT_EQ(Build(c.plans), nullptr) << c.name;
        EXPECT_TRUE(built.empty()) << c.name;
        EXPECT_EQ(messages.Texts(), c.messages) << c.name;
    }
}

TEST_F(ObjeTree, RootNeedNotComeFirst) {
    const auto root = Build({Plan(2, true), Plan(0, false), Plan(2, true)});
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root.get(), built[1]);
    EXPECT_EQ(root->Composite().Count(), 2u);
    EXPECT_EQ(Walk(*root), (std::vector<size_t>{0, 2}));
}

TEST_F(ObjeTree, PlanTransformsAddToTheComposedMatrix) {
    TObjePlan plan = Plan(0, true);
    plan.scale = {1, 1, 1};
    plan.yRota = {90, 0, 0};
    plan.xRota = {90, 1, 0};
    plan.position = {5, 0, 0};
    const auto root = Build({plan});
    ASSERT_NE(root, nullptr);
    TOneMat expected;
    expected.Scale(2, 2, 2);
    expected.XRotaAxis(90, 1, 0);
    expected.YRota(90);
    expected.Move(5, 0, 0);
    const auto& actual = root->GetMatrix().GetOneMat().Values();
    for (size_t i = 0; i < 16; ++i) {
        EXPECT_NEAR(actual[i], expected.Values()[i], 1e-5f) << i;
    }
    // The plan adds to what the matrix holds.
    TObjeBuilder::ApplyPlan(*root, plan);
    EXPECT_FLOAT_EQ(static_cast<TGroupMat&>(root->GetMatrix()).Scaling().x, 3.0f);
}

TEST_F(ObjeTree, VariantsPickEntriesOfTheGraphicsSet) {
    TObjePlan plan = Plan(0, true);
    plan.variantGrph[0] = 3; // variant 1
    plan.variantGrph[6] = 6; // variant 7
    plan.variantGrph[1] = 9; // variant 2: past the set
    struct TCase {
        int variant;
        I3DGrph* expected;
    };
    for (const TCase c : {TCase{0, grphSet.entries[0].get()}, TCase{1, grphSet.entries[3].get()},
                          TCase{7, grphSet.entries[6].get()}, TCase{8, grphSet.entries[0].get()},
                          TCase{3, grphSet.entries[0].get()}, TCase{2, nullptr}}) {
        const auto root = Build({plan}, c.variant);
        ASSERT_NE(root, nullptr);
        EXPECT_EQ(root->GetGrph(), c.expected) << c.variant;
        EXPECT_FALSE(static_cast<TObjeLeaf&>(*root).OwnsGrph());
    }
    grphSet.entries[3].reset();
    const auto absent = Build({plan}, 1);
    EXPECT_EQ(absent->GetGrph(), nullptr);
}

TEST_F(ObjeTree, WalkSkipsHiddenLeavesAndEmptyGroups) {
    // 1 group root; 2 leaf; 3 empty group; 4 group; 5 hidden leaf in 4; 6 leaf in 4; 7 leaf.
    std::vector<TObjePlan> plans = {Plan(0, false), Plan(1, true), Plan(1, false), Plan(1, false),
                                    Plan(4, true),  Plan(4, true), Plan(1, true)};
    plans[4].visible = 0;
    plans[0].position = {10, 0, 0};
    plans[3].position = {0, 1, 0};
    plans[5].position = {0, 0, 1};
    const auto root = Build(plans);
    ASSERT_NE(root, nullptr);
    EXPECT_FALSE(built[4]->visible);
    std::vector<TOneMat> worlds;
    EXPECT_EQ(Walk(*root, &worlds), (std::vector<size_t>{1, 5, 6}));
    // Leaf 6: its own move, then its group's, then the root's.
    EXPECT_EQ(worlds[1].At(3, 0), 10.0f);
    EXPECT_EQ(worlds[1].At(3, 1), 1.0f);
    EXPECT_EQ(worlds[1].At(3, 2), 1.0f);
    EXPECT_EQ(worlds[2].At(3, 1), 0.0f);

    // The same iterator walks another tree; a group hidden by hand keeps
    // giving its leaves their true world matrix.
    built[3]->visible = false;
    built[3]->Move(0, 1, 0);
    worlds.clear();
    EXPECT_EQ(Walk(*root, &worlds), (std::vector<size_t>{1, 5, 6}));
    EXPECT_EQ(worlds[1].At(3, 1), 2.0f);
}

TEST_F(ObjeTree, WorldIsLocalTimesParentWorld) {
    std::vector<TObjePlan> plans = {Plan(0, false), Plan(1, true)};
    plans[0].yRota = {90, 0, 0};
    plans[1].position = {0, 0, 1};
    const auto root = Build(plans);
    std::vector<TOneMat> worlds;
    Walk(*root, &worlds);
    ASSERT_EQ(worlds.size(), 1u);
    // The child's move happens in the parent's frame, which is turned.
    const auto p = TransformPoint(0, 0, 0, worlds[0]);
    EXPECT_NEAR(p[0], 1.0f, 1e-6f);
    EXPECT_NEAR(p[2], 0.0f, 1e-6f);
}

TEST_F(ObjeTree, EmptyTreesYieldNothing) {
    const auto root = Build({Plan(0, false)});
    EXPECT_EQ(Walk(*root), std::vector<size_t>{});
    TObjePlan hidden = Plan(0, true);
    hidden.visible = 0;
    const auto hiddenLeaf = Build({hidden});
    EXPECT_EQ(Walk(*hiddenLeaf), std::vector<size_t>{});
}

TEST_F(ObjeTree, LeavesLoadOnlyGraphicsTheyOwn) {
    auto own = factory.NewLeafOwnGrph(false);
    EXPECT_NE(dynamic_cast<TOneMat*>(&own->GetMatrix()), nullptr);
    EXPECT_EQ(own->LoadGrphFile("Obje/x.x"), 1);
    EXPECT_EQ(static_cast<TNullGrph*>(own->GetGrph())->LoadedPath(), "Obje/x.x");

    TNullGrph shared;
    auto leaf = factory.NewLeaf(true, &shared, false);
    EXPECT_EQ(leaf->LoadGrphFile("Obje/x.x"), 0);
    leaf->SwapGrphMat(0, 1);
    auto group = factory.NewGroup(true);
    EXPECT_EQ(group->LoadGrphFile("Obje/x.x"), 0);
    EXPECT_EQ(group->GetGrph(), nullptr);
    EXPECT_FALSE(group->Composite().IsLeaf());
    EXPECT_FALSE(leaf->Add(factory.NewGroup(true)));
    EXPECT_EQ(messages.Texts(),
              std::vector<std::string>{Sjis("共有画像データにはファイル読込不可")});
    shared.LoadFile("Obje/y.x");
    EXPECT_EQ(shared.RemapAtLoad().SlotOf(0), 1);
}

} // namespace
