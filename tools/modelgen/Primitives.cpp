#include "modelgen/Primitives.h"

#include <cmath>
#include <numbers>

namespace {

TMeshVertex Vertex(TVec3 position, TVec3 normal, double u, double v) {
    return {position, Normalized(normal), u, v};
}

// Around the y axis from north (+z) towards east (+x).
TVec3 Around(double fraction) {
    const double angle = 2.0 * std::numbers::pi * fraction;
    return {std::sin(angle), 0.0, std::cos(angle)};
}

} // namespace

TMesh MakeBox(TVec3 size) {
    TMesh mesh;
    const TVec3 half = size * 0.5;
    struct TSide {
        TVec3 normal;
        TVec3 up;
    };
    const TSide sides[] = {
        {{0, 0, -1}, {0, 1, 0}}, {{1, 0, 0}, {0, 1, 0}}, {{0, 0, 1}, {0, 1, 0}},
        {{-1, 0, 0}, {0, 1, 0}}, {{0, 1, 0}, {0, 0, 1}}, {{0, -1, 0}, {0, 0, -1}},
    };
    for (const auto& side : sides) {
        // Seen from outside, looking along -normal with `up` upwards.
        const TVec3 right = Cross(side.up, side.normal * -1.0);
        const auto along = [&](TVec3 axis) {
            return std::abs(axis.x) * half.x + std::abs(axis.y) * half.y +
                   std::abs(axis.z) * half.z;
        };
        const TVec3 centre = side.normal * along(side.normal);
        const TVec3 r = right * along(right);
        const TVec3 u = side.up * along(side.up);
        mesh.AddPolygon(
            {Vertex(centre - r + u, side.normal, 0, 0), Vertex(centre + r + u, side.normal, 1, 0),
             Vertex(centre + r - u, side.normal, 1, 1), Vertex(centre - r - u, side.normal, 0, 1)},
            side.normal);
    }
    return mesh;
}

namespace {

void AddCap(TMesh& mesh, double radius, double y, int segments) {
    const TVec3 normal{0, y > 0 ? 1.0 : -1.0, 0};
    std::vector<TMeshVertex> corners;
    for (int i = 0; i < segments; ++i) {
        const TVec3 dir = Around(static_cast<double>(i) / segments);
        corners.push_back(
            Vertex(dir * radius + TVec3{0, y, 0}, normal, 0.5 + dir.x * 0.5, 0.5 - dir.z * 0.5));
    }
    mesh.AddPolygon(std::move(corners), normal);
}

} // namespace

TMesh MakeCylinder(double radius, double height, int segments) {
    TMesh mesh;
    const double top = height / 2;
    std::vector<TMeshVertex> upper;
    std::vector<TMeshVertex> lower;
    for (int i = 0; i <= segments; ++i) {
        const double u = static_cast<double>(i) / segments;
        const TVec3 dir = Around(u);
        upper.push_back(Vertex(dir * radius + TVec3{0, top, 0}, dir, u, 0));
        lower.push_back(Vertex(dir * radius - TVec3{0, top, 0}, dir, u, 1));
    }
    for (int i = 0; i < segments; ++i) {
        mesh.AddPolygon({upper[i], upper[i + 1], lower[i + 1], lower[i]},
                        Around((i + 0.5) / segments));
    }
    AddCap(mesh, radius, top, segments);
    AddCap(mesh, radius, -top, segments);
    return mesh;
}

TMesh MakeCone(double radius, double height, int segments) {
    TMesh mesh;
    const double top = height / 2;
    // The side's normal leans up by the slope of the cone.
    const auto sideNormal = [&](double fraction) {
        return Around(fraction) * height + TVec3{0, radius, 0};
    };
    for (int i = 0; i < segments; ++i) {
        const double u0 = static_cast<double>(i) / segments;
        const double u1 = static_cast<double>(i + 1) / segments;
        const double mid = (i + 0.5) / segments;
        mesh.AddPolygon({Vertex({0, top, 0}, sideNormal(mid), mid, 0),
                         Vertex(Around(u1) * radius - TVec3{0, top, 0}, sideNormal(u1), u1, 1),
                         Vertex(Around(u0) * radius - TVec3{0, top, 0}, sideNormal(u0), u0, 1)},
                        sideNormal(mid));
    }
    AddCap(mesh, radius, -top, segments);
    return mesh;
}

TMesh MakeSphere(double radius, int segments, int rings) {
    TMesh mesh;
    const auto at = [&](int i, int j) {
        const double u = static_cast<double>(i) / segments;
        const double v = static_cast<double>(j) / rings;
        const double polar = std::numbers::pi * v;
        const TVec3 dir = Around(u) * std::sin(polar) + TVec3{0, std::cos(polar), 0};
        // The pole's direction is straight up or down whatever the segment.
        const TVec3 normal = (j == 0 || j == rings) ? TVec3{0, std::cos(polar), 0} : dir;
        return Vertex(normal * radius, normal, u, v);
    };
    for (int j = 0; j < rings; ++j) {
        for (int i = 0; i < segments; ++i) {
            const TVec3 outward =
                Around((i + 0.5) / segments) * std::sin(std::numbers::pi * (j + 0.5) / rings) +
                TVec3{0, std::cos(std::numbers::pi * (j + 0.5) / rings), 0};
            if (j == 0) {
                mesh.AddPolygon({at(i, 0), at(i + 1, 1), at(i, 1)}, outward);
            } else if (j == rings - 1) {
                mesh.AddPolygon({at(i, j), at(i + 1, j), at(i, rings)}, outward);
            } else {
                mesh.AddPolygon({at(i, j), at(i + 1, j), at(i + 1, j + 1), at(i, j + 1)}, outward);
            }
        }
    }
    return mesh;
}

TMesh MakePlane(double width, double depth, bool doubleSided) {
    TMesh mesh;
    const double x = width / 2;
    const double z = depth / 2;
    const auto quad = [&](TVec3 normal) {
        mesh.AddPolygon({Vertex({-x, 0, z}, normal, 0, 0), Vertex({x, 0, z}, normal, 1, 0),
                         Vertex({x, 0, -z}, normal, 1, 1), Vertex({-x, 0, -z}, normal, 0, 1)},
                        normal);
    };
    quad({0, 1, 0});
    if (doubleSided) {
        quad({0, -1, 0});
    }
    return mesh;
}
