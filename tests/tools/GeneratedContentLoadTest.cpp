#include "modelgen/ModelDesc.h"
#include "modelgen/Pictures.h"
#include "modelgen/Textures.h"
#include "modelgen/XFileWriter.h"
#include "platform/SjisText.h"
#include "scene/D3dfile.h"
#include "scene/Texturecontainer.h"
#include "scene/Textureimage.h"
#include "support/TempFolder.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

// What the tool writes, read back through the game's own model loader and
// bitmap decoder.
namespace {

const std::string Chest = R"(materials:
  - name: wood
    diffuse: [0.8, 0.6, 0.4]
    texture: Obje/ダンジョン/宝箱.bmp
  - name: gold
    diffuse: [1, 0.8, 0.2]
  - name: glow
    diffuse: [1, 1, 0.5, 0.5]
parts:
  - box: {size: [1.2, 0.6, 0.8]}
    material: wood
    translate: [0, 0.3, 0]
frames:
  - name: Lid
    translate: [0, 0.6, 0.4]
    rotate: [-30, 0, 0]
    parts:
      - cylinder: {radius: 0.4, height: 1.2, segments: 7}
        material: gold
        rotate: [0, 0, 90]
      - cone: {radius: 0.2, height: 0.3, segments: 5}
        material: glow
)";

std::vector<std::uint8_t> BytesOf(const std::string& text) {
    return std::vector<std::uint8_t>(text.begin(), text.end());
}

size_t TriangleCount(const CD3DFileObject& mesh) {
    size_t indices = 0;
    for (const auto& slot : mesh.Slots()) {
        indices += slot.indices.size();
    }
    return indices / 3;
}

// Every loaded triangle, seen from its front, must be clockwise: the normal a
// loader computes, (b - a) × (c - b), agrees with the normals we stored.
void ExpectFrontFacesAgreeWithNormals(const CD3DFileObject& mesh) {
    for (const auto& slot : mesh.Slots()) {
        for (size_t i = 0; i + 2 < slot.indices.size(); i += 3) {
            const TD3DVertex& a = mesh.Vertices()[slot.indices[i]];
            const TD3DVertex& b = mesh.Vertices()[slot.indices[i + 1]];
            const TD3DVertex& c = mesh.Vertices()[slot.indices[i + 2]];
            const TVec3 n = Cross(TVec3{b.x - a.x, b.y - a.y, b.z - a.z},
                                  TVec3{c.x - b.x, c.y - b.y, c.z - b.z});
            if (Length(n) < 1e-6) {
                continue;
            }
            for (const TD3DVertex* v : {&a, &b, &c}) {
                EXPECT_GT(Dot(n, TVec3{v->nx, v->ny, v->nz}), 0.0) << mesh.Name();
            }
        }
    }
}

TEST(GeneratedContent, ModelLoadsWithItsMeshesFramesAndMaterials) {
    TTempFolder folder;
    const TScopedInstance<CD3DTextureManager> textures;
    WritePictures(".", PaintTextures());
    CD3DFile model;
    model.LoadFromBytes(BytesOf(XFileText(ParseModelDesc(Chest, "chest.yaml"))));

    const auto& top = model.Root().Children();
    ASSERT_EQ(top.size(), 2u);
    const CD3DFileObject& box = *top[0];
    ASSERT_TRUE(box.IsMesh());
    EXPECT_EQ(box.Vertices().size(), 24u);
    EXPECT_EQ(TriangleCount(box), 12u);
    EXPECT_EQ(box.Slots()[0].indices.size(), 36u);
    EXPECT_EQ(box.Slots()[0].textureName, Sjis("Obje/ダンジョン/宝箱.bmp"));
    EXPECT_FLOAT_EQ(box.Slots()[0].material.diffuse.g, 0.6f);
    // The glow material is listed in every mesh, so every mesh is blended.
    EXPECT_TRUE(box.HasAlpha());
    ExpectFrontFacesAgreeWithNormals(box);

    const CD3DFileObject& lid = *top[1];
    EXPECT_EQ(lid.Name(), "Lid");
    const TMat4 intended = TMat4::RotationX(-30) * TMat4::Translation({0, 0.6, 0.4});
    for (int i = 0; i < 16; ++i) {
        EXPECT_NEAR(lid.Matrix()[static_cast<size_t>(i)], intended.m[i / 4][i % 4], 1e-6) << i;
    }
    ASSERT_EQ(lid.Children().size(), 1u);
    const CD3DFileObject& lidMesh = *lid.Children()[0];
    // 7 side quads and two heptagon caps; 5 side triangles and a pentagon.
    EXPECT_EQ(lidMesh.Vertices().size(), 7u * 4 + 2 * 7 + 5 * 3 + 5);
    EXPECT_EQ(lidMesh.Slots()[1].indices.size(), 3u * (7 * 2 + 2 * 5));
    EXPECT_EQ(lidMesh.Slots()[2].indices.size(), 3u * (5 + 3));
    ExpectFrontFacesAgreeWithNormals(lidMesh);

    const TextureContainer* texture =
        CD3DTextureManager::Instance().Find(Sjis("Obje/ダンジョン/宝箱.bmp"));
    ASSERT_NE(texture, nullptr);
    EXPECT_TRUE(texture->Loaded());
    EXPECT_EQ(texture->Width(), 64);
}

TEST(GeneratedContent, EveryPictureDecodesAtItsSize) {
    std::vector<TPicture> all = PaintTextures();
    for (auto& picture : GamePictures()) {
        all.push_back(std::move(picture));
    }
    for (auto& picture : ArtPictures()) {
        all.push_back(std::move(picture));
    }
    for (const auto& picture : all) {
        const TTextureImage decoded = DecodeBitmap(EncodeBmp(picture.image, picture.depth));
        EXPECT_EQ(decoded.width, picture.image.Width()) << picture.path;
        EXPECT_EQ(decoded.height, picture.image.Height()) << picture.path;
        // Top-left and bottom-right pixels survive the round trip.
        const auto pixel = [&](int x, int y) {
            const size_t at = (static_cast<size_t>(y) * decoded.width + x) * 4;
            return TRgb{decoded.rgba[at], decoded.rgba[at + 1], decoded.rgba[at + 2]};
        };
        const int w = picture.image.Width();
        const int h = picture.image.Height();
        EXPECT_EQ(pixel(0, 0), picture.image.At(0, 0)) << picture.path;
        EXPECT_EQ(pixel(w - 1, h - 1), picture.image.At(w - 1, h - 1)) << picture.path;
    }
}

} // namespace
