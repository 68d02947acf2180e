#include "BenchModels.h"

#include <array>
#include <cmath>
#include <cstdio>

namespace {

std::string Numbers(double a, double b) {
    char text[64];
    std::snprintf(text, sizeof text, "%.6f;%.6f", a, b);
    return text;
}

std::string Numbers(double a, double b, double c) {
    char text[96];
    std::snprintf(text, sizeof text, "%.6f;%.6f;%.6f", a, b, c);
    return text;
}

} // namespace

std::string SheetModel(int columns, int rows, const std::string& texture) {
    const int across = columns + 1;
    const int vertices = across * (rows + 1);
    const int faces = columns * rows * 2;
    std::string positions, normals, coords;
    for (int y = 0; y <= rows; ++y) {
        for (int x = 0; x <= columns; ++x) {
            const double u = static_cast<double>(x) / columns;
            const double v = static_cast<double>(y) / rows;
            const double height = 0.15 * std::sin(u * 6.0) * std::cos(v * 5.0);
            const char* end = (x == columns && y == rows) ? ";;\n" : ";,\n";
            positions += Numbers(u * 1.8 - 0.9, height, v * 1.8 - 0.9) + end;
            const double nx = -0.3 * std::cos(u * 6.0), nz = 0.25 * std::sin(v * 5.0);
            const double length = std::sqrt(nx * nx + 1.0 + nz * nz);
            normals += Numbers(nx / length, 1.0 / length, nz / length) + end;
            coords += Numbers(u, v) + end;
        }
    }
    std::string faceList, materials;
    int face = 0;
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < columns; ++x) {
            const int a = y * across + x, b = a + across, c = b + 1, d = a + 1;
            for (const auto& [p, q, r] : {std::array{a, b, c}, std::array{a, c, d}}) {
                ++face;
                const char* end = face == faces ? ";;\n" : ";,\n";
                faceList += "3;" + std::to_string(p) + "," + std::to_string(q) + "," +
                            std::to_string(r) + end;
                materials += std::to_string(face % 2) + (face == faces ? ";;\n" : ",\n");
            }
        }
    }
    std::string textureBlock;
    if (!texture.empty()) {
        textureBlock = " TextureFilename { \"" + texture + "\"; }\n";
    }
    return "xof 0303txt 0032\nMesh Sheet {\n" + std::to_string(vertices) + ";\n" + positions +
           std::to_string(faces) + ";\n" + faceList + "MeshNormals {\n" + std::to_string(vertices) +
           ";\n" + normals + std::to_string(faces) + ";\n" + faceList + "}\nMeshTextureCoords {\n" +
           std::to_string(vertices) + ";\n" + coords + "}\nMeshMaterialList {\n2;\n" +
           std::to_string(faces) + ";\n" + materials +
           "Material {\n0.9;0.8;0.6;1.0;;\n0.0;\n0.0;0.0;0.0;;\n0.0;0.0;0.0;;\n" + textureBlock +
           "}\nMaterial {\n0.3;0.5;0.8;1.0;;\n0.0;\n0.0;0.0;0.0;;\n0.0;0.0;0.0;;\n}\n}\n}\n";
}
