#include "scene/gl/Glengine.h"

#include "platform/GameFiles.h"
#include "scene/Dx7grph.h"
#include "scene/Dx7matrix.h"
#include "scene/Texturecontainer.h"
#include "support/PictureFiles.h"
#include "support/TempFolder.h"

#include <QColor>
#include <QPointF>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace {

constexpr int ViewWidth = 96;
constexpr int ViewHeight = 80;
// One step of the 16-bit colour buffer, and a little.
constexpr int Tolerance = 9;

std::string Number(float value) {
    return std::to_string(value);
}

std::string Material(float r, float g, float b, float a, const std::string& texture = {}) {
    std::string text = "Material { " + Number(r) + ";" + Number(g) + ";" + Number(b) + ";" +
                       Number(a) + ";; 0; 0;0;0;; 0;0;0;;";
    if (!texture.empty()) {
        text += " TextureFilename { \"" + texture + "\"; }";
    }
    return text + " }";
}

// A rectangle facing the camera at depth z, its texture spread over it left to
// right and top (v = 0) to bottom; clockwise as the camera sees it unless
// turned away.
std::string Rectangle(const std::string& name, float left, float bottom, float right, float top,
                      float z, const std::string& material, bool turnedAway = false) {
    const std::string l = Number(left), b = Number(bottom), r = Number(right), t = Number(top);
    const std::string d = Number(z);
    return "Mesh " + name + " {\n 4; " + l + ";" + b + ";" + d + ";, " + l + ";" + t + ";" + d +
           ";, " + r + ";" + t + ";" + d + ";, " + r + ";" + b + ";" + d + ";;\n 1; " +
           (turnedAway ? "4;3,2,1,0;;" : "4;0,1,2,3;;") +
           "\n MeshTextureCoords { 4; 0;1;, 0;0;, 1;0;, 1;1;; }\n MeshMaterialList { 1; 1; 0;; " +
           material + " }\n}\n";
}

// A 10 x 10 square facing the camera at depth z.
std::string Square(const std::string& name, float z, const std::string& material,
                   bool turnedAway = false) {
    return Rectangle(name, -5.0f, -5.0f, 5.0f, 5.0f, z, material, turnedAway);
}

// A square of side 2 x half lying on the floor around the origin, clockwise
// as a camera above it sees it.
std::string FloorSquare(float half, const std::string& material) {
    const std::string n = Number(-half), p = Number(half);
    return "Mesh Floor {\n 4; " + n + ";0;" + p + ";, " + p + ";0;" + p + ";, " + p + ";0;" + n +
           ";, " + n + ";0;" + n + ";;\n 1; 4;0,1,2,3;;\n MeshMaterialList { 1; 1; 0;; " +
           material + " }\n}\n";
}

// Red above blue: the upper half of the 10 x 10 square at depth 20 is red.
std::string RedOverBlue() {
    return Rectangle("Upper", -5.0f, 0.0f, 5.0f, 5.0f, 20.0f, Material(1.0f, 0.0f, 0.0f, 1.0f)) +
           Rectangle("Lower", -5.0f, -5.0f, 5.0f, 0.0f, 20.0f, Material(0.0f, 0.0f, 1.0f, 1.0f));
}

// The mean pixel position of everything drawn over the green background.
std::optional<QPointF> MeanOfDrawnPixels(const QImage& frame) {
    double sumX = 0, sumY = 0;
    int count = 0;
    for (int y = 0; y < frame.height(); ++y) {
        for (int x = 0; x < frame.width(); ++x) {
            if (frame.pixelColor(x, y) != QColor(0, 255, 0)) {
                sumX += x;
                sumY += y;
                ++count;
            }
        }
    }
    if (count == 0) {
        return std::nullopt;
    }
    return QPointF(sumX / count, sumY / count);
}

struct TExpected {
    int r, g, b;
};

// The fixed-function result for a face whose normal points at the camera
// (0, 0, -1) scaled by `normalLength`, under light 0.
TExpected LitColour(float r, float g, float b, float normalLength) {
    const float x = 0.2f, y = -1.0f, z = 0.4f;
    const float towards = normalLength * z / std::sqrt(x * x + y * y + z * z);
    auto channel = [&](float material) {
        const float lit = std::clamp(0.48f * material + 0.52f * towards * material, 0.0f, 1.0f);
        return static_cast<int>(std::lround(lit * 255.0f));
    };
    return {channel(r), channel(g), channel(b)};
}

class GlEngine : public testing::Test {
protected:
    void SetUp() override {
        Start(nullptr);
        ASSERT_TRUE(engine.HasDevice()) << "OpenGL rendering needs an X display (Xvfb)";
    }

