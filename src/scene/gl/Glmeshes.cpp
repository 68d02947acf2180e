#include "scene/gl/Glmeshes.h"

#include "scene/Texturecontainer.h"

#include <QOpenGLExtraFunctions>
#include <cstddef>
#include <vector>

TGLMeshes::TGLMeshes(QOpenGLExtraFunctions& functions) : gl(functions) {}

TGLMeshes::~TGLMeshes() {
    for (const auto& [serial, mesh] : meshes) {
        gl.glDeleteVertexArrays(1, &mesh.vertexArray);
        gl.glDeleteBuffers(1, &mesh.vertices);
        gl.glDeleteBuffers(1, &mesh.indices);
    }
}

const TGLMeshes::TDeviceMesh& TGLMeshes::Bind(const CD3DFileObject& mesh) {
    auto found = meshes.find(mesh.Serial());
    if (found == meshes.end()) {
        found = meshes.emplace(mesh.Serial(), Create(mesh)).first;
    }
    gl.glBindVertexArray(found->second.vertexArray);
    return found->second;
}

TGLMeshes::TDeviceMesh TGLMeshes::Create(const CD3DFileObject& mesh) {
    TDeviceMesh made;
    std::vector<std::uint16_t> allIndices;
    for (size_t s = 0; s < MaterialSlotCount; ++s) {
        const TMaterialSlot& slot = mesh.Slots()[s];
        made.ranges[s].first = static_cast<GLsizei>(allIndices.size());
        made.ranges[s].count = static_cast<GLsizei>(slot.indices.size());
        if (!slot.textureName.empty()) {
            made.ranges[s].textureKey = CD3DTextureManager::Key(slot.textureName);
        }
        allIndices.insert(allIndices.end(), slot.indices.begin(), slot.indices.end());
    }

    gl.glGenVertexArrays(1, &made.vertexArray);
    gl.glBindVertexArray(made.vertexArray);
    gl.glGenBuffers(1, &made.vertices);
    gl.glBindBuffer(GL_ARRAY_BUFFER, made.vertices);
    const auto& vertices = mesh.Vertices();
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
