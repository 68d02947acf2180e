#include "scene/NullEngine.h"

#include "scene/ViewProjection.h"

bool TNullGrph::LoadFile(const std::string& sjisPath) {
    loadedPath = sjisPath;
    remapAtLoad = remap;
    ++loadCount;
    return true;
}

void TNullGrph::SwapList(const std::string& sjisText) {
    for (const TSlotPair& pair : ParseSwapList(sjisText)) {
        SwapMat(pair.a, pair.b);
    }
}

TNullEngine::TNullEngine(bool keep) : keepRecord(keep), camera(std::make_unique<TViewMat>()) {}

void TNullEngine::Record(std::string call) {
    if (keepRecord) {
        calls.push_back(std::move(call));
    }
}

void TNullEngine::InitDevice(void*, std::uint8_t fullscreen, std::int32_t w, std::int32_t h) {
    camera = std::make_unique<TViewMat>();
    projection = TOneMat();
    width = w;
    height = h;
    Record("InitDevice " + std::to_string(fullscreen) + " " + std::to_string(w) + " " +
           std::to_string(h));
}

void TNullEngine::BeginFrame() {
    Record("BeginFrame");
}

void TNullEngine::EndFrame() {
    Record("EndFrame");
}

void TNullEngine::Draw(I3DGrph& graphics, const IMatrix& world) {
    Record("Draw");
    if (keepRecord) {
        draws.push_back({&graphics, world.GetOneMat().Values()});
    }
}

void TNullEngine::ApplyView() {
    Record("ApplyView");
}

void TNullEngine::SetupScene() {
    Record("SetupScene");
}

void TNullEngine::SetColorKey(const std::string& sjisTextureName, std::uint32_t colour) {
    Record("SetColorKey " + sjisTextureName + " " + std::to_string(colour));
}

void TNullEngine::GetViewProj(TOneMat& out) {
    out = ViewProjOf(*camera, projection);
}

void TNullEngine::SetProjection(float xScale, float zNear, float zFar, float fovY) {
    projection = ProjectionMat(xScale, zNear, zFar, fovY);
    Record("SetProjection");
}

void TNullEngine::ClearLog() {
    calls.clear();
    draws.clear();
}
