#pragma once

#include "scene/D3dfile.h"

#include <QtGui/qopengl.h>
#include <array>
#include <cstdint>
#include <map>
#include <string>

class QOpenGLExtraFunctions;

// Vertex and index buffers of every mesh drawn so far, made on its first
// draw and kept with the device.
class TGLMeshes {
public:
    struct TSlotRange {
        GLsizei first = 0;
        GLsizei count = 0;
        // Registry key of the slot's texture; empty when untextured.
        std::string textureKey;
    };
    struct TDeviceMesh {
        GLuint vertexArray = 0;
        GLuint vertices = 0;
        GLuint indices = 0;
        std::array<TSlotRange, MaterialSlotCount> ranges;
    };

    explicit TGLMeshes(QOpenGLExtraFunctions& gl);
    // The device's context must be current.
    ~TGLMeshes();
    TGLMeshes(const TGLMeshes&) = delete;
    TGLMeshes& operator=(const TGLMeshes&) = delete;

    // Bound, ready to draw.
    const TDeviceMesh& Bind(const CD3DFileObject& mesh);

private:
    TDeviceMesh Create(const CD3DFileObject& mesh);

    QOpenGLExtraFunctions& gl;
    std::map<std::uint64_t, TDeviceMesh> meshes;
};
