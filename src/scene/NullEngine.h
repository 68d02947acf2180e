#pragma once

#include "scene/I3DEngine.h"
#include "scene/I3DGrph.h"
#include "scene/SwapList.h"

#include <memory>
#include <string>
#include <vector>

// Graphics that load nothing: they remember what they were asked to load and
// the material remap in force at that moment. For logic tests and for runs
// without a display.
class TNullGrph final : public I3DGrph {
public:
    bool LoadFile(const std::string& sjisPath) override;
    std::unique_ptr<I3DGrph> NewGrph() const override { return std::make_unique<TNullGrph>(); }
    void SwapMat(int a, int b) override { remap.Swap(a, b); }
    void SwapList(const std::string& sjisText) override;

    // Empty until LoadFile.
    const std::string& LoadedPath() const { return loadedPath; }
    int LoadCount() const { return loadCount; }
    const TMaterialRemap& RemapAtLoad() const { return remapAtLoad; }

private:
    TMaterialRemap remap;
    TMaterialRemap remapAtLoad;
    std::string loadedPath;
    int loadCount = 0;
};

// An engine that draws nothing and records its calls, with the camera and the
// projection worked out as the real engine does, so picking works headless.
// A long headless run keeps no record, or it would grow with every frame.
class TNullEngine final : public I3DEngine {
public:
    struct TDrawCall {
        const I3DGrph* graphics;
        TMatValues world;
    };

    explicit TNullEngine(bool keepRecord = true);

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
    // Draws as if into a high-colour surface.
    int SurfaceColorDepth() override { return 16; }

    // Every call but GetViewMat and GetViewProj, as "Name arg arg".
    const std::vector<std::string>& Calls() const { return calls; }
    const std::vector<TDrawCall>& Draws() const { return draws; }
    const TOneMat& Projection() const { return projection; }
    int Width() const { return width; }
    int Height() const { return height; }
    void ClearLog();

private:
    void Record(std::string call);

    bool keepRecord;
    std::unique_ptr<TViewMat> camera;
    TOneMat projection;
    int width = 0;
    int height = 0;
    std::vector<std::string> calls;
    std::vector<TDrawCall> draws;
};
