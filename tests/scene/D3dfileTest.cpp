#include "scene/D3dfile.h"

#include "platform/GameFiles.h"
#include "platform/SjisText.h"
#include "scene/Texturecontainer.h"
#include "scene/Xfileparser.h"

#include <gtest/gtest.h>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::string DataDir = std::string(TESSARINE_TEST_DATA_DIR) + "/scene/";

std::vector<std::uint8_t> FixtureBytes(const std::string& name) {
    return ReadWholeGameFile(DataDir + name);
}

std::vector<std::uint8_t> BytesOf(const std::string& text) {
    return std::vector<std::uint8_t>(text.begin(), text.end());
}

const CD3DFileObject& OnlyChild(const CD3DFileObject& node) {
    EXPECT_EQ(node.Children().size(), 1u) << node.Name();
    return *node.Children().at(0);
}

std::vector<std::uint16_t> Indices(const CD3DFileObject& mesh, int slot) {
    return mesh.Slots()[static_cast<size_t>(slot)].indices;
}

void ExpectColor(const TD3DColor& c, float r, float g, float b, float a) {
    EXPECT_FLOAT_EQ(c.r, r);
    EXPECT_FLOAT_EQ(c.g, g);
    EXPECT_FLOAT_EQ(c.b, b);
    EXPECT_FLOAT_EQ(c.a, a);
}

void ExpectNormal(const TD3DVertex& v, float x, float y, float z) {
    EXPECT_NEAR(v.nx, x, 1e-6);
    EXPECT_NEAR(v.ny, y, 1e-6);
    EXPECT_NEAR(v.nz, z, 1e-6);
}

// Every test model exists as text ("name.x") and as binary ("name_bin.x").
class XModelForms : public testing::TestWithParam<const char*> {
protected:
    std::unique_ptr<CD3DFile> Load(const std::string& stem) {
        auto model = std::make_unique<CD3DFile>();
        model->LoadFromBytes(FixtureBytes(stem + GetParam() + ".x"));
        return model;
    }

    TScopedInstance<CD3DTextureManager> textures;
};

std::string FormName(const testing::TestParamInfo<const char*>& form) {
    return form.param[0] ? "Binary" : "Text";
}

INSTANTIATE_TEST_SUITE_P(TextAndBinary, XModelForms, testing::Values("", "_bin"), FormName);

TEST_P(XModelForms, FiveVertexFaceBecomesThreeTrianglesFannedFromItsFirstVertex) {
    const auto model = Load("five_vertex_face");
    const CD3DFileObject& mesh = OnlyChild(model->Root());
    ASSERT_TRUE(mesh.IsMesh());
    EXPECT_EQ(mesh.Name(), "Pentagon");
    EXPECT_EQ(Indices(mesh, 0), (std::vector<std::uint16_t>{0, 1, 2, 0, 2, 3, 0, 3, 4}));
    EXPECT_EQ(mesh.HighestSlot(), 0);
    EXPECT_FALSE(mesh.HasAlpha());
    EXPECT_FALSE(model->HasAlpha());
    const TD3DMaterial& material = mesh.Slots()[0].material;
    ExpectColor(material.diffuse, 0.8f, 0.6f, 0.4f, 1.0f);
    ExpectColor(material.ambient, 0.8f, 0.6f, 0.4f, 1.0f);
    ExpectColor(material.emissive, 0.1f, 0.1f, 0.1f, 0.0f);
    EXPECT_FLOAT_EQ(material.power, 10.0f);
    // No normals in the file: the clockwise face gets normals towards -z.
    for (const TD3DVertex& v : mesh.Vertices()) {
        ExpectNormal(v, 0.0f, 0.0f, -1.0f);
    }
}

