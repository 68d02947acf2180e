#include "modelgen/Mesh.h"

#include <algorithm>

namespace {

TVec3 NewellNormal(const std::vector<TVec3>& points) {
    TVec3 n;
    for (size_t i = 0; i < points.size(); ++i) {
        const TVec3 a = points[i];
        const TVec3 b = points[(i + 1) % points.size()];
        n.x += (a.y - b.y) * (a.z + b.z);
        n.y += (a.z - b.z) * (a.x + b.x);
        n.z += (a.x - b.x) * (a.y + b.y);
    }
    return n;
}

} // namespace

void TMesh::AddPolygon(std::vector<TMeshVertex> corners, TVec3 outward) {
    std::vector<TVec3> points;
    for (const auto& corner : corners) {
        points.push_back(corner.position);
    }
    if (Dot(NewellNormal(points), outward) < 0.0) {
        std::reverse(corners.begin(), corners.end());
    }
    TMeshFace face;
    for (const auto& corner : corners) {
        face.indices.push_back(static_cast<int>(vertices.size()));
        vertices.push_back(corner);
    }
    faces.push_back(std::move(face));
}

void TMesh::Append(const TMesh& other) {
    const int base = static_cast<int>(vertices.size());
    vertices.insert(vertices.end(), other.vertices.begin(), other.vertices.end());
    for (auto face : other.faces) {
        for (int& index : face.indices) {
            index += base;
        }
        faces.push_back(std::move(face));
    }
}

TVec3 PolygonNormal(const TMesh& mesh, const TMeshFace& face) {
    std::vector<TVec3> points;
    for (int index : face.indices) {
        points.push_back(mesh.vertices[index].position);
    }
    return NewellNormal(points);
}

TMesh Placed(const TMesh& mesh, const TPlacement& placement) {
    const TMat4 matrix = placement.Matrix();
    const TMat4 normalMatrix = placement.NormalMatrix();
    TMesh result = mesh;
    for (auto& vertex : result.vertices) {
        vertex.position = TransformPoint(vertex.position, matrix);
        vertex.normal = Normalized(TransformDirection(vertex.normal, normalMatrix));
    }
    if (placement.Mirrors()) {
        for (auto& face : result.faces) {
            std::reverse(face.indices.begin(), face.indices.end());
        }
    }
    return result;
}

void MapTextureCoords(TMesh& mesh, double scaleU, double scaleV, double offsetU, double offsetV) {
    for (auto& vertex : mesh.vertices) {
        vertex.u = vertex.u * scaleU + offsetU;
        vertex.v = vertex.v * scaleV + offsetV;
    }
}

void SetMaterial(TMesh& mesh, int material) {
    for (auto& face : mesh.faces) {
        face.material = material;
    }
}
