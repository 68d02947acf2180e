#pragma once

#include "scene/D3dfile.h"
#include "scene/Dx7matinit.h"
#include "scene/gl/Glmeshes.h"
#include "scene/gl/Glprogram.h"
#include "scene/gl/Gltextures.h"

#include <QImage>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <memory>
#include <optional>

// Everything that lives in one OpenGL context: the context itself on an
// offscreen surface, the 16-bit colour and depth buffers drawn into, the
// shaders and the device textures and meshes. Made at every start of the
// engine on a window and released as a whole.
class TGLDevice {
public:
    // Raises TGLDeviceError when there is no usable OpenGL.
    TGLDevice(int width, int height);
    ~TGLDevice();
    TGLDevice(const TGLDevice&) = delete;
    TGLDevice& operator=(const TGLDevice&) = delete;

    // Viewport (0, 0, w, h), depth 0 to 1, light 0 and colour keying on.
    void SetupScene(const TGLLight& light);
    // Binds what every draw of the frame shares and clears.
    void BeginFrame();
    // Opaque meshes first, then, in a model that has them, the meshes with
    // alpha, blended.
    void DrawModel(const CD3DFile& model, const TMatValues& world, const TMatValues& viewProj);
    // The frame drawn, top row first, into a picture kept from frame to frame.
    void ReadFrame(QImage& into);
    bool SetColorKey(const std::string& sjisName, std::uint32_t colour) {
        MakeCurrent();
        return textures->SetColorKey(sjisName, colour);
    }
    // Bits per pixel of the colour buffer.
    int ColorDepth() const { return colourBits; }

private:
    void MakeCurrent();
    void CreateFramebuffer();
    // Drivers such as Mesa's software one compile their code for each
    // combination of states at its first draw: every combination a frame
    // uses is drawn once here, so that no frame of play waits for it.
    void DrawEveryState();
    void DrawNode(const CD3DFileObject& node, const TMatValues& world, const TMatValues& viewProj,
                  bool alphaPass);
    void DrawMesh(const CD3DFileObject& mesh, const TMatValues& world, const TMatValues& viewProj);

    int width;
    int height;
    QOffscreenSurface surface;
    QOpenGLContext context;
    QOpenGLExtraFunctions* gl = nullptr;
    GLuint framebuffer = 0;
    GLuint colourBuffer = 0;
    GLuint depthBuffer = 0;
    bool highColour = true;
    int colourBits = 0;
    std::optional<TGLProgram> program;
    std::optional<TGLTextures> textures;
    std::optional<TGLMeshes> meshes;
};