    // The engine on a view (none: offscreen), its camera at the origin.
    void Start(QWidget* view) {
        engine.InitDevice(view, 0, ViewWidth, ViewHeight);
        engine.SetupScene();
        engine.SetProjection(0.9f, 9.0f, 36.0f, 0.8f);
        engine.ApplyView();
    }
    TScopedInstance<CD3DTextureManager> textures;

    TDX7_Xfile& Model(const std::string& name, const std::string& meshes) {
        WriteWholeGameFile(name, std::vector<std::uint8_t>(meshes.begin(), meshes.end()));
        graphics.push_back(std::make_unique<TDX7_Xfile>());
        EXPECT_TRUE(graphics.back()->LoadFile(name));
        return *graphics.back();
    }

    // A square at depth 20 whose texture's left texel is black (the key)
    // and its right one pure red.
    TDX7_Xfile& KeyedSquare() {
        std::filesystem::create_directory("Obje");
        const TTestPicture picture{2, 1, {{0, 0, 0, 255}, {255, 0, 0, 255}}};
        WriteWholeGameFile("Obje/Key.bmp", EncodeBitmap(picture, {24, false, false}));
        return Model("keyed.x",
                     "xof 0303txt 0032\n" +
                         Square("Face", 20.0f, Material(1.0f, 1.0f, 1.0f, 1.0f, "Obje/Key.bmp")));
    }

    QColor Centre() const { return engine.FrameImage().pixelColor(ViewWidth / 2, ViewHeight / 2); }

    // Inside the square at depth 20, which covers rows 16 to 63: 3/10 and
    // 7/10 of the way down.
    static QPoint UpperMiddle() { return {ViewWidth / 2, ViewHeight * 3 / 10}; }
    static QPoint LowerMiddle() { return {ViewWidth / 2, ViewHeight * 7 / 10}; }

    static void ExpectNear(const QColor& got, const TExpected& want, const std::string& what) {
        EXPECT_NEAR(got.red(), want.r, Tolerance) << what;
        EXPECT_NEAR(got.green(), want.g, Tolerance) << what;
        EXPECT_NEAR(got.blue(), want.b, Tolerance) << what;
    }

    TTempFolder folder;
    TGLEngine engine;
    std::vector<std::unique_ptr<TDX7_Xfile>> graphics;
};

TEST_F(GlEngine, RendersIntoSixteenBitsAndClearsToGreen) {
    EXPECT_EQ(engine.SurfaceColorDepth(), 16);
    engine.BeginFrame();
    engine.EndFrame();
    const QImage& frame = engine.FrameImage();
    ASSERT_EQ(frame.size(), QSize(ViewWidth, ViewHeight));
    for (const QPoint at : {QPoint(0, 0), QPoint(ViewWidth - 1, ViewHeight - 1)}) {
        EXPECT_EQ(frame.pixelColor(at), QColor(0, 255, 0));
    }
}

TEST_F(GlEngine, LitFacesMatchTheFixedFunctionResult) {
    struct TCase {
        const char* what;
        float scale;
        bool turnedAway;
    };
    const std::vector<TCase> cases = {
        {"facing the camera", 0.0f, false},
        // Doubling the size halves the transformed normal, which is not renormalised.
        {"scaled up twice", 1.0f, false},
        {"counter-clockwise faces are culled", 0.0f, true},
    };
    for (const TCase& c : cases) {
        TDX7_Xfile& square =
            Model("square.x",
                  "xof 0303txt 0032\n" + Square("Face", 20.0f / (1.0f + c.scale),
                                                Material(0.8f, 0.6f, 0.4f, 1.0f), c.turnedAway));
        TOneMat world;
        world.Scale(1.0f + c.scale, 1.0f + c.scale, 1.0f + c.scale);
        engine.BeginFrame();
        engine.Draw(square, world);
        engine.EndFrame();
        if (c.turnedAway) {
            EXPECT_EQ(Centre(), QColor(0, 255, 0)) << c.what;
        } else {
            ExpectNear(Centre(), LitColour(0.8f, 0.6f, 0.4f, 1.0f / (1.0f + c.scale)), c.what);
        }
    }
}

