#pragma once

#include "scene/I3DEngine.h"
#include "scene/gl/Glpresenter.h"

#include <QImage>
#include <memory>

class TGLDevice;

// The game's 3D engine on OpenGL 3.3 core. It draws through its own context
// into a 16-bit (RGB565) framebuffer; EndFrame reads the frame back and
// paints it into the view given to InitDevice (none: offscreen only, for
// tools and tests). Conventions are the game's: row vectors, left-handed
// axes, depth 0 at the near plane, clockwise front faces.
class TGLEngine final : public I3DEngine {
public:
    TGLEngine();
    ~TGLEngine() override;

    // `window` is the QWidget* of the 3D view, or nullptr. A device that
    // cannot be made is logged and the engine then draws nothing.
    void InitDevice(void* window, std::uint8_t fullscreen, std::int32_t width,
                    std::int32_t height) override;
    void BeginFrame() override;
    void EndFrame() override;
    void Draw(I3DGrph& graphics, const IMatrix& world) override;
    TViewMat& GetViewMat() override { return *camera; }
    void ApplyView() override;
    void SetupScene() override;
    void SetColorKey(const std::string& sjisTextureName, std::uint32_t colour) override;
    void GetViewProj(TOneMat& out) override;
    void SetProjection(float xScale, float zNear, float zFar, float fovY) override;
    int SurfaceColorDepth() override;

    bool HasDevice() const { return device != nullptr; }
    // The last frame ended, top row first; null before the first.
    const QImage& FrameImage() const { return frame; }

private:
    std::unique_ptr<TGLDevice> device;
    std::unique_ptr<TViewMat> camera;
    TOneMat projection;
    // View x projection as of the last ApplyView.
    TMatValues viewProj;
    TGLPresenter presenter;
    QImage frame;
};
