#include "platform/SjisText.h"
#include "scene/Dx7matrix.h"
#include "support/RecordingMessages.h"

#include <gtest/gtest.h>

namespace {

constexpr float Tolerance = 1e-5f;

void ExpectPoint(const IMatrix& m, std::array<float, 3> in, std::array<float, 3> expected) {
    const auto p = TransformPoint(in[0], in[1], in[2], m);
    EXPECT_NEAR(p[0], expected[0], Tolerance);
    EXPECT_NEAR(p[1], expected[1], Tolerance);
    EXPECT_NEAR(p[2], expected[2], Tolerance);
    EXPECT_FLOAT_EQ(p[3], 1.0f);
}

void ExpectNear(const IMatrix& a, const IMatrix& b) {
    for (int i = 0; i < 16; ++i) {
        EXPECT_NEAR(a.GetOneMat().Values()[static_cast<size_t>(i)],
                    b.GetOneMat().Values()[static_cast<size_t>(i)], Tolerance)
            << "element " << i;
    }
}

TEST(Matrix, AnglesGoThroughFloatRadiansAndDoubleSineCosine) {
    EXPECT_EQ(DegToRadF, 0.01745329238474369f);
    // 60 degrees as a float angle has a cosine just below one half.
    TOneMat m;
    m.XRota(60);
    EXPECT_EQ(m.At(1, 1), 0.4999999701976776f);
    EXPECT_EQ(m.At(1, 2), 0.866025447845459f);
    EXPECT_EQ(m.At(2, 1), -0.866025447845459f);
    TOneMat y;
    y.YRota(90);
    EXPECT_EQ(y.At(0, 0), -4.371138828673793e-08f);
    EXPECT_EQ(y.At(0, 2), -1.0f);
    EXPECT_EQ(y.At(2, 0), 1.0f);
}

TEST(Matrix, PlainOperationsPostMultiply) {
    TOneMat m;
    m.Move(1, 2, 3);
    m.YRota(90);
    ExpectPoint(m, {0, 0, 0}, {3, 2, -1});
    // Positive Y rotation turns +Z towards +X.
    TOneMat r;
    r.YRota(90);
    ExpectPoint(r, {0, 0, 1}, {1, 0, 0});
}

TEST(Matrix, ProductMayOverwriteAnInput) {
    TOneMat a;
    a.Move(1, 0, 0);
    TOneMat b;
    b.ZRota(90);
    const TOneMat expected = MatProduct(a, b);
    a.MulMat(a, b);
    EXPECT_EQ(a.Values(), expected.Values());
    ExpectPoint(a, {0, 0, 0}, {0, 1, 0});
}

TEST(Matrix, ShiftedAxisRotationKeepsPointsOnTheAxis) {
    TOneMat m;
    m.XRotaAxis(90, 1, 0);
    ExpectPoint(m, {0, 1, 0}, {0, 1, 0});
    ExpectPoint(m, {0, 0, 0}, {0, 1, -1});
    TOneMat y;
    y.YRotaAxis(180, 1, 1);
    ExpectPoint(y, {0, 0, 0}, {2, 0, 2});
    TOneMat z;
    z.ZRotaAxis(90, 1, 0);
    ExpectPoint(z, {1, 0, 0}, {1, 0, 0});
    ExpectPoint(z, {2, 0, 0}, {1, 1, 0});
}

TEST(Matrix, PlainInitTypes) {
    TRecordingMessages messages;
    TOneMat m;
    m.Move(4, 5, 6);
    const TMatValues moved = m.Values();
    m.Init(5);
    EXPECT_EQ(m.Values(), moved);
    m.Init(1);
    EXPECT_EQ(m.Values(), (TMatValues{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 1, 0, 0, -1, 0}));
    m.Init(2);
    EXPECT_EQ(m.Values(), TMatValues{});
    m.Init();
    EXPECT_EQ(m.Values(), IdentityMat());
    EXPECT_TRUE(messages.Texts().empty());
}

TEST(Matrix, RigidInverseUndoesTheMatrix) {
    TOneMat m;
    m.Move(1, 0, 0);
    m.YRota(30);
    TOneMat inverse;
    inverse.CopyMat(m);
    inverse.Inverse();
    const TOneMat product = MatProduct(m, inverse);
    ExpectNear(product, TOneMat());
    EXPECT_EQ(inverse.At(0, 3), 0.0f);
    EXPECT_EQ(inverse.At(3, 3), 1.0f);
}

TEST(GroupMatrix, ScalesRotatesThenMovesWhateverTheCallOrder) {
    TGroupMat a;
    a.YRota(90);
    a.Move(1, 2, 3);
    TGroupMat b;
    b.Move(1, 2, 3);
    b.YRota(90);
    EXPECT_EQ(a.GetOneMat().Values(), b.GetOneMat().Values());
    ExpectPoint(a, {0, 0, 0}, {1, 2, 3});
    ExpectPoint(a, {0, 0, 1}, {2, 2, 3});
}

TEST(GroupMatrix, StepsAccumulate) {
    TGroupMat twice;
    twice.XRota(30);
    twice.XRota(30);
    TGroupMat once;
    once.XRota(60);
    EXPECT_EQ(twice.GetOneMat().Values(), once.GetOneMat().Values());

    TGroupMat scaled;
    scaled.Scale(1, 1, 1);
    EXPECT_FLOAT_EQ(scaled.Scaling().x, 2.0f);
    ExpectPoint(scaled, {1, 1, 1}, {2, 2, 2});
}

TEST(GroupMatrix, ShiftedAxisMatchesThePlainMatrix) {
    TGroupMat group;
    group.XRotaAxis(90, 1, 0);
    TOneMat plain;
    plain.XRotaAxis(90, 1, 0);
    ExpectNear(group, plain);
    // A later plain rotation about X keeps the shift.
    group.XRota(90);
    ExpectPoint(group, {0, 1, 0}, {0, 1, 0});
}

TEST(GroupMatrix, InitResetsStepsAndKeepsTheFreshCache) {
    TGroupMat m;
    m.Scale(2, 2, 2);
    m.Move(1, 0, 0);
    m.Init(2);
    EXPECT_EQ(m.GetOneMat().Values(), TMatValues{});
    m.Move(5, 0, 0);
    ExpectPoint(m, {1, 1, 1}, {6, 1, 1});
}

TEST(GroupMatrix, HasNoProductOrInverse) {
    TGroupMat m;
    m.Move(1, 0, 0);
    TOneMat out;
    out.Move(7, 7, 7);
    const TMatValues before = out.Values();
    m.MulMat(out, TOneMat());
    EXPECT_EQ(out.Values(), before);
    m.Inverse();
    ExpectPoint(m, {0, 0, 0}, {1, 0, 0});
    EXPECT_NE(dynamic_cast<TGroupMat*>(m.NewMat().get()), nullptr);
    EXPECT_EQ(m.NewOneMat()->Values(), IdentityMat());
}

class TBareMatrix final : public IMatrix {
public:
    using IMatrix::Init;
    void Scale(float, float, float) override {}
    void XRota(float) override {}
    void YRota(float) override {}
    void ZRota(float) override {}
    void Move(float, float, float) override {}
    void Modified(int) override {}
    void XRotaAxis(float, float, float) override {}
    void YRotaAxis(float, float, float) override {}
    void ZRotaAxis(float, float, float) override {}
    void MulMat(TOneMat&, const IMatrix&) const override {}
    const TOneMat& GetOneMat() const override { return values; }
    std::unique_ptr<IMatrix> NewMat() const override { return std::make_unique<TBareMatrix>(); }
    void Inverse() override {}

private:
    TOneMat values;
};

TEST(Matrix, InitWithoutOverrideShowsTheNotice) {
    TRecordingMessages messages;
    TBareMatrix m;
    m.Init();
    ASSERT_EQ(messages.Texts().size(), 1u);
    EXPECT_EQ(messages.Texts()[0], Sjis("IMatrix::Init仮想メソッド非対応"));
}

TEST(ViewMatrix, XRotaAndMoveActOnTheViewMatrix) {
    TViewMat camera;
    camera.Move(0, 10, 0);
    camera.XRota(90);
    camera.YRota(45); // the group part only
    TOneMat expected;
    expected.Move(0, 10, 0);
    expected.XRota(90);
    EXPECT_EQ(camera.GetOneMat().Values(), expected.Values());
    camera.Init();
    EXPECT_EQ(camera.GetOneMat().Values(), expected.Values());
}

TEST(ViewMatrix, ShiftedAxisRotationsGoToTheGroupPart) {
    TViewMat camera;
    camera.XRotaAxis(90, 1, 2);
    camera.YRotaAxis(30, 3, 4);
    camera.ZRotaAxis(45, 5, 6);
    EXPECT_EQ(camera.GetOneMat().Values(), IdentityMat()) << "the view matrix is untouched";
    EXPECT_FLOAT_EQ(camera.Rotation().x, 90.0f);
    EXPECT_FLOAT_EQ(camera.Rotation().y, 30.0f);
    EXPECT_FLOAT_EQ(camera.Rotation().z, 45.0f);
}

TEST(Projection, PixelPositionTruncatesTowardsZero) {
    // Clip coordinates equal to the point, W = 1 + z.
    TOneMat m(TMatValues{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 1, 0, 0, 0, 1});
    const auto centre = ProjectToScreen(m, 0, 0, 0, 491, 504);
    ASSERT_TRUE(centre.has_value());
    EXPECT_EQ(centre->x, 245);
    EXPECT_EQ(centre->y, 252);
    const auto corner = ProjectToScreen(m, 0.5f, 0.5f, 0, 491, 504);
    ASSERT_TRUE(corner.has_value());
    EXPECT_EQ(corner->x, 367); // trunc(0.5 * 245 + 245) = trunc(367.5)
    EXPECT_EQ(corner->y, 126);
    const auto leftOff = ProjectToScreen(m, -1.5f, 0, 0, 491, 504);
    ASSERT_TRUE(leftOff.has_value());
    EXPECT_EQ(leftOff->x, -122); // trunc(-122.5) rounds towards zero
    EXPECT_FALSE(ProjectToScreen(m, 0, 0, -1, 491, 504).has_value());
    EXPECT_FALSE(ProjectToScreen(m, 0, 0, -2, 491, 504).has_value());
}

} // namespace
