#include "modelgen/XFileWriter.h"

#include "modelgen/ModelDesc.h"
#include "platform/SjisText.h"

#include <cctype>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

// A small reader of the text .x format, enough to check the structure: data
// objects with their values (separators dropped) and nested objects.
struct TXObject {
    std::string kind;
    std::string name;
    std::vector<std::string> values;
    std::vector<std::unique_ptr<TXObject>> children;

    const TXObject* Child(const std::string& childKind) const {
        for (const auto& child : children) {
            if (child->kind == childKind) {
                return child.get();
            }
        }
        return nullptr;
    }
    int Int(size_t i) const { return std::stoi(values.at(i)); }
    double Float(size_t i) const { return std::stod(values.at(i)); }
};

class TXReader {
public:
    explicit TXReader(const std::string& text) {
        size_t i = 0;
        while (i < text.size()) {
            const char c = text[i];
            if (std::isspace(static_cast<unsigned char>(c)) || c == ';' || c == ',') {
                ++i;
            } else if (c == '{' || c == '}') {
                tokens.emplace_back(1, c);
                ++i;
            } else if (c == '"') {
                const size_t end = text.find('"', i + 1);
                tokens.push_back(text.substr(i, end - i + 1));
                i = end + 1;
            } else {
                size_t end = i;
                while (end < text.size() && !std::isspace(static_cast<unsigned char>(text[end])) &&
                       std::string(";,{}\"").find(text[end]) == std::string::npos) {
                    ++end;
                }
                tokens.push_back(text.substr(i, end - i));
                i = end;
            }
        }
    }

    std::vector<std::unique_ptr<TXObject>> TopLevel() {
        EXPECT_EQ(Next(), "xof");
        EXPECT_EQ(Next(), "0303txt");
        EXPECT_EQ(Next(), "0032");
        std::vector<std::unique_ptr<TXObject>> objects;
        while (position < tokens.size()) {
            objects.push_back(Object());
        }
        return objects;
    }

private:
    std::vector<std::string> tokens;
    size_t position = 0;

    std::string At(size_t i) const { return i < tokens.size() ? tokens[i] : std::string(); }
    std::string Next() { return position < tokens.size() ? tokens[position++] : std::string(); }

    std::unique_ptr<TXObject> Object() {
        auto object = std::make_unique<TXObject>();
        object->kind = Next();
        if (tokens.at(position) != "{") {
            object->name = Next();
        }
        EXPECT_EQ(Next(), "{");
        while (position < tokens.size() && tokens[position] != "}") {
            const bool nested = std::isalpha(static_cast<unsigned char>(tokens[position][0])) &&
                                (At(position + 1) == "{" || At(position + 2) == "{");
            if (nested) {
                object->children.push_back(Object());
            } else {
                object->values.push_back(Next());
            }
        }
        EXPECT_EQ(Next(), "}");
        return object;
    }
};

// Checks what the loader relies on and returns the mesh's vertex count.
size_t CheckMesh(const TXObject& mesh, size_t materialCount) {
    const size_t vertices = mesh.Int(0);
    const size_t faceCountAt = 1 + vertices * 3;
    const size_t faces = mesh.Int(faceCountAt);
    size_t at = faceCountAt + 1;
    std::vector<std::vector<int>> faceList;
    for (size_t f = 0; f < faces; ++f) {
        const int n = mesh.Int(at++);
        std::vector<int> face;
        for (int k = 0; k < n; ++k) {
            face.push_back(mesh.Int(at++));
            EXPECT_LT(static_cast<size_t>(face.back()), vertices);
        }
        faceList.push_back(face);
    }
    EXPECT_EQ(at, mesh.values.size()) << "values after the faces";

    const TXObject* normals = mesh.Child("MeshNormals");
    EXPECT_NE(normals, nullptr);
    if (normals) {
        // One normal per vertex, or the loader ignores them.
        EXPECT_EQ(static_cast<size_t>(normals->Int(0)), vertices);
        const size_t normalFaces = normals->Int(1 + vertices * 3);
        EXPECT_EQ(normalFaces, faces);
        size_t n = 2 + vertices * 3;
        for (const auto& face : faceList) {
            EXPECT_EQ(static_cast<size_t>(normals->Int(n++)), face.size());
            for (int index : face) {
                EXPECT_EQ(normals->Int(n++), index);
            }
        }
        EXPECT_EQ(n, normals->values.size());
    }
    const TXObject* coords = mesh.Child("MeshTextureCoords");
    EXPECT_NE(coords, nullptr);
    if (coords) {
        EXPECT_EQ(static_cast<size_t>(coords->Int(0)), vertices);
        EXPECT_EQ(coords->values.size(), 1 + vertices * 2);
    }
    const TXObject* list = mesh.Child("MeshMaterialList");
    EXPECT_NE(list, nullptr);
    if (list) {
        EXPECT_EQ(static_cast<size_t>(list->Int(0)), materialCount);
        EXPECT_EQ(static_cast<size_t>(list->Int(1)), faces);
        EXPECT_EQ(list->values.size(), 2 + faces);
        EXPECT_EQ(list->children.size(), materialCount);
        for (const auto& material : list->children) {
            EXPECT_EQ(material->kind, "Material");
            EXPECT_EQ(material->values.size(), 4u + 1 + 3 + 3);
        }
    }
    return vertices;
}

