#include "modelgen/Primitives.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace {

struct TPrimitiveCase {
    std::string name;
    std::function<TMesh()> make;
    size_t vertices;
    size_t faces;
};

class PrimitiveTest : public ::testing::TestWithParam<TPrimitiveCase> {};

TVec3 Centroid(const TMesh& mesh, const TMeshFace& face) {
    TVec3 sum;
    for (int index : face.indices) {
        sum = sum + mesh.vertices[index].position;
    }
    return sum * (1.0 / static_cast<double>(face.indices.size()));
}

TEST_P(PrimitiveTest, CountsMatch) {
    const TMesh mesh = GetParam().make();
    EXPECT_EQ(mesh.vertices.size(), GetParam().vertices);
    EXPECT_EQ(mesh.faces.size(), GetParam().faces);
    for (const auto& face : mesh.faces) {
        ASSERT_GE(face.indices.size(), 3u);
        for (int index : face.indices) {
            ASSERT_GE(index, 0);
            ASSERT_LT(static_cast<size_t>(index), mesh.vertices.size());
        }
    }
}

// Each face is drawn as a fan from its first vertex; every fan triangle's
// (b - a) × (c - b), the normal a loader computes, must point out of the
// solid (these primitives are centred on the origin), and the stored vertex
// normals must lean the same way.
TEST_P(PrimitiveTest, FrontFacesPointOutwards) {
    const TMesh mesh = GetParam().make();
    for (size_t f = 0; f < mesh.faces.size(); ++f) {
        const auto& face = mesh.faces[f];
        const TVec3 outward = Centroid(mesh, face);
        for (size_t k = 1; k + 1 < face.indices.size(); ++k) {
            const TVec3 a = mesh.vertices[face.indices[0]].position;
            const TVec3 b = mesh.vertices[face.indices[k]].position;
            const TVec3 c = mesh.vertices[face.indices[k + 1]].position;
            const TVec3 n = Cross(b - a, c - b);
            if (Length(n) < 1e-9) {
                continue; // a fan may touch a pole
            }
            EXPECT_GT(Dot(n, outward), 0.0) << GetParam().name << " face " << f;
        }
        for (int index : face.indices) {
            EXPECT_GT(Dot(mesh.vertices[index].normal, PolygonNormal(mesh, face)), 0.0)
                << GetParam().name << " face " << f;
            EXPECT_NEAR(Length(mesh.vertices[index].normal), 1.0, 1e-9);
        }
    }
}

TEST_P(PrimitiveTest, TextureCoordinatesStayOnThePicture) {
    for (const auto& vertex : GetParam().make().vertices) {
        EXPECT_GE(vertex.u, 0.0);
        EXPECT_LE(vertex.u, 1.0);
        EXPECT_GE(vertex.v, 0.0);
        EXPECT_LE(vertex.v, 1.0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Mesher, PrimitiveTest,
    ::testing::Values(
        TPrimitiveCase{"box",
                       [] {
                           return MakeBox({2, 1, 0.5});
                       },
                       24, 6},
        // 8 side quads and two octagon caps.
        TPrimitiveCase{"cylinder", [] { return MakeCylinder(1, 2, 8); }, 8 * 4 + 2 * 8, 10},
        // 6 side triangles and the hexagonal base.
        TPrimitiveCase{"cone", [] { return MakeCone(1, 2, 6); }, 6 * 3 + 6, 7},
        // 8 triangles at each pole and 8 × 3 quads between.
        TPrimitiveCase{"sphere", [] { return MakeSphere(1, 8, 5); }, 2 * 8 * 3 + 8 * 3 * 4, 8 * 5},
        TPrimitiveCase{"sphere of two rings", [] { return MakeSphere(1, 3, 2); }, 2 * 3 * 3, 6}),
    [](const auto& param) {
        std::string name = param.param.name;
        for (char& c : name) {
            c = c == ' ' ? '_' : c;
        }
        return name;
    });

TEST(Mesher, PlaneFacesUpAndItsBackFacesDown) {
    const TMesh single = MakePlane(2, 3, false);
    ASSERT_EQ(single.faces.size(), 1u);
    EXPECT_GT(PolygonNormal(single, single.faces[0]).y, 0.0);
    const TMesh both = MakePlane(2, 3, true);
    ASSERT_EQ(both.faces.size(), 2u);
    EXPECT_EQ(both.vertices.size(), 8u);
    EXPECT_LT(PolygonNormal(both, both.faces[1]).y, 0.0);
    // North (+z) is at the top of the texture.
    for (const auto& vertex : single.vertices) {
        EXPECT_EQ(vertex.v, vertex.position.z > 0 ? 0.0 : 1.0);
    }
}

TEST(Mesher, BoxSidesShowTheTextureUpright) {
    const TMesh box = MakeBox({2, 2, 2});
    // The south face (facing -z, the way bodies face) is the first one.
    const auto& south = box.faces[0];
    for (int index : south.indices) {
        const auto& vertex = box.vertices[index];
        EXPECT_EQ(vertex.position.z, -1.0);
        EXPECT_EQ(vertex.v, vertex.position.y > 0 ? 0.0 : 1.0);
        // Seen from the south, east (+x) is on the right.
        EXPECT_EQ(vertex.u, vertex.position.x > 0 ? 1.0 : 0.0);
    }
}

TEST(Mesher, PlacementScalesRotatesThenMoves) {
    TPlacement placement;
    placement.scale = {2, 1, 1};
    placement.rotate = {0, 90, 0};
    placement.translate = {0, 5, 0};
    // A unit step north becomes, after the turn, a step east.
    const TVec3 p = TransformPoint({0, 0, 1}, placement.Matrix());
    EXPECT_NEAR(p.x, 1.0, 1e-12);
    EXPECT_NEAR(p.y, 5.0, 1e-12);
    EXPECT_NEAR(p.z, 0.0, 1e-12);
    const TVec3 q = TransformPoint({1, 0, 0}, placement.Matrix());
    EXPECT_NEAR(q.z, -2.0, 1e-12);
}

TEST(Mesher, MirroringPlacementKeepsFacesOutwards) {
    TPlacement mirror;
    mirror.scale = {-1, 1, 1};
    mirror.translate = {3, 0, 0};
    const TMesh box = Placed(MakeBox({1, 1, 1}), mirror);
    for (const auto& face : box.faces) {
        const TVec3 outward = Centroid(box, face) - TVec3{3, 0, 0};
        EXPECT_GT(Dot(PolygonNormal(box, face), outward), 0.0);
        for (int index : face.indices) {
            EXPECT_GT(Dot(box.vertices[index].normal, outward), 0.0);
        }
    }
}

TEST(Mesher, NonUniformScaleKeepsNormalsPerpendicular) {
    TPlacement flat;
    flat.scale = {4, 1, 1};
    flat.rotate = {0, 0, 30};
    const TMesh cylinder = Placed(MakeCylinder(1, 1, 12), flat);
    // The side normals of a stretched cylinder are no longer radial, but
    // stay perpendicular to the side's axis line.
    const auto& quad = cylinder.faces[0];
    const TVec3 faceNormal = Normalized(PolygonNormal(cylinder, quad));
    for (int index : quad.indices) {
        const TVec3 along = cylinder.vertices[quad.indices[0]].position -
                            cylinder.vertices[quad.indices[3]].position;
        EXPECT_NEAR(Dot(cylinder.vertices[index].normal, Normalized(along)), 0.0, 1e-9);
        EXPECT_GT(Dot(cylinder.vertices[index].normal, faceNormal), 0.0);
    }
}

} // namespace
