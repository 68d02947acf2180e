#pragma once

#include "scene/D3dfile.h"
#include "scene/I3DGrph.h"

#include <memory>
#include <string>

// A graphics object drawn from a ".x" model file.
class TDX7_Xfile final : public I3DGrph {
public:
    // A missing file is reported to the player ("ファイルが見つかりません  "
    // and the path) and a file that cannot be parsed is logged; both leave
    // the graphics empty and return false.
    bool LoadFile(const std::string& sjisPath) override;
    std::unique_ptr<I3DGrph> NewGrph() const override { return std::make_unique<TDX7_Xfile>(); }
    void SwapMat(int a, int b) override { Model().SwapMat(a, b); }
    void SwapList(const std::string& sjisText) override;
    ~TDX7_Xfile() override = default;

    // The model, or none before the first load or swap.
    const CD3DFile* LoadedModel() const { return model.get(); }

private:
    CD3DFile& Model();

    std::unique_ptr<CD3DFile> model;
};
