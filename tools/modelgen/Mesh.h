#pragma once

#include "modelgen/Geometry.h"

#include <vector>

struct TMeshVertex {
    TVec3 position;
    TVec3 normal;
    double u = 0.0;
    double v = 0.0;
};

// A convex polygon, its vertices clockwise as seen from the side it faces
// (Direct3D's front faces in our left-handed world).
struct TMeshFace {
    std::vector<int> indices;
    int material = 0;
};

struct TMesh {
    std::vector<TMeshVertex> vertices;
    std::vector<TMeshFace> faces;

    // Adds the polygon, putting its corners in clockwise order as seen from
    // `outward`, so every primitive gets its winding from one place.
    void AddPolygon(std::vector<TMeshVertex> corners, TVec3 outward);
    void Append(const TMesh& other);
};

// The polygon's normal by Newell's method; for a triangle (a, b, c) it points
// along (b - a) × (c - b), the normal a loader computes for it.
TVec3 PolygonNormal(const TMesh& mesh, const TMeshFace& face);

// Positions, normals and winding carried through a placement.
TMesh Placed(const TMesh& mesh, const TPlacement& placement);
// Texture coordinates scaled, then shifted.
void MapTextureCoords(TMesh& mesh, double scaleU, double scaleV, double offsetU, double offsetV);
void SetMaterial(TMesh& mesh, int material);
