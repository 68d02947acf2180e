#pragma once

#include "scene/D3dfile.h"
#include "scene/gl/Gltextures.h"

#include <QtGui/qopengl.h>
#include <array>
#include <cstdint>
#include <map>
#include <vector>

class QOpenGLExtraFunctions;

// Vertex and index buffers of the meshes on the device, each slot's range of
// indices with its device texture. Made for every known model when the
// device starts; a mesh loaded later is made on its first draw.
class TGLMeshes {
public:
    struct TSlotRange {
        GLsizei first = 0;
        GLsizei count = 0;
        // None when untextured, or when the texture is missing.
        const TGLTextures::TDeviceTexture* texture = nullptr;
    };
    struct TDeviceMesh {
        GLuint vertexArray = 0;
        GLuint vertices = 0;
        GLuint indices = 0;
        GLuint lastVertex = 0;
        // The slots with indices, in slot order.
        std::vector<std::pair<int, TSlotRange>> drawnSlots;
    };

    TGLMeshes(QOpenGLExtraFunctions& functions, TGLTextures& deviceTextures);
    // The device's context must be current.
    ~TGLMeshes();
    TGLMeshes(const TGLMeshes&) = delete;
    TGLMeshes& operator=(const TGLMeshes&) = delete;

    // The buffers of every mesh of the models.
    void CreateAll(const std::vector<const CD3DFile*>& models);
    // Bound, ready to draw.
    const TDeviceMesh& Bind(const CD3DFileObject& mesh);

private:
    const TDeviceMesh& Find(const CD3DFileObject& mesh);
    void CreateTree(const CD3DFileObject& node);
    TDeviceMesh Create(const CD3DFileObject& mesh);

    QOpenGLExtraFunctions& gl;
    TGLTextures& textures;
    std::map<std::uint64_t, TDeviceMesh> meshes;
};
