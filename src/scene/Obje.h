#pragma once

#include "scene/I3DGrph.h"
#include "scene/Iobje.h"

#include <memory>

// A scene object that draws one graphics object: its own, or one shared with
// every other leaf of the same graphics number (owned by the object factory).
class TObjeLeaf final : public IObje {
public:
    explicit TObjeLeaf(std::unique_ptr<IMatrix> localMatrix);

    // Replaces the graphics, releasing owned ones first; with owns set the
    // leaf takes the graphics and deletes them.
    // Handing the present graphics again changes nothing.
    void SetGrph(I3DGrph* newGraphics, bool owns);
    bool OwnsGrph() const { return ownedGraphics != nullptr; }

    int LoadGrphFile(const std::string& sjisName) override;
    I3DGrph* GetGrph() const override { return graphics; }
    void SwapGrphMat(int a, int b) override;

private:
    I3DGrph* graphics = nullptr;
    std::unique_ptr<I3DGrph> ownedGraphics;
};

// A scene object that only carries a transform and children.
class TObjeGroup final : public IObje {
public:
    explicit TObjeGroup(std::unique_ptr<IMatrix> localMatrix);
    int LoadGrphFile(const std::string&) override { return 0; }
};
