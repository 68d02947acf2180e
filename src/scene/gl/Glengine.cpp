#include "scene/gl/Glengine.h"

#include "scene/Dx7grph.h"
#include "scene/Scenelog.h"
#include "scene/ViewProjection.h"
#include "scene/gl/Gldevice.h"
#include "scene/gl/Glerror.h"

#include <QWidget>
#include <cmath>

namespace {

// Light 0: a directional light from above, a little from the left and front.
TGLLight SceneLight() {
    const float x = 0.2f, y = -1.0f, z = 0.4f;
    const float length = std::sqrt(x * x + y * y + z * z);
    TGLLight light;
    light.towardsLight = {-x / length, -y / length, -z / length};
    light.diffuse = {0.52f, 0.52f, 0.52f, 0.0f};
    light.ambient = {0.48f, 0.48f, 0.48f, 0.0f};
    return light;
}

} // namespace

TGLEngine::TGLEngine() : camera(std::make_unique<TViewMat>()), viewProj(IdentityMat()) {}

// The device frees its GL objects in its own context before the context goes.
TGLEngine::~TGLEngine() = default;

void TGLEngine::InitDevice(void* window, std::uint8_t, std::int32_t width, std::int32_t height) {
    presenter.Detach();
    device.reset();
    frame = QImage();
    camera = std::make_unique<TViewMat>();
    projection = TOneMat();
    viewProj = IdentityMat();
    try {
        device = std::make_unique<TGLDevice>(width, height);
    } catch (const TGLDeviceError& e) {
        LogSceneProblem("3D view", "", std::string(e.what()) + "; nothing is drawn");
        return;
    }
    presenter.Attach(static_cast<QWidget*>(window));
}

void TGLEngine::SetupScene() {
    if (device) {
        device->SetupScene(SceneLight());
    }
}

void TGLEngine::SetProjection(float xScale, float zNear, float zFar, float fovY) {
    projection = ProjectionMat(xScale, zNear, zFar, fovY);
}

void TGLEngine::ApplyView() {
    TOneMat product;
    GetViewProj(product);
    viewProj = product.Values();
}

void TGLEngine::GetViewProj(TOneMat& out) {
    out = ViewProjOf(*camera, projection);
}

void TGLEngine::BeginFrame() {
    if (device) {
        device->BeginFrame();
    }
}

void TGLEngine::Draw(I3DGrph& graphics, const IMatrix& world) {
    const auto* model = dynamic_cast<const TDX7_Xfile*>(&graphics);
    if (!device || !model || !model->LoadedModel()) {
        return;
    }
    device->DrawModel(*model->LoadedModel(), world.GetOneMat().Values(), viewProj);
}

void TGLEngine::EndFrame() {
    if (!device) {
        return;
    }
    device->ReadFrame(frame);
    presenter.Present(frame);
}

void TGLEngine::SetColorKey(const std::string& sjisTextureName, std::uint32_t colour) {
    if (device && !device->SetColorKey(sjisTextureName, colour)) {
        LogSceneProblem("colour key for texture", sjisTextureName, "no such texture");
    }
}

int TGLEngine::SurfaceColorDepth() {
    if (device) {
        return device->ColorDepth();
    }
    // Before the first start on a window: the surface a start would draw into.
    try {
        return TGLDevice(1, 1).ColorDepth();
    } catch (const TGLDeviceError&) {
        return 0;
    }
}
