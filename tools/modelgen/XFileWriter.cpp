#include "modelgen/XFileWriter.h"

#include "platform/SjisText.h"

#include <cstdio>
#include <sstream>

namespace {

// Mesh indices are 16-bit in the game's loader.
constexpr size_t MaxMeshVertices = 65535;

std::string Num(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.6f", value);
    const std::string s = text;
    return s == "-0.000000" ? "0.000000" : s;
}

class TXWriter {
public:
    explicit TXWriter(const TModelDesc& desc) : model(desc) {}

    std::string Text() {
        out << "xof 0303txt 0032\n";
        TMesh topMesh = MergedParts(model.top);
        if (!topMesh.faces.empty()) {
            out << "\n";
            Mesh("Mesh", topMesh, "");
        }
        for (const auto& frame : model.top.frames) {
            out << "\n";
            Frame(frame, "");
        }
        return out.str();
    }

private:
    const TModelDesc& model;
    std::ostringstream out;

    static TMesh MergedParts(const TFrameDesc& frame) {
        TMesh merged;
        for (const auto& part : frame.parts) {
            merged.Append(part.mesh);
        }
        return merged;
    }

    void Frame(const TFrameDesc& frame, const std::string& indent) {
        const std::string in = indent + " ";
        out << indent << "Frame " << frame.name << " {\n";
        out << in << "FrameTransformMatrix {\n" << in << " ";
        const TMat4 stored = StoredFrameMatrix(frame.placement.Matrix());
        for (int i = 0; i < 16; ++i) {
            out << Num(stored.m[i / 4][i % 4]) << (i < 15 ? "," : ";;\n");
        }
        out << in << "}\n";
        const TMesh mesh = MergedParts(frame);
        if (!mesh.faces.empty()) {
            Mesh(frame.name + "Mesh", mesh, in);
        }
        for (const auto& child : frame.frames) {
            Frame(child, in);
        }
        out << indent << "}\n";
    }

    // Separators of a text .x array: ',' between elements, ';' after the last.
    static const char* After(size_t i, size_t count) { return i + 1 < count ? "," : ";"; }

    void Faces(const TMesh& mesh, const std::string& in) {
        out << in << mesh.faces.size() << ";\n";
        for (size_t f = 0; f < mesh.faces.size(); ++f) {
            const auto& indices = mesh.faces[f].indices;
            out << in << indices.size() << ";";
            for (size_t i = 0; i < indices.size(); ++i) {
                out << indices[i] << (i + 1 < indices.size() ? "," : ";");
            }
            out << After(f, mesh.faces.size()) << "\n";
        }
    }

    void Mesh(const std::string& name, const TMesh& mesh, const std::string& indent) {
        if (mesh.vertices.size() > MaxMeshVertices) {
            throw TModelDescError(model.sourceName + ": mesh " + name + " has " +
                                  std::to_string(mesh.vertices.size()) +
                                  " vertices; at most 65535 fit one mesh");
        }
        const std::string in = indent + " ";
        const std::string in2 = in + " ";
        const size_t count = mesh.vertices.size();
        out << indent << "Mesh " << name << " {\n" << in << count << ";\n";
        for (size_t i = 0; i < count; ++i) {
            const TVec3 p = mesh.vertices[i].position;
            out << in << Num(p.x) << ";" << Num(p.y) << ";" << Num(p.z) << ";" << After(i, count)
                << "\n";
        }
        Faces(mesh, in);

        out << in << "MeshNormals {\n" << in2 << count << ";\n";
        for (size_t i = 0; i < count; ++i) {
            const TVec3 n = mesh.vertices[i].normal;
            out << in2 << Num(n.x) << ";" << Num(n.y) << ";" << Num(n.z) << ";" << After(i, count)
                << "\n";
        }
        Faces(mesh, in2);
        out << in << "}\n";

        out << in << "MeshTextureCoords {\n" << in2 << count << ";\n";
        for (size_t i = 0; i < count; ++i) {
            out << in2 << Num(mesh.vertices[i].u) << ";" << Num(mesh.vertices[i].v) << ";"
                << After(i, count) << "\n";
        }
        out << in << "}\n";

        MaterialList(mesh, in);
        out << indent << "}\n";
    }

    void MaterialList(const TMesh& mesh, const std::string& indent) {
        const std::string in = indent + " ";
        out << indent << "MeshMaterialList {\n";
        out << in << model.materials.size() << ";\n" << in << mesh.faces.size() << ";\n";
        for (size_t f = 0; f < mesh.faces.size(); ++f) {
            out << in << mesh.faces[f].material << After(f, mesh.faces.size()) << "\n";
        }
        for (const auto& material : model.materials) {
            Material(material, in);
        }
        out << indent << "}\n";
    }

    void Material(const TMaterialDesc& material, const std::string& indent) {
        const std::string in = indent + " ";
        const auto rgb = [](const TColor& c) {
            return Num(c.r) + ";" + Num(c.g) + ";" + Num(c.b) + ";";
        };
        out << indent << "Material {\n";
        out << in << rgb(material.diffuse) << Num(material.diffuse.a) << ";;\n";
        out << in << Num(material.power) << ";\n";
        out << in << rgb(material.specular) << ";\n";
        out << in << rgb(material.emissive) << ";\n";
        if (!material.texture.empty()) {
            out << in << "TextureFilename {\n"
                << in << " \"" << Utf8ToSjis(material.texture) << "\";\n"
                << in << "}\n";
        }
        out << indent << "}\n";
    }
};

} // namespace

TMat4 StoredFrameMatrix(const TMat4& world) {
    TMat4 stored = world;
    for (const auto& [row, column] : {std::pair{0, 2}, {2, 0}, {1, 2}, {2, 1}, {3, 2}}) {
        stored.m[row][column] = -stored.m[row][column];
    }
    return stored;
}

std::string XFileText(const TModelDesc& model) {
    return TXWriter(model).Text();
}
