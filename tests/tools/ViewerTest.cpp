#include "anim/Acterplan.h"
#include "anim/Movestepdata.h"
#include "platform/GameError.h"
#include "scene/Grphdata.h"
#include "scene/NullEngine.h"
#include "scene/Objedata.h"
#include "scene/Texturecontainer.h"
#include "support/RecordingMessages.h"
#include "support/TempFolder.h"
#include "viewer/core/ActerSubject.h"
#include "viewer/core/ModelSubject.h"
#include "viewer/core/ViewCamera.h"
#include "world/DataFile.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace {

const std::string DataDir = std::string(TESSARINE_TEST_DATA_DIR) + "/scene/";

void ExpectPoint(const std::array<float, 3>& got, float x, float y, float z) {
    EXPECT_NEAR(got[0], x, 1e-5);
    EXPECT_NEAR(got[1], y, 1e-5);
    EXPECT_NEAR(got[2], z, 1e-5);
}

// The largest distance from the view's centre of the box's turned corners,
// in view widths and heights (1 = the edge).
float ExtentInView(TNullEngine& engine, const TBounds& box, const TViewCamera& camera) {
    TOneMat viewProj;
    engine.GetViewProj(viewProj);
    const TOneMat turning = camera.TurnMatrix(box);
    float extent = 0.0f;
    for (int corner = 0; corner < 8; ++corner) {
        const auto turned = TransformPoint((corner & 1) ? box.high[0] : box.low[0],
                                           (corner & 2) ? box.high[1] : box.low[1],
                                           (corner & 4) ? box.high[2] : box.low[2], turning);
        const auto p = TransformPoint(turned[0], turned[1], turned[2], viewProj);
        EXPECT_GT(p[3], 0.0f);
        EXPECT_GE(p[2] / p[3], 0.0f) << "behind the near plane";
        EXPECT_LE(p[2] / p[3], 1.0f) << "beyond the far plane";
        extent = std::max({extent, std::fabs(p[0] / p[3]), std::fabs(p[1] / p[3])});
    }
    return extent;
}

// Models register their textures while they load.
class Viewer : public testing::Test {
protected:
    TScopedInstance<CD3DTextureManager> textures;
};

TEST_F(Viewer, ModelSubjectIsBoundedAndOutlinedThroughItsFrames) {
    TTempFolder folder;
    const TModelSubject model(DataDir + "alpha_half.x");
    const TBounds box = model.Bounds();
    ExpectPoint(box.low, 1.0f, 1.0f, -4.0f);
    ExpectPoint(box.high, 1.0f, 3.0f, -2.0f);
    EXPECT_EQ(model.Outline(),
              (std::vector<std::string>{"Frame Holder", "  Frame Inner",
                                        "    Mesh Square: 4 vertices, 2 triangles, drawn blended",
                                        "      slot 0: 2 triangles, colour 0.20 0.40 0.60 0.50, "
                                        "Obje\\\\Glass.BMP"}));
    EXPECT_TRUE(model.MotionNames().empty());
}

TEST_F(Viewer, MissingModelIsAnErrorNamingIt) {
    TRecordingMessages messages;
    EXPECT_THROW(TModelSubject("none.x"), TGameError);
    EXPECT_EQ(messages.Texts().size(), 1u);
}

TEST_F(Viewer, CameraFramesTheSubjectToFillMostOfTheView) {
    TTempFolder folder;
    const TModelSubject model(DataDir + "swapped_materials.x");
    const TBounds box = model.Bounds();
    for (const float pitch : {0.0f, 30.0f, 56.0f, -40.0f}) {
        for (const float turn : {0.0f, 45.0f, 90.0f}) {
            TNullEngine engine;
            TViewCamera camera;
            camera.pitch = pitch;
            camera.turn = turn;
            camera.Apply(engine, box);
            const float extent = ExtentInView(engine, box, camera);
            EXPECT_GT(extent, 0.8f) << pitch << " " << turn;
            EXPECT_LE(extent, 0.851f) << pitch << " " << turn;
        }
    }
}

TEST_F(Viewer, TurningSpinsAboutTheVerticalAxisThroughTheCentre) {
    TBounds box;
    box.Add(1.0f, 0.0f, 1.0f);
    box.Add(3.0f, 2.0f, 5.0f);
    TViewCamera camera;
    camera.turn = 90.0f;
    const auto centre = TransformPoint(2.0f, 1.0f, 3.0f, camera.TurnMatrix(box));
    EXPECT_NEAR(centre[0], 2.0f, 1e-5);
    EXPECT_NEAR(centre[2], 3.0f, 1e-5);
    const auto edge = TransformPoint(2.0f, 1.0f, 5.0f, camera.TurnMatrix(box));
    EXPECT_NEAR(edge[0], 4.0f, 1e-5) << "+z turns towards +x";
    EXPECT_NEAR(edge[2], 3.0f, 1e-5);
}

// A game folder with one acter: a group (part 1) holding a leaf (part 2)
// that draws the two-colour model; its only motion lifts part 2 by 0.5 a
// tick for four ticks.
class ViewerActer : public testing::Test {
protected:
    ViewerActer() {
        std::filesystem::create_directories("Obje");
        std::filesystem::create_directories("Data");
        std::filesystem::copy_file(DataDir + "swapped_materials.x", "Obje/colours.x");
        TDataWriter graphics;
        WriteGrphData(graphics, {{3, "colours", {}}});
        graphics.SaveTo(GrphDataFileName);
        TObjePlan group{};
        group.objeNo = 9;
        group.visible = 1;
        TObjePlan leaf = group;
        leaf.isLeaf = 1;
        leaf.grphNo = 3;
        leaf.parentNo = 1;
        TDataWriter objects;
        WriteObjeData(objects, {group, leaf});
        objects.SaveTo(ObjeDataFileName);
        TMotionStepProg lift;
        lift.head.motionNo = 5;
        lift.head.count = 4;
        lift.head.countUp = 1;
        lift.text = "2<Move>0,0.5,0";
        TDataWriter motions;
        WriteMoveStepData(motions, {lift});
        motions.SaveTo(MoveStepDataFileName);
        TDataWriter acters;
        WriteActerData(acters, {{7, 9, "5", 0}});
        acters.SaveTo(ActerDataFileName);
    }

    TTempFolder folder;
};

TEST_F(ViewerActer, ActerShowsItsPartsAndPlaysItsMotions) {
    TActerSubject acter(7);
    EXPECT_EQ(acter.Outline(), (std::vector<std::string>{
                                   "Acter 7, object 9", "  Part 1 (group)", "    Part 2 (leaf)",
                                   "      Mesh TwoColours: 6 vertices, 2 triangles",
                                   "        slot 0: 1 triangles, colour 1.00 0.00 0.00 1.00",
                                   "        slot 1: 1 triangles, colour 0.00 0.00 1.00 1.00"}));
    EXPECT_EQ(acter.MotionNames(), (std::vector<std::string>{"0: motion 5, 1 steps"}));
    const float low = acter.Bounds().low[1];

    acter.PlayMotion(0);
    for (int tick = 0; tick < 4; ++tick) {
        acter.Step();
    }
    EXPECT_NEAR(acter.Bounds().low[1], low + 2.0f, 1e-5);
    TNullEngine engine;
    acter.Draw(engine, TOneMat());
    ASSERT_EQ(engine.Draws().size(), 1u);
    EXPECT_NEAR(engine.Draws()[0].world[13], 2.0f, 1e-5);

    acter.ResetPose();
    EXPECT_NEAR(acter.Bounds().low[1], low, 1e-5);
}

} // namespace