const std::string Door = R"(materials:
  - name: wood
    diffuse: [0.6, 0.4, 0.2]
    power: 8
    specular: [0.1, 0.1, 0.1]
    texture: Obje/ダンジョン/扉.bmp
  - name: glass
    diffuse: [0.5, 0.7, 1.0, 0.5]
    emissive: [0.1, 0.1, 0.2]
parts:
  - box: {size: [2, 0.2, 2]}
    material: wood
frames:
  - name: Leaf
    translate: [1, 2, 3]
    rotate: [0, 90, 0]
    parts:
      - box: {size: [2, 2.4, 0.2]}
        material: wood
        translate: [0, 1.2, 0]
      - sphere: {radius: 0.2, segments: 6, rings: 3}
        material: glass
    frames:
      - name: Knob
        scale: 2
        parts:
          - cylinder: {radius: 0.1, height: 0.3, segments: 5}
            material: wood
            rotate: [90, 0, 0]
  - name: Empty
)";

TEST(XFileWriter, OutputParsesBackWithTheLoadersCounts) {
    const std::string text = XFileText(ParseModelDesc(Door, "door.yaml"));
    ASSERT_EQ(text.rfind("xof 0303txt 0032\n", 0), 0u);
    const auto objects = TXReader(text).TopLevel();
    ASSERT_EQ(objects.size(), 3u);

    EXPECT_EQ(objects[0]->kind, "Mesh");
    EXPECT_EQ(CheckMesh(*objects[0], 2), 24u);

    const TXObject& leaf = *objects[1];
    EXPECT_EQ(leaf.kind, "Frame");
    EXPECT_EQ(leaf.name, "Leaf");
    ASSERT_NE(leaf.Child("FrameTransformMatrix"), nullptr);
    EXPECT_EQ(leaf.Child("FrameTransformMatrix")->values.size(), 16u);
    ASSERT_NE(leaf.Child("Mesh"), nullptr);
    // The box and the sphere's 6 × 3 faces in one mesh.
    EXPECT_EQ(CheckMesh(*leaf.Child("Mesh"), 2), 24u + 6 * 2 * 3 + 6 * 1 * 4);
    const TXObject* list = leaf.Child("Mesh")->Child("MeshMaterialList");
    EXPECT_EQ(list->Int(2), 0);                          // the box's first face: wood
    EXPECT_EQ(list->Int(static_cast<size_t>(2 + 6)), 1); // the sphere's first face: glass
    const TXObject* knob = leaf.Child("Frame");
    ASSERT_NE(knob, nullptr);
    EXPECT_EQ(knob->name, "Knob");
    EXPECT_EQ(CheckMesh(*knob->Child("Mesh"), 2), 5u * 6);

    EXPECT_EQ(objects[2]->name, "Empty");
    EXPECT_EQ(objects[2]->Child("Mesh"), nullptr);
}

TEST(XFileWriter, MaterialsKeepColoursAndShiftJisTextureNames) {
    const auto objects = TXReader(XFileText(ParseModelDesc(Door, "door.yaml"))).TopLevel();
    const TXObject* list = objects[0]->Child("MeshMaterialList");
    const TXObject& wood = *list->children[0];
    EXPECT_EQ(wood.values[0], "0.600000");
    EXPECT_EQ(wood.values[3], "1.000000"); // alpha defaults to opaque
    EXPECT_EQ(wood.values[4], "8.000000");
    ASSERT_NE(wood.Child("TextureFilename"), nullptr);
    EXPECT_EQ(wood.Child("TextureFilename")->values.at(0),
              "\"" + Sjis("Obje/ダンジョン/扉.bmp") + "\"");
    const TXObject& glass = *list->children[1];
    EXPECT_EQ(glass.values[3], "0.500000");
    EXPECT_EQ(glass.values[10], "0.200000");
    EXPECT_EQ(glass.Child("TextureFilename"), nullptr);
}

