#pragma once

#include "scene/Dx7matrix.h"

#include <cstdint>
#include <string>

class I3DGrph;

// The 3D device: frames, camera, projection and drawing of models. The world,
// view and projection matrices are row-vector, left-handed (see Dx7matrix.h)
// and reach the device as their 16 values.
class I3DEngine {
public:
    virtual ~I3DEngine() = default;
    // Releases any previous device and starts anew on the window at width x
    // height, with a fresh identity camera and projection. `window` is the
    // platform's handle of the view to show the frames in (the QWidget* of
    // the 3D view panel for the Qt engine); nullptr renders offscreen only.
    virtual void InitDevice(void* window, std::uint8_t fullscreen, std::int32_t width,
                            std::int32_t height) = 0;
    // Clears to green and depth 1.0.
    virtual void BeginFrame() = 0;
    // Presents the frame in the window.
    virtual void EndFrame() = 0;
    virtual void Draw(I3DGrph& graphics, const IMatrix& world) = 0;
    // The camera: the matrix that places the eye in the world.
    virtual TViewMat& GetViewMat() = 0;
    // Device view := inverse camera; device projection := the projection.
    virtual void ApplyView() = 0;
    // Viewport, light 0 and the render states.
    virtual void SetupScene() = 0;
    // The colour (0x00RRGGBB) becomes transparent in the named texture.
    virtual void SetColorKey(const std::string& sjisTextureName, std::uint32_t colour) = 0;
    // out := inverse camera x projection, for picking.
    virtual void GetViewProj(TOneMat& out) = 0;
    // Radians for the vertical field of view.
    virtual void SetProjection(float xScale, float zNear, float zFar, float fovY) = 0;
    // Bits per pixel of the surface the engine draws into (its own device's,
    // or one it can make); 0 when it can have none.
    virtual int SurfaceColorDepth() = 0;
};