TEST_F(GlEngine, ColourKeyedTexelsAreNotDrawn) {
    TDX7_Xfile& square = KeyedSquare();
    engine.SetColorKey("obje\\key.bmp", 0);
    engine.BeginFrame();
    engine.Draw(square, TOneMat());
    engine.EndFrame();
    const QImage& frame = engine.FrameImage();
    EXPECT_EQ(frame.pixelColor(ViewWidth / 2 - 5, ViewHeight / 2), QColor(0, 255, 0));
    const TExpected red = LitColour(1.0f, 0.0f, 0.0f, 1.0f);
    ExpectNear(frame.pixelColor(ViewWidth / 2 + 5, ViewHeight / 2), red, "unkeyed texel");
}

TEST_F(GlEngine, HalfAlphaMeshIsBlendedOverTheOpaqueOnesInTheSecondPass) {
    // The transparent square comes first in the file and stands in front.
    TDX7_Xfile& model = Model(
        "glass.x", "xof 0303txt 0032\n" + Square("Glass", 15.0f, Material(0.0f, 0.0f, 1.0f, 0.5f)) +
                       Square("Wall", 25.0f, Material(1.0f, 0.0f, 0.0f, 1.0f)));
    engine.BeginFrame();
    engine.Draw(model, TOneMat());
    engine.EndFrame();
    const TExpected glass = LitColour(0.0f, 0.0f, 1.0f, 1.0f);
    const TExpected wall = LitColour(1.0f, 0.0f, 0.0f, 1.0f);
    ExpectNear(Centre(), {(glass.r + wall.r) / 2, (glass.g + wall.g) / 2, (glass.b + wall.b) / 2},
               "blended");
}

// One texture stage as the device has it by default: the colour is texture
// times lit colour, the alpha is the texture's own.
TEST_F(GlEngine, TexturedFacesTakeTheirAlphaFromTheTexture) {
    std::filesystem::create_directory("Obje");
    const TTestPicture white{1, 1, {{255, 255, 255, 128}}};
    WriteWholeGameFile("Obje/Half.tga", EncodeTarga(white, {2, 32, false, false}));
    WriteWholeGameFile("Obje/Solid.bmp", EncodeBitmap(white, {24, false, false}));
    const TExpected glass = LitColour(0.0f, 0.0f, 1.0f, 1.0f);
    const TExpected wall = LitColour(1.0f, 0.0f, 0.0f, 1.0f);
    const TExpected blended{(glass.r + wall.r) / 2, (glass.g + wall.g) / 2, (glass.b + wall.b) / 2};
    struct TCase {
        const char* texture;
        TExpected centre;
    };
    for (const TCase& c : {TCase{"Obje/Half.tga", blended}, TCase{"Obje/Solid.bmp", glass}}) {
        TDX7_Xfile& model = Model(
            "textured.x", "xof 0303txt 0032\n" +
                              Square("Glass", 15.0f, Material(0.0f, 0.0f, 1.0f, 0.5f, c.texture)) +
                              Square("Wall", 25.0f, Material(1.0f, 0.0f, 0.0f, 1.0f)));
        engine.BeginFrame();
        engine.Draw(model, TOneMat());
        engine.EndFrame();
        ExpectNear(Centre(), c.centre, c.texture);
    }
}

// Every other test samples rows the same way up as they are drawn, so a
// flip in the read-back, the texture upload or the painting would pass them.
TEST_F(GlEngine, TheTopOfTheSceneIsTheTopOfTheFrame) {
    std::filesystem::create_directory("Obje");
    const TTestPicture redOverBlue{1, 2, {{255, 0, 0, 255}, {0, 0, 255, 255}}};
    WriteWholeGameFile("Obje/Halves.bmp", EncodeBitmap(redOverBlue, {24, false, false}));
    struct TCase {
        const char* what;
        std::string meshes;
    };
    const std::vector<TCase> cases = {
        {"two squares", RedOverBlue()},
        {"a texture", Square("Face", 20.0f, Material(1.0f, 1.0f, 1.0f, 1.0f, "Obje/Halves.bmp"))},
    };
    for (const TCase& c : cases) {
        TDX7_Xfile& model = Model("halves.x", "xof 0303txt 0032\n" + c.meshes);
        engine.BeginFrame();
        engine.Draw(model, TOneMat());
        engine.EndFrame();
        const QImage& frame = engine.FrameImage();
        ExpectNear(frame.pixelColor(UpperMiddle()), LitColour(1.0f, 0.0f, 0.0f, 1.0f),
                   std::string(c.what) + ": top");
        ExpectNear(frame.pixelColor(LowerMiddle()), LitColour(0.0f, 0.0f, 1.0f, 1.0f),
                   std::string(c.what) + ": bottom");
    }
}

