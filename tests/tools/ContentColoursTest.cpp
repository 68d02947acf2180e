#include "modelgen/ModelDesc.h"
#include "modelgen/Textures.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace {

std::filesystem::path GameModelSources() {
    return std::filesystem::path(TESSARINE_TEST_DATA_DIR).parent_path().parent_path() / "content" /
           "models";
}

const TMaterialDesc& MaterialOf(const TModelDesc& model, const std::string& name) {
    for (const TMaterialDesc& material : model.materials) {
        if (material.name == name) {
            return material;
        }
    }
    throw std::runtime_error(model.sourceName + " has no material " + name);
}

// How light a textured material reads before the light falls on it: the
// texture's mean colour times the material's diffuse colour, as luminance 0..255.
// Faces that share a light compare by this alone.
double Lightness(const TMaterialDesc& material) {
    for (const TPicture& texture : PaintTextures()) {
        if (texture.path != material.texture) {
            continue;
        }
        double r = 0, g = 0, b = 0;
        const TImage& image = texture.image;
        for (int y = 0; y < image.Height(); ++y) {
            for (int x = 0; x < image.Width(); ++x) {
                r += image.At(x, y).r;
                g += image.At(x, y).g;
                b += image.At(x, y).b;
            }
        }
        const double count = image.Width() * image.Height();
        return (0.3 * r * material.diffuse.r + 0.59 * g * material.diffuse.g +
                0.11 * b * material.diffuse.b) /
               count;
    }
    throw std::runtime_error("no painted texture " + material.texture);
}

// The switch doors are riveted steel: seen in the game's light beside the
// stone of their frame they must read as bright metal, not as a dark slab.
TEST(ContentColours, TheSteelDoorLeafReadsClearlyLighterThanTheStoneFrameAroundIt) {
    const TModelDesc leaf = ReadModelDesc((GameModelSources() / "door_leaf.yaml").string());
    const TModelDesc frame = ReadModelDesc((GameModelSources() / "door_frame.yaml").string());
    const double steel = Lightness(MaterialOf(leaf, "steel"));
    const double stone = Lightness(MaterialOf(frame, "base"));
    EXPECT_GT(steel, stone * 1.25) << "steel " << steel << ", stone " << stone;
}

} // namespace
