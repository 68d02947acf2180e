#include "scene/NullEngine.h"
#include "scene/ViewProjection.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

TEST(SwapList, ReadsPairsAndSkipsOtherLines) {
    const auto pairs =
        ParseSwapList("1>2\r\nx>3\r\n4>5>6\r\n7\r\n-1>2\r\n 8 > 9 \r\n10>\r\n>11\r12>13");
    ASSERT_EQ(pairs.size(), 4u);
    EXPECT_EQ(pairs[0].a, 1);
    EXPECT_EQ(pairs[0].b, 2);
    EXPECT_EQ(pairs[1].a, 4);
    EXPECT_EQ(pairs[1].b, 5);
    EXPECT_EQ(pairs[2].a, 8);
    EXPECT_EQ(pairs[2].b, 9);
    EXPECT_EQ(pairs[3].a, 12);
    EXPECT_EQ(pairs[3].b, 13);
    EXPECT_TRUE(ParseSwapList("").empty());
    EXPECT_TRUE(ParseSwapList("99999999999>1").empty());
}

TEST(SwapList, RemapSwapsAreNotUndone) {
    TMaterialRemap remap;
    remap.Swap(0, 1);
    remap.Swap(1, 2);
    EXPECT_EQ(remap.SlotOf(0), 1);
    EXPECT_EQ(remap.SlotOf(1), 2);
    EXPECT_EQ(remap.SlotOf(2), 1);
    EXPECT_EQ(remap.SlotOf(3), 3);
    // A slot past the table would write outside it.
    const auto before = remap.Table();
    remap.Swap(3, 16);
    remap.Swap(-1, 2);
    EXPECT_EQ(remap.Table(), before);
}

TEST(NullGrph, KeepsTheRemapInForceWhenLoading) {
    TNullGrph grph;
    grph.SwapList("0>1\r\n");
    EXPECT_TRUE(grph.LoadFile("Obje/a.x"));
    grph.SwapMat(2, 3);
    EXPECT_EQ(grph.LoadedPath(), "Obje/a.x");
    EXPECT_EQ(grph.RemapAtLoad().SlotOf(0), 1);
    EXPECT_EQ(grph.RemapAtLoad().SlotOf(2), 2);
    EXPECT_NE(dynamic_cast<TNullGrph*>(grph.NewGrph().get()), nullptr);
}

TEST(Projection, MapsNearToZeroAndFarToOne) {
    const TOneMat p = ProjectionMat(0.9f, 9, 36, 0.8f);
    EXPECT_EQ(p.At(0, 0), 0.9f);
    EXPECT_EQ(p.At(1, 1), static_cast<float>(std::cos(static_cast<double>(0.4f))));
    EXPECT_EQ(p.At(2, 3), static_cast<float>(std::sin(static_cast<double>(0.4f))));
    EXPECT_EQ(p.At(3, 3), 0.0f);
    for (const auto& [depth, expected] : {std::pair{9.0f, 0.0f}, std::pair{36.0f, 1.0f}}) {
        const auto clip = TransformPoint(0, 0, depth, p);
        EXPECT_NEAR(clip[2] / clip[3], expected, 1e-6f) << depth;
    }
}

TEST(NullEngine, RecordsCallsWhenAskedAndWorksOutViewProjection) {
    for (const bool keepRecord : {true, false}) {
        TNullEngine engine(keepRecord);
        engine.GetViewMat().Move(5, 0, 0);
        engine.InitDevice(nullptr, 0, 491, 504);
        EXPECT_EQ(engine.GetViewMat().GetOneMat().Values(), IdentityMat());
        engine.SetupScene();
        engine.GetViewMat().Move(0, 0, -10);
        engine.SetProjection(1, 1, 100, 1.0f);
        engine.ApplyView();
        engine.SetColorKey("Obje/k.bmp", 0);
        engine.BeginFrame();
        TNullGrph grph;
        TOneMat world;
        world.Move(1, 2, 3);
        engine.Draw(grph, world);
        engine.EndFrame();
        if (keepRecord) {
            EXPECT_EQ(engine.Calls(),
                      (std::vector<std::string>{
                          "InitDevice 0 491 504", "SetupScene", "SetProjection", "ApplyView",
                          "SetColorKey Obje/k.bmp 0", "BeginFrame", "Draw", "EndFrame"}));
            ASSERT_EQ(engine.Draws().size(), 1u);
            EXPECT_EQ(engine.Draws()[0].graphics, &grph);
            EXPECT_EQ(engine.Draws()[0].world, world.Values());
        } else {
            EXPECT_TRUE(engine.Calls().empty());
            EXPECT_TRUE(engine.Draws().empty());
        }

        // The point straight ahead of the eye lands in the middle of the view.
        TOneMat viewProj;
        engine.GetViewProj(viewProj);
        const auto centre = ProjectToScreen(viewProj, 0, 0, 0, 491, 504);
        ASSERT_TRUE(centre.has_value());
        EXPECT_EQ(centre->x, 245);
        EXPECT_EQ(centre->y, 252);
        EXPECT_FALSE(ProjectToScreen(viewProj, 0, 0, -20, 491, 504).has_value());
    }
}

} // namespace
