#include "scene/gl/Glmeshes.h"

#include <QOpenGLExtraFunctions>
#include <cstddef>
#include <vector>

TGLMeshes::TGLMeshes(QOpenGLExtraFunctions& functions, TGLTextures& deviceTextures)
    : gl(functions), textures(deviceTextures) {}

TGLMeshes::~TGLMeshes() {
    for (const auto& [serial, mesh] : meshes) {
        gl.glDeleteVertexArrays(1, &mesh.vertexArray);
        gl.glDeleteBuffers(1, &mesh.vertices);
        gl.glDeleteBuffers(1, &mesh.indices);
    }
}

void TGLMeshes::CreateAll(const std::vector<const CD3DFile*>& models) {
    for (const CD3DFile* model : models) {
        CreateTree(model->Root());
    }
}

void TGLMeshes::CreateTree(const CD3DFileObject& node) {
    if (node.IsMesh()) {
        Find(node);
    }
    for (const auto& child : node.Children()) {
        CreateTree(*child);
    }
}

const TGLMeshes::TDeviceMesh& TGLMeshes::Find(const CD3DFileObject& mesh) {
    auto found = meshes.find(mesh.Serial());
    if (found == meshes.end()) {
        found = meshes.emplace(mesh.Serial(), Create(mesh)).first;
    }
    return found->second;
}

const TGLMeshes::TDeviceMesh& TGLMeshes::Bind(const CD3DFileObject& mesh) {
    const TDeviceMesh& device = Find(mesh);
    gl.glBindVertexArray(device.vertexArray);
    return device;
}

TGLMeshes::TDeviceMesh TGLMeshes::Create(const CD3DFileObject& mesh) {
    TDeviceMesh made;
    std::vector<std::uint16_t> allIndices;
    for (int s = 0; s < MaterialSlotCount; ++s) {
        const TMaterialSlot& slot = mesh.Slots()[static_cast<size_t>(s)];
        if (slot.indices.empty()) {
            continue;
        }
        TSlotRange range;
        range.first = static_cast<GLsizei>(allIndices.size());
        range.count = static_cast<GLsizei>(slot.indices.size());
        range.texture = textures.Texture(slot.textureName);
        made.drawnSlots.emplace_back(s, range);
        allIndices.insert(allIndices.end(), slot.indices.begin(), slot.indices.end());
    }
    const auto& vertices = mesh.Vertices();
    made.lastVertex = vertices.empty() ? 0 : static_cast<GLuint>(vertices.size() - 1);

    gl.glGenVertexArrays(1, &made.vertexArray);
    gl.glBindVertexArray(made.vertexArray);
    gl.glGenBuffers(1, &made.vertices);
    gl.glBindBuffer(GL_ARRAY_BUFFER, made.vertices);
    gl.glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(vertices.size() * sizeof(TD3DVertex)),
                    vertices.data(), GL_STATIC_DRAW);
    gl.glGenBuffers(1, &made.indices);
    gl.glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, made.indices);
    gl.glBufferData(GL_ELEMENT_ARRAY_BUFFER,
                    static_cast<GLsizeiptr>(allIndices.size() * sizeof(std::uint16_t)),
                    allIndices.data(), GL_STATIC_DRAW);

    const auto stride = static_cast<GLsizei>(sizeof(TD3DVertex));
    const auto attribute = [&](GLuint location, GLint size, size_t offset) {
        gl.glEnableVertexAttribArray(location);
        gl.glVertexAttribPointer(location, size, GL_FLOAT, GL_FALSE, stride,
                                 reinterpret_cast<const void*>(offset));
    };
    attribute(0, 3, offsetof(TD3DVertex, x));
    attribute(1, 3, offsetof(TD3DVertex, nx));
    attribute(2, 2, offsetof(TD3DVertex, tu));
    return made;
}