TEST_P(XModelForms, NormalAndCoordinateListsShorterThanTheVerticesAreIgnored) {
    const auto model = Load("short_normals");
    const CD3DFileObject& mesh = OnlyChild(model->Root());
    ASSERT_EQ(mesh.Vertices().size(), 4u);
    for (const TD3DVertex& v : mesh.Vertices()) {
        ExpectNormal(v, 0.0f, 0.0f, -1.0f);
        EXPECT_EQ(v.tu, 0.0f);
        EXPECT_EQ(v.tv, 0.0f);
    }
    // Without a material list every face draws with slot 0, in plain white.
    EXPECT_EQ(Indices(mesh, 0), (std::vector<std::uint16_t>{0, 1, 2, 0, 2, 3}));
    ExpectColor(mesh.Slots()[0].material.diffuse, 1.0f, 1.0f, 1.0f, 1.0f);
}

TEST_P(XModelForms, FacesKeepTheirSlotWhileSwappedMaterialsChangePlaces) {
    const auto plain = Load("swapped_materials");
    const CD3DFileObject& mesh = OnlyChild(plain->Root());
    EXPECT_EQ(Indices(mesh, 0), (std::vector<std::uint16_t>{0, 1, 2}));
    EXPECT_EQ(Indices(mesh, 1), (std::vector<std::uint16_t>{3, 4, 5}));
    EXPECT_EQ(mesh.HighestSlot(), 1);
    ExpectColor(mesh.Slots()[0].material.diffuse, 1.0f, 0.0f, 0.0f, 1.0f);
    ExpectColor(mesh.Slots()[1].material.diffuse, 0.0f, 0.0f, 1.0f, 1.0f);
    ExpectNormal(mesh.Vertices()[4], 0.0f, 0.0f, -1.0f);
    EXPECT_EQ(mesh.Vertices()[2].tu, 1.0f);
    EXPECT_EQ(mesh.Vertices()[2].tv, 1.0f);

    CD3DFile swapped;
    swapped.SwapMat(0, 1);
    swapped.LoadFromBytes(FixtureBytes(std::string("swapped_materials") + GetParam() + ".x"));
    const CD3DFileObject& other = OnlyChild(swapped.Root());
    EXPECT_EQ(Indices(other, 0), (std::vector<std::uint16_t>{0, 1, 2}));
    ExpectColor(other.Slots()[0].material.diffuse, 0.0f, 0.0f, 1.0f, 1.0f);
    ExpectColor(other.Slots()[1].material.diffuse, 1.0f, 0.0f, 0.0f, 1.0f);
}

TEST_P(XModelForms, ReferencedHalfAlphaMaterialInsideConvertedFrames) {
    const auto model = Load("alpha_half");
    EXPECT_TRUE(model->HasAlpha()) << "a mesh deep inside has alpha";
    const CD3DFileObject& holder = OnlyChild(model->Root());
    EXPECT_EQ(holder.Name(), "Holder");
    // m02, m20, m12, m21 and m32 change sign.
    const TMatValues expected{0, 0, 1, 0, 0, 1, 0, 0, -1, 0, 0, 0, 1, 2, -3, 1};
    EXPECT_EQ(holder.Matrix(), expected);
    const CD3DFileObject& inner = OnlyChild(holder);
    EXPECT_EQ(inner.Matrix(), IdentityMat());
    const CD3DFileObject& square = OnlyChild(inner);
    ASSERT_TRUE(square.IsMesh());
    EXPECT_TRUE(square.HasAlpha());
    EXPECT_EQ(Indices(square, 0), (std::vector<std::uint16_t>{0, 1, 2, 0, 2, 3}));
    const TMaterialSlot& slot = square.Slots()[0];
    ExpectColor(slot.material.diffuse, 0.2f, 0.4f, 0.6f, 0.5f);
    ExpectColor(slot.material.specular, 0.3f, 0.3f, 0.3f, 0.0f);
    EXPECT_EQ(slot.textureName, "Obje\\\\Glass.BMP");
    // Registered at once, under a key that ignores case and separators.
    EXPECT_NE(CD3DTextureManager::Instance().Find("obje/glass.bmp"), nullptr);
}

