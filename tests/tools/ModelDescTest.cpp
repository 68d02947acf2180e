#include "modelgen/ModelDesc.h"

#include <gtest/gtest.h>
#include <string>

namespace {

std::string ErrorOf(const std::string& yaml) {
    try {
        ParseModelDesc(yaml, "m.yaml");
    } catch (const TModelDescError& e) {
        return e.what();
    }
    return "(accepted)";
}

const std::string OneMaterial = "materials:\n  - name: stone\n";

struct TBadCase {
    const char* what;
    std::string yaml;
    std::string error;
};

TEST(ModelDesc, MistakesAreReportedWithFileAndLine) {
    const TBadCase cases[] = {
        {"no materials", "parts: []\n", "m.yaml:1: 'materials' must list at least one material"},
        {"typo in a key",
         OneMaterial + "parts:\n  - box: {size: [1, 1, 1]}\n    trnslate: [0, 1, 0]\n",
         "m.yaml:5: unknown key 'trnslate'"},
        {"unknown material",
         OneMaterial + "  - name: wood\nparts:\n  - box: {size: [1, 1, 1]}\n    material: iron\n",
         "m.yaml:6: unknown material 'iron'"},
        {"material left out among several",
         OneMaterial + "  - name: wood\nparts:\n  - box: {size: [1, 1, 1]}\n",
         "m.yaml:5: a part needs a material when the model has several"},
        {"box without size", OneMaterial + "parts:\n  - box: {}\n", "m.yaml:4: 'size' is missing"},
        {"zero size", OneMaterial + "parts:\n  - box: {size: [1, 0, 1]}\n",
         "m.yaml:4: box size must be greater than 0"},
        {"text for a number", OneMaterial + "parts:\n  - sphere: {radius: big}\n",
         "m.yaml:4: radius must be a number"},
        {"two primitives",
         OneMaterial + "parts:\n  - box: {size: [1, 1, 1]}\n    plane: {size: [1, 1]}\n",
         "m.yaml:4: a part holds one primitive, not both box and plane"},
        {"too few segments",
         OneMaterial + "parts:\n  - cone: {radius: 1, height: 1, segments: 2}\n",
         "m.yaml:4: segments must be a whole number from 3 to 256"},
        {"colour out of range", "materials:\n  - name: a\n    diffuse: [1.5, 0, 0]\n",
         "m.yaml:3: diffuse components run from 0 to 1"},
        {"texture outside Shift-JIS",
         "materials:\n  - name: a\n    texture: \"Obje/\xF0\x9F\x98\x80.bmp\"\n",
         "m.yaml:3: the texture name has characters outside Shift-JIS"},
        {"same frame twice", OneMaterial + "frames:\n  - name: Lid\n  - name: Lid\n",
         "m.yaml:5: frame 'Lid' is defined twice"},
        {"frame name with a space", OneMaterial + "frames:\n  - name: the lid\n",
         "m.yaml:4: a frame's name is letters, digits and '_', not starting with a digit"},
        {"mirrored frame", OneMaterial + "frames:\n  - name: Lid\n    scale: [-1, 1, 1]\n",
         "m.yaml:5: a frame's scale must be positive (mirror the parts instead)"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ErrorOf(c.yaml), c.error) << c.what;
    }
}

TEST(ModelDesc, BrokenYamlNamesTheLine) {
    EXPECT_EQ(ErrorOf(OneMaterial + "parts: [\n").rfind("m.yaml:4: ", 0), 0u);
}

TEST(ModelDesc, SeventeenMaterialsAreTooMany) {
    std::string yaml = "materials:\n";
    for (int i = 0; i < 17; ++i) {
        yaml += "  - name: m" + std::to_string(i) + "\n";
    }
    EXPECT_EQ(ErrorOf(yaml), "m.yaml:2: a model has at most 16 materials");
}

TEST(ModelDesc, DefaultsAndTheOnlyMaterial) {
    const TModelDesc model = ParseModelDesc(
        OneMaterial +
            "parts:\n  - box: {size: [2, 2, 2]}\n    scale: 0.5\n    uv: {scale: [2, 3]}\n",
        "m.yaml");
    ASSERT_EQ(model.materials.size(), 1u);
    const TMaterialDesc& stone = model.materials[0];
    EXPECT_EQ(stone.diffuse.r, 1.0);
    EXPECT_EQ(stone.diffuse.a, 1.0);
    EXPECT_EQ(stone.power, 0.0);
    EXPECT_TRUE(stone.texture.empty());
    ASSERT_EQ(model.top.parts.size(), 1u);
    const TMesh& box = model.top.parts[0].mesh;
    double maxX = 0.0;
    double maxU = 0.0;
    double maxV = 0.0;
    for (const auto& vertex : box.vertices) {
        maxX = std::max(maxX, vertex.position.x);
        maxU = std::max(maxU, vertex.u);
        maxV = std::max(maxV, vertex.v);
    }
    EXPECT_EQ(maxX, 0.5);
    EXPECT_EQ(maxU, 2.0);
    EXPECT_EQ(maxV, 3.0);
    for (const auto& face : box.faces) {
        EXPECT_EQ(face.material, 0);
    }
}

} // namespace