// Picking finds the map cell under the pointer with ProjectToScreen and the
// engine's view-projection, so a point must be drawn where it says. The
// camera stands as the game's does: behind, above, looking down.
TEST_F(GlEngine, DrawnPointsLandWhereProjectToScreenSays) {
    constexpr int Width = 320;
    constexpr int Height = 240;
    engine.InitDevice(nullptr, 0, Width, Height);
    engine.SetupScene();
    engine.SetProjection(0.9f, 9.0f, 36.0f, 0.8f);
    engine.GetViewMat().XRota(30.0f);
    engine.GetViewMat().Move(1.0f, 8.0f, -12.0f);
    engine.ApplyView();
    TOneMat viewProj;
    engine.GetViewProj(viewProj);
    TDX7_Xfile& marker = Model("marker.x", "xof 0303txt 0032\n" +
                                               FloorSquare(0.3f, Material(1.0f, 0.0f, 0.0f, 1.0f)));
    // Near the middle, right, left and high up, and low down in the view.
    const std::vector<std::pair<float, float>> floorPoints = {
        {0.0f, 0.0f}, {3.0f, 2.0f}, {-3.0f, 6.0f}, {0.0f, 14.0f}, {2.0f, -4.0f}};
    for (const auto& [x, z] : floorPoints) {
        const std::string where = "floor point " + Number(x) + ", " + Number(z);
        TOneMat world;
        world.Move(x, 0.0f, z);
        engine.BeginFrame();
        engine.Draw(marker, world);
        engine.EndFrame();
        const auto projected = ProjectToScreen(viewProj, x, 0.0f, z, Width, Height);
        const auto drawn = MeanOfDrawnPixels(engine.FrameImage());
        ASSERT_TRUE(projected.has_value()) << where;
        ASSERT_TRUE(drawn.has_value()) << where;
        // ProjectToScreen cuts the fraction off; the drawing rounds it.
        EXPECT_NEAR(drawn->x(), projected->x + 0.5, 1.0) << where;
        EXPECT_NEAR(drawn->y(), projected->y + 0.5, 1.0) << where;
    }
}

TEST_F(GlEngine, EndFramePaintsTheFrameIntoTheView) {
    QWidget view;
    view.resize(ViewWidth, ViewHeight);
    view.show();
    Start(&view);
    TDX7_Xfile& model = Model("halves.x", "xof 0303txt 0032\n" + RedOverBlue());
    engine.BeginFrame();
    engine.Draw(model, TOneMat());
    engine.EndFrame();
    const QImage shown = view.grab().toImage();
    EXPECT_EQ(shown.pixelColor(0, 0), QColor(0, 255, 0));
    ExpectNear(shown.pixelColor(UpperMiddle()), LitColour(1.0f, 0.0f, 0.0f, 1.0f), "top");
    ExpectNear(shown.pixelColor(LowerMiddle()), LitColour(0.0f, 0.0f, 1.0f, 1.0f), "bottom");
}

// The engine makes the device buffers of every model known when it starts on
// a window, with their textures; a key set afterwards still applies, and
// frame after frame is read back into the same picture the view shows.
TEST_F(GlEngine, ModelsReadBeforeTheStartDrawFromTheFirstFrameIntoOnePicture) {
    TDX7_Xfile& keyed = KeyedSquare();
    TDX7_Xfile& halves = Model("halves.x", "xof 0303txt 0032\n" + RedOverBlue());
    QWidget view;
    view.resize(ViewWidth, ViewHeight);
    view.show();
    Start(&view);
    engine.SetColorKey("Obje/Key.bmp", 0);

    engine.BeginFrame();
    engine.Draw(keyed, TOneMat());
    engine.EndFrame();
    const uchar* memory = engine.FrameImage().constBits();
    EXPECT_EQ(engine.FrameImage().pixelColor(ViewWidth / 2 - 5, ViewHeight / 2), QColor(0, 255, 0));
    ExpectNear(engine.FrameImage().pixelColor(ViewWidth / 2 + 5, ViewHeight / 2),
               LitColour(1.0f, 0.0f, 0.0f, 1.0f), "unkeyed texel");

    engine.BeginFrame();
    engine.Draw(halves, TOneMat());
    engine.EndFrame();
    EXPECT_EQ(engine.FrameImage().constBits(), memory) << "the second frame reuses the picture";
    ExpectNear(engine.FrameImage().pixelColor(LowerMiddle()), LitColour(0.0f, 0.0f, 1.0f, 1.0f),
               "second frame");
    const QImage shown = view.grab().toImage();
    ExpectNear(shown.pixelColor(UpperMiddle()), LitColour(1.0f, 0.0f, 0.0f, 1.0f), "shown top");
}

} // namespace
