#include "scene/gl/Gldevice.h"

#include "scene/Texturecontainer.h"
#include "scene/gl/Glerror.h"

#include <QOpenGLExtraFunctions>
#include <cstddef>
#include <string>
#include <tuple>

namespace {

QSurfaceFormat DeviceFormat() {
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setVersion(3, 3);
    format.setProfile(QSurfaceFormat::CoreProfile);
    return format;
}

} // namespace

TGLDevice::TGLDevice(int w, int h) : width(w), height(h) {
    if (width <= 0 || height <= 0) {
        throw TGLDeviceError("no view to draw into (" + std::to_string(width) + " x " +
                             std::to_string(height) + ")");
    }
    surface.setFormat(DeviceFormat());
    surface.create();
    context.setFormat(DeviceFormat());
    if (!surface.isValid() || !context.create() || !context.makeCurrent(&surface)) {
        throw TGLDeviceError("no OpenGL context (is there an X display?)");
    }
    const QSurfaceFormat got = context.format();
    if (got.majorVersion() < 3 || (got.majorVersion() == 3 && got.minorVersion() < 3)) {
        throw TGLDeviceError("OpenGL 3.3 is needed, the driver offers " +
                             std::to_string(got.majorVersion()) + "." +
                             std::to_string(got.minorVersion()));
    }
    gl = context.extraFunctions();
    CreateFramebuffer();
    program.emplace(*gl);
    textures.emplace(*gl);
    meshes.emplace(*gl, *textures);
    // Everything a frame can draw, now rather than in the middle of play.
    textures->CreateAll();
    meshes->CreateAll(CD3DTextureManager::Instance().Models());

    // The states the device starts with: depth test less-or-equal, clockwise
    // faces are the front ones and the others are culled, no dithering.
    gl->glEnable(GL_DEPTH_TEST);
    gl->glDepthFunc(GL_LEQUAL);
    gl->glEnable(GL_CULL_FACE);
    gl->glFrontFace(GL_CW);
    gl->glCullFace(GL_BACK);
    gl->glDisable(GL_DITHER);
    gl->glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    gl->glViewport(0, 0, width, height);
    program->Bind();
    program->SetViewportSize(width, height);
    program->SetLight(TGLLight{});
    DrawEveryState();
}

void TGLDevice::DrawEveryState() {
    // One triangle over the lower left of the buffer, clockwise.
    const TD3DVertex corner[3] = {{-1, -1, 0.5f, 0, 0, -1, 0, 0},
                                  {-1, 1, 0.5f, 0, 0, -1, 0, 1},
                                  {1, -1, 0.5f, 0, 0, -1, 1, 0}};
    GLuint vertexArray = 0, vertices = 0, texture = 0;
    gl->glGenVertexArrays(1, &vertexArray);
    gl->glBindVertexArray(vertexArray);
    gl->glGenBuffers(1, &vertices);
    gl->glBindBuffer(GL_ARRAY_BUFFER, vertices);
    gl->glBufferData(GL_ARRAY_BUFFER, sizeof(corner), corner, GL_STATIC_DRAW);
    const auto stride = static_cast<GLsizei>(sizeof(TD3DVertex));
    for (const auto& [location, size, offset] :
         {std::tuple<GLuint, GLint, size_t>{0, 3, offsetof(TD3DVertex, x)},
          {1, 3, offsetof(TD3DVertex, nx)},
          {2, 2, offsetof(TD3DVertex, tu)}}) {
        gl->glEnableVertexAttribArray(location);
        gl->glVertexAttribPointer(location, size, GL_FLOAT, GL_FALSE, stride,
                                  reinterpret_cast<const void*>(offset));
    }
    // A picture as the device's textures are: 8-bit channels, point
    // sampling, wrapping.
    const std::uint8_t texel[4] = {255, 255, 255, 255};
    gl->glGenTextures(1, &texture);
    gl->glActiveTexture(GL_TEXTURE0);
    gl->glBindTexture(GL_TEXTURE_2D, texture);
    gl->glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, texel);
    gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);

    program->SetTransform(IdentityMat(), IdentityMat());
    program->SetTextured(nullptr);
    gl->glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    for (const bool blended : {false, true}) {
        if (blended) {
            gl->glEnable(GL_BLEND);
        }
        gl->glDrawArrays(GL_TRIANGLES, 0, 3);
        gl->glDisable(GL_BLEND);
    }
    gl->glFinish();
    gl->glBindVertexArray(0);
    gl->glDeleteVertexArrays(1, &vertexArray);
    gl->glDeleteBuffers(1, &vertices);
    gl->glDeleteTextures(1, &texture);
}

TGLDevice::~TGLDevice() {
    if (!gl) {
        return;
    }
    MakeCurrent();
    meshes.reset();
    textures.reset();
    program.reset();
    gl->glDeleteFramebuffers(1, &framebuffer);
    gl->glDeleteRenderbuffers(1, &colourBuffer);
    gl->glDeleteRenderbuffers(1, &depthBuffer);
    context.doneCurrent();
}