TEST(XFileWriter, FrameMatrixIsStoredMirroredForTheLoader) {
    const auto objects = TXReader(XFileText(ParseModelDesc(Door, "door.yaml"))).TopLevel();
    const TXObject& m = *objects[1]->Child("FrameTransformMatrix");
    // Turned 90° about y and moved to (1, 2, 3): the loader negates m02, m20,
    // m12, m21 and m32 and gets RY(90) × T(1, 2, 3) back.
    TMat4 loaded;
    for (int i = 0; i < 16; ++i) {
        loaded.m[i / 4][i % 4] = m.Float(i);
    }
    loaded = StoredFrameMatrix(loaded);
    const TMat4 expected = TMat4::RotationY(90) * TMat4::Translation({1, 2, 3});
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            EXPECT_NEAR(loaded.m[r][c], expected.m[r][c], 1e-6) << r << "," << c;
        }
    }
    EXPECT_EQ(m.values[2], "1.000000");   // m02 of RY(90) is -1, stored mirrored
    EXPECT_EQ(m.values[14], "-3.000000"); // m32
}

TEST(XFileWriter, SmallModelIsWrittenExactly) {
    const std::string plane = R"(materials:
  - name: floor
    texture: Obje/ダンジョン/床.bmp
parts:
  - plane: {size: [2, 2]}
)";
    const std::string expected = "xof 0303txt 0032\n"
                                 "\n"
                                 "Mesh Mesh {\n"
                                 " 4;\n"
                                 " -1.000000;0.000000;1.000000;,\n"
                                 " 1.000000;0.000000;1.000000;,\n"
                                 " 1.000000;0.000000;-1.000000;,\n"
                                 " -1.000000;0.000000;-1.000000;;\n"
                                 " 1;\n"
                                 " 4;0,1,2,3;;\n"
                                 " MeshNormals {\n"
                                 "  4;\n"
                                 "  0.000000;1.000000;0.000000;,\n"
                                 "  0.000000;1.000000;0.000000;,\n"
                                 "  0.000000;1.000000;0.000000;,\n"
                                 "  0.000000;1.000000;0.000000;;\n"
                                 "  1;\n"
                                 "  4;0,1,2,3;;\n"
                                 " }\n"
                                 " MeshTextureCoords {\n"
                                 "  4;\n"
                                 "  0.000000;0.000000;,\n"
                                 "  1.000000;0.000000;,\n"
                                 "  1.000000;1.000000;,\n"
                                 "  0.000000;1.000000;;\n"
                                 " }\n"
                                 " MeshMaterialList {\n"
                                 "  1;\n"
                                 "  1;\n"
                                 "  0;\n"
                                 "  Material {\n"
                                 "   1.000000;1.000000;1.000000;1.000000;;\n"
                                 "   0.000000;\n"
                                 "   0.000000;0.000000;0.000000;;\n"
                                 "   0.000000;0.000000;0.000000;;\n"
                                 "   TextureFilename {\n"
                                 "    \"" +
                                 Sjis("Obje/ダンジョン/床.bmp") +
                                 "\";\n"
                                 "   }\n"
                                 "  }\n"
                                 " }\n"
                                 "}\n";
    EXPECT_EQ(XFileText(ParseModelDesc(plane, "plane.yaml")), expected);
}

// The examples the README shows stay buildable.
TEST(XFileWriter, ExamplesBuild) {
    for (const char* name : {"chest.yaml", "key.yaml"}) {
        const auto examples =
            std::filesystem::path(TESSARINE_TEST_DATA_DIR).parent_path().parent_path() / "tools" /
            "modelgen" / "examples";
        const TModelDesc model = ReadModelDesc((examples / name).string());
        const auto objects = TXReader(XFileText(model)).TopLevel();
        EXPECT_FALSE(objects.empty()) << name;
        EXPECT_GT(CheckMesh(*objects[0], model.materials.size()), 0u) << name;
    }
}

TEST(XFileWriter, MeshTooLargeForSixteenBitIndicesIsRefused) {
    const TModelDesc model =
        ParseModelDesc("materials:\n  - name: a\nframes:\n  - name: Ball\n    parts:\n"
                       "      - sphere: {radius: 1, segments: 130, rings: 128}\n",
                       "ball.yaml");
    try {
        XFileText(model);
        FAIL() << "accepted";
    } catch (const TModelDescError& e) {
        EXPECT_STREQ(e.what(),
                     "ball.yaml: mesh BallMesh has 66300 vertices; at most 65535 fit one mesh");
    }
}

TEST(XFileWriter, SameDescriptionGivesSameBytes) {
    EXPECT_EQ(XFileText(ParseModelDesc(Door, "a.yaml")), XFileText(ParseModelDesc(Door, "b.yaml")));
}

} // namespace
