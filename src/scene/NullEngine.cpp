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

TNullEngine::TNullEngine() : camera(std::make_unique<TViewMat>()) {}

void TNullEngine::InitDevice(void*, std::uint8_t fullscreen, std::int32_t w, std::int32_t h) {
    camera = std::make_unique<TViewMat>();
    projection = TOneMat();
    width = w;
    height = h;
    calls.push_back("InitDevice " + std::to_string(fullscreen) + " " + std::to_string(w) + " " +
                    std::to_string(h));
}

void TNullEngine::BeginFrame() {
    calls.emplace_back("BeginFrame");
}

void TNullEngine::EndFrame() {
    calls.emplace_back("EndFrame");
}

void TNullEngine::Draw(I3DGrph& graphics, const IMatrix& world) {
    calls.emplace_back("Draw");
    draws.push_back({&graphics, world.GetOneMat().Values()});
}

void TNullEngine::ApplyView() {
    calls.emplace_back("ApplyView");
}

void TNullEngine::SetupScene() {
    calls.emplace_back("SetupScene");
}

void TNullEngine::SetColorKey(const std::string& sjisTextureName, std::uint32_t colour) {
    calls.push_back("SetColorKey " + sjisTextureName + " " + std::to_string(colour));
}

void TNullEngine::GetViewProj(TOneMat& out) {
    out = ViewProjOf(*camera, projection);
}

void TNullEngine::SetProjection(float xScale, float zNear, float zFar, float fovY) {
    projection = ProjectionMat(xScale, zNear, zFar, fovY);
    calls.emplace_back("SetProjection");
}

void TNullEngine::ClearLog() {
    calls.clear();
    draws.clear();
}