void TGLDevice::MakeCurrent() {
    if (QOpenGLContext::currentContext() != &context) {
        context.makeCurrent(&surface);
    }
}

void TGLDevice::CreateFramebuffer() {
    gl->glGenFramebuffers(1, &framebuffer);
    gl->glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    gl->glGenRenderbuffers(1, &colourBuffer);
    gl->glBindRenderbuffer(GL_RENDERBUFFER, colourBuffer);
    gl->glRenderbufferStorage(GL_RENDERBUFFER, GL_RGB565, width, height);
    gl->glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER,
                                  colourBuffer);
    gl->glGenRenderbuffers(1, &depthBuffer);
    gl->glBindRenderbuffer(GL_RENDERBUFFER, depthBuffer);
    gl->glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT16, width, height);
    gl->glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER,
                                  depthBuffer);
    if (gl->glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
        // A driver without 16-bit colour buffers still gets a picture.
        highColour = false;
        gl->glBindRenderbuffer(GL_RENDERBUFFER, colourBuffer);
        gl->glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width, height);
        if (gl->glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
            throw TGLDeviceError("the driver refuses the framebuffer");
        }
    }
    GLint bits = 0;
    colourBits = 0;
    for (const GLenum size :
         {GL_FRAMEBUFFER_ATTACHMENT_RED_SIZE, GL_FRAMEBUFFER_ATTACHMENT_GREEN_SIZE,
          GL_FRAMEBUFFER_ATTACHMENT_BLUE_SIZE, GL_FRAMEBUFFER_ATTACHMENT_ALPHA_SIZE}) {
        gl->glGetFramebufferAttachmentParameteriv(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, size,
                                                  &bits);
        colourBits += bits;
    }
}

void TGLDevice::SetupScene(const TGLLight& light) {
    MakeCurrent();
    gl->glViewport(0, 0, width, height);
    gl->glDepthRangef(0.0f, 1.0f);
    program->Bind();
    program->SetViewportSize(width, height);
    program->SetLight(light);
}

void TGLDevice::BeginFrame() {
    // What every draw of the frame shares is bound once here.
    MakeCurrent();
    gl->glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    program->Bind();
    gl->glActiveTexture(GL_TEXTURE0);
    gl->glClearColor(0.0f, 1.0f, 0.0f, 1.0f);
    gl->glClearDepthf(1.0f);
    gl->glDepthMask(GL_TRUE);
    gl->glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void TGLDevice::DrawModel(const CD3DFile& model, const TMatValues& world,
                          const TMatValues& viewProj) {
    MakeCurrent();
    DrawNode(model.Root(), world, viewProj, false);
    if (model.HasAlpha()) {
        gl->glEnable(GL_BLEND);
        DrawNode(model.Root(), world, viewProj, true);
        gl->glDisable(GL_BLEND);
    }
}

void TGLDevice::DrawNode(const CD3DFileObject& node, const TMatValues& world,
                         const TMatValues& viewProj, bool alphaPass) {
    if (node.IsMesh()) {
        if (node.HasAlpha() == alphaPass) {
            DrawMesh(node, world, viewProj);
        }
        return;
    }
    if (node.Children().empty()) {
        return;
    }
    const TMatValues inner = MatMul(node.Matrix(), world);
    for (const auto& child : node.Children()) {
        DrawNode(*child, inner, viewProj, alphaPass);
    }
}

void TGLDevice::DrawMesh(const CD3DFileObject& mesh, const TMatValues& world,
                         const TMatValues& viewProj) {
    if (mesh.HighestSlot() < 0) {
        return;
    }
    const TGLMeshes::TDeviceMesh& device = meshes->Bind(mesh);
    program->SetTransform(MatMul(world, viewProj), world);
    for (const auto& [slot, range] : device.drawnSlots) {
        textures->Bind(range.texture, *program);
        program->SetMaterial(mesh.Slots()[static_cast<size_t>(slot)].material);
        // Telling the driver the index range spares it a scan of the indices.
        gl->glDrawRangeElements(GL_TRIANGLES, 0, device.lastVertex, range.count, GL_UNSIGNED_SHORT,
                                reinterpret_cast<const void*>(static_cast<size_t>(range.first) *
                                                              sizeof(std::uint16_t)));
    }
}

void TGLDevice::ReadFrame(QImage& into) {
    MakeCurrent();
    gl->glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    gl->glPixelStorei(GL_PACK_ALIGNMENT, 4);
    const QImage::Format format = highColour ? QImage::Format_RGB16 : QImage::Format_RGBA8888;
    if (into.width() != width || into.height() != height || into.format() != format) {
        into = QImage(width, height, format);
    }
    // Rows of 4-byte multiples on both sides; the picture is kept and turned
    // over in place, so a frame allocates nothing.
    gl->glReadPixels(0, 0, width, height, highColour ? GL_RGB : GL_RGBA,
                     highColour ? GL_UNSIGNED_SHORT_5_6_5 : GL_UNSIGNED_BYTE, into.bits());
    into.mirror(false, true);
}