TEST(ModelRegistry, KnowsTheModelsThatLiveWhileItExists) {
    const CD3DFile before;
    const TScopedInstance<CD3DTextureManager> textures;
    {
        const CD3DFile first;
        const CD3DFile second;
        EXPECT_EQ(textures->Models(), (std::vector<const CD3DFile*>{&first, &second}))
            << "one made before the registry is not in it";
    }
    EXPECT_TRUE(textures->Models().empty()) << "a destroyed model is forgotten";
}

TEST(XModel, SixtyFourBitFloatsReadLikeTheText) {
    CD3DFile text;
    text.LoadFromBytes(FixtureBytes("swapped_materials.x"));
    CD3DFile binary;
    binary.LoadFromBytes(FixtureBytes("swapped_materials_bin64.x"));
    const auto& a = OnlyChild(text.Root());
    const auto& b = OnlyChild(binary.Root());
    ASSERT_EQ(a.Vertices().size(), b.Vertices().size());
    for (size_t i = 0; i < a.Vertices().size(); ++i) {
        EXPECT_EQ(a.Vertices()[i].x, b.Vertices()[i].x);
        EXPECT_EQ(a.Vertices()[i].nz, b.Vertices()[i].nz);
    }
    EXPECT_EQ(Indices(a, 1), Indices(b, 1));
}

const std::string TwoTriangles =
    "xof 0303txt 0032\n"
    "Mesh { 4; 0;0;0;, 0;1;0;, 1;0;0;, 1;1;0;; 2; 3;0,1,2;, 3;2,1,3;;\n";

TEST(XModel, MaterialListRules) {
    struct TCase {
        const char* what;
        std::string list;
        std::vector<std::uint16_t> slot0;
        std::vector<std::uint16_t> slot1;
    };
    const std::string red = "Material { 1;0;0;1;; 0; 0;0;0;; 0;0;0;; }";
    const std::vector<TCase> cases = {
        {"one material: all faces in slot 0",
         "MeshMaterialList { 1; 2; 0, 1;; " + red + " }",
         {0, 1, 2, 2, 1, 3},
         {}},
        {"face count differs: all in slot 0",
         "MeshMaterialList { 2; 1; 1;; " + red + red + " }",
         {0, 1, 2, 2, 1, 3},
         {}},
        {"grouped by number",
         "MeshMaterialList { 2; 2; 1, 0;; " + red + red + " }",
         {2, 1, 3},
         {0, 1, 2}},
        {"a face beyond the 16 slots is dropped",
         "MeshMaterialList { 2; 2; 1, 16;; " + red + " }",
         {},
         {0, 1, 2}},
    };
    for (const TCase& c : cases) {
        CD3DFile model;
        model.LoadFromBytes(BytesOf(TwoTriangles + c.list + "}\n"));
        const auto& mesh = OnlyChild(model.Root());
        EXPECT_EQ(Indices(mesh, 0), c.slot0) << c.what;
        EXPECT_EQ(Indices(mesh, 1), c.slot1) << c.what;
    }
}

TEST(XModel, ShiftJisNamesMayHoldBraceBytes) {
    // The second byte of "ボ" is "{".
    const std::string text = "xof 0303txt 0032\nFrame " + Sjis("ボーン") +
                             " {\n Mesh { 3; 0;0;0;, 0;1;0;, 1;0;0;; 1; 3;0,1,2;; }\n}\n";
    CD3DFile model;
    model.LoadFromBytes(BytesOf(text));
    EXPECT_EQ(OnlyChild(model.Root()).Name(), Sjis("ボーン"));
}

TEST(XModel, DegenerateTrianglesAddNoNormalAndLoneVerticesFaceZ) {
    CD3DFile model;
    model.LoadFromBytes(BytesOf("xof 0303txt 0032\n"
                                "Mesh { 4; 0;0;0;, 0;1;0;, 0;2;0;, 5;5;5;; 1; 3;0,1,2;; }"));
    for (const TD3DVertex& v : OnlyChild(model.Root()).Vertices()) {
        ExpectNormal(v, 0.0f, 0.0f, 1.0f);
    }
}

