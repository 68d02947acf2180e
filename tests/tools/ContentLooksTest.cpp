#include "Content.h"
#include "activemap/Drawmaster.h"
#include "modelgen/ModelDesc.h"
#include "modelgen/Textures.h"
#include "support/TestContent.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <set>
#include <string>

namespace {

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
TEST(ContentLooks, TheSteelDoorLeafReadsClearlyLighterThanTheStoneFrameAroundIt) {
    const auto models = GameContentSources() / "models";
    const TModelDesc leaf = ReadModelDesc((models / "door_leaf.yaml").string());
    const TModelDesc frame = ReadModelDesc((models / "door_frame.yaml").string());
    const double steel = Lightness(MaterialOf(leaf, "steel"));
    const double stone = Lightness(MaterialOf(frame, "base"));
    EXPECT_GT(steel, stone * 1.25) << "steel " << steel << ", stone " << stone;
}

// Bodies of wall pieces that leave part of their square open to the ground:
// the hedge, the wooden fence and the counter.
const std::set<std::int32_t> GroundShowingBodies{153, 154, 155};

// A square holds no floor tile under a wall unless it is given one, and the
// view shows nothing there: around a hedge that is the 3D view's bare
// background, in lines along every hedge.
TEST(ContentLooks, WallPiecesThatLeaveTheirSquareOpenStandOnAFloorTile) {
    const TContent content = ReadContent(GameContentSources() / "data");
    ASSERT_TRUE(content.stages && content.town && content.pieces && content.pieces->walls);
    std::set<int> open;
    for (const auto& wall : *content.pieces->walls) {
        if (GroundShowingBodies.count(wall.plan.bodyNumber)) {
            open.insert(wall.plan.id);
        }
    }
    ASSERT_EQ(open.size(), GroundShowingBodies.size());

    std::set<std::string> bare;
    const auto look = [&](const auto& grid, const std::string& where) {
        for (size_t y = 0; y < grid.size(); ++y) {
            for (size_t x = 0; x < grid[y].size(); ++x) {
                if (open.count(grid[y][x].wallObje) && grid[y][x].floarTile == 0) {
                    bare.insert(where);
                }
            }
        }
    };
    const TDungeonData& stages = content.stages->stages;
    for (size_t s = 0; s < stages.size(); ++s) {
        for (size_t f = 0; f < stages[s].floars.size(); ++f) {
            look(stages[s].floars[f].grid,
                 "stage " + std::to_string(s + 1) + " floor " + std::to_string(f + 1));
        }
    }
    for (size_t a = 0; a < content.town->areas.size(); ++a) {
        look(content.town->areas[a].grid, "village area " + std::to_string(a));
    }
    EXPECT_TRUE(bare.empty()) << "without a floor tile under hedges, fences or counters: "
                              << testing::PrintToString(bare);
}

// The dark rock beyond the grid's edges is the only thing the camera sees at
// the top of the view when she stands on the first row inside the border, the
// top row of most floors. Above the far edge of the north scenery, five cells
// out, there is only the view's bare background, so the rock must be tall
// enough for the view's top edge to meet it there.
TEST(ContentLooks, TheNorthSceneryFillsTheTopOfTheViewFromTheFirstRowInside) {
    const TModelDesc rock =
        ReadModelDesc((GameContentSources() / "models" / "out_field.yaml").string());
    double top = 0.0;
    for (const TPartDesc& part : rock.top.parts) {
        for (const TMeshVertex& vertex : part.mesh.vertices) {
            top = std::max(top, vertex.position.y);
        }
    }
    constexpr double pi = 3.14159265358979323846;
    const double downward = TDrawMaster::CameraPitch * pi / 180.0 - TDrawMaster::FieldOfView / 2.0;
    // From row 1 to the far side of row -5, the scenery's last row, in world units.
    const double farEdgeNorth = (1 + 5) * 2.0 + 1.0;
    const double viewTopThere =
        TDrawMaster::CameraHeight - (TDrawMaster::CameraBack + farEdgeNorth) * std::tan(downward);
    EXPECT_GT(top, viewTopThere + 0.1) << "the rock's top " << top << ", the view's top edge "
                                       << viewTopThere << " high over its far side";
}

} // namespace
