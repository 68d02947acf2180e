#include "scene/gl/Gldevice.h"

#include "scene/gl/Glerror.h"

#include <QOpenGLExtraFunctions>
#include <string>

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
    meshes.emplace(*gl);
    textures->CreateAll();

    // The states the device starts with: depth test less-or-equal, clockwise
    // faces are the front ones and the others are culled, no dithering.
    gl->glEnable(GL_DEPTH_TEST);
    gl->glDepthFunc(GL_LEQUAL);
    gl->glEnable(GL_CULL_FACE);
    gl->glFrontFace(GL_CW);
    gl->glCullFace(GL_BACK);
    gl->glDisable(GL_DITHER);
    gl->glViewport(0, 0, width, height);
    program->Bind();
    program->SetViewportSize(width, height);
    program->SetLight(TGLLight{});
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
    MakeCurrent();
    gl->glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    gl->glClearColor(0.0f, 1.0f, 0.0f, 1.0f);
    gl->glClearDepthf(1.0f);
    gl->glDepthMask(GL_TRUE);
    gl->glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void TGLDevice::DrawModel(const CD3DFile& model, const TMatValues& world,
                          const TMatValues& viewProj) {
    MakeCurrent();
    gl->glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    program->Bind();
    gl->glActiveTexture(GL_TEXTURE0);
    DrawNode(model.Root(), world, viewProj, false);
    gl->glEnable(GL_BLEND);
    gl->glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    DrawNode(model.Root(), world, viewProj, true);
    gl->glDisable(GL_BLEND);
    gl->glBindVertexArray(0);
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
    // Telling the driver the index range spares it a scan of the indices.
    const auto lastVertex = static_cast<GLuint>(mesh.Vertices().size() - 1);
    for (int s = 0; s <= mesh.HighestSlot(); ++s) {
        const TGLMeshes::TSlotRange& range = device.ranges[static_cast<size_t>(s)];
        if (range.count == 0) {
            continue;
        }
        textures->Bind(range.textureKey, *program);
        program->SetMaterial(mesh.Slots()[static_cast<size_t>(s)].material);
        gl->glDrawRangeElements(GL_TRIANGLES, 0, lastVertex, range.count, GL_UNSIGNED_SHORT,
                                reinterpret_cast<const void*>(static_cast<size_t>(range.first) *
                                                              sizeof(std::uint16_t)));
    }
}

QImage TGLDevice::ReadFrame() {
    MakeCurrent();
    gl->glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    gl->glPixelStorei(GL_PACK_ALIGNMENT, 4);
    QImage image(width, height, highColour ? QImage::Format_RGB16 : QImage::Format_RGBA8888);
    gl->glReadPixels(0, 0, width, height, highColour ? GL_RGB : GL_RGBA,
                     highColour ? GL_UNSIGNED_SHORT_5_6_5 : GL_UNSIGNED_BYTE, image.bits());
    return image.mirrored(false, true);
}