TEST(XModel, BrokenFilesAreRejectedWithWhereAndWhat) {
    struct TCase {
        const char* what;
        std::string text;
        const char* message;
    };
    const std::vector<TCase> cases = {
        {"no header", "Mesh { }", "xof"},
        {"compressed", "xof 0303tzip0032 ...", "tzip"},
        {"index beyond the vertices",
         "xof 0303txt 0032\nMesh {\n 3; 0;0;0;, 0;1;0;, 1;0;0;;\n 1; 3;0,1,3;; }", "line 2"},
        {"more vertices announced than given", "xof 0303txt 0032\nMesh { 60000; 0;0;0;; }",
         "fewer given"},
        {"too many vertices for 16-bit indices", "xof 0303txt 0032\nMesh { 70000; }", "65536"},
        {"unknown material reference",
         "xof 0303txt 0032\nMesh { 3; 0;0;0;, 0;1;0;, 1;0;0;; 1; 3;0,1,2;;"
         " MeshMaterialList { 1; 1; 0;; { Missing } } }",
         "Missing"},
        {"object not closed", "xof 0303txt 0032\nFrame A { Frame B {", "not closed"},
        {"unterminated string", "xof 0303txt 0032\nTextureFilename { \"a.bmp; }", "string"},
        {"a count that is not whole", "xof 0303txt 0032\nMesh { 2.5; }", "not a count"},
        {"malformed number", "xof 0303txt 0032\nMesh { 1.2.3; }", "malformed"},
    };
    for (const TCase& c : cases) {
        CD3DFile model;
        try {
            model.LoadFromBytes(BytesOf(c.text));
            ADD_FAILURE() << c.what << ": loaded";
        } catch (const TXFileFormatError& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos)
                << c.what << ": " << e.what();
        }
        EXPECT_TRUE(model.IsEmpty()) << c.what;
    }
}

TEST(XModel, HugeBinaryListCountFailsBeforeAllocating) {
    std::vector<std::uint8_t> bytes = BytesOf("xof 0303bin 0032");
    // Mesh { float list of 0xFFFFFFF0 items, then nothing.
    const std::vector<std::uint8_t> tokens{1, 0, 4, 0,    0,    0,    'M',  'e', 's', 'h', 10,
                                           0, 7, 0, 0xF0, 0xFF, 0xFF, 0xFF, 0,   0,   0,   0};
    bytes.insert(bytes.end(), tokens.begin(), tokens.end());
    CD3DFile model;
    EXPECT_THROW(model.LoadFromBytes(bytes), TXFileFormatError);
}

// Every cut and a spread of damaged bytes either load or fail cleanly.
TEST(XModel, TruncatedOrDamagedFilesNeverCrash) {
    const TScopedInstance<CD3DTextureManager> textures;
    // Damaged texture names are logged by the hundred; keep them out of the output.
    std::ostringstream log;
    auto* const standardError = std::cerr.rdbuf(log.rdbuf());
    for (const char* name : {"five_vertex_face.x", "five_vertex_face_bin.x", "alpha_half.x",
                             "alpha_half_bin.x", "swapped_materials_bin64.x"}) {
        const auto whole = FixtureBytes(name);
        for (size_t length = 0; length < whole.size(); ++length) {
            CD3DFile model;
            const std::vector<std::uint8_t> cut(
                whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length));
            try {
                model.LoadFromBytes(cut);
            } catch (const TXFileFormatError&) {
            }
        }
        for (size_t at = 16; at < whole.size(); ++at) {
            for (const std::uint8_t value : std::vector<std::uint8_t>{0x00, 0xFF, 0x7F, 0x0A}) {
                auto damaged = whole;
                damaged[at] = value;
                CD3DFile model;
                try {
                    model.LoadFromBytes(damaged);
                } catch (const TXFileFormatError&) {
                }
            }
        }
    }
    std::cerr.rdbuf(standardError);
}

} // namespace
