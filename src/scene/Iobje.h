#pragma once

#include "scene/Composite.h"
#include "scene/Matrixope.h"

#include <memory>
#include <string>

class I3DGrph;

// A scene object: a local matrix, children (for a group) and, for a leaf,
// the graphics it draws. Its matrix operations act on its own local matrix;
// a leaf is drawn with its local matrix times those of all its ancestors.
// Destroying an object destroys its matrix and then its children.
class IObje : public IMatrixOpe, public TMultiTree<IObje, TListComp<IObje>> {
public:
    class TIterator;

    IMatrix& GetMat() override { return *matrix; }
    IMatrix& GetMatrix() const { return *matrix; }
    // Loads a model into graphics the object owns; 1 when it did.
    virtual int LoadGrphFile(const std::string& sjisName);
    // Null for groups, and for a leaf whose data gave it no graphics.
    virtual I3DGrph* GetGrph() const { return nullptr; }
    virtual void SwapGrphMat(int, int) {}

    // A hidden leaf is skipped when drawing.
    bool visible = true;

protected:
    IObje(std::unique_ptr<IMatrix> localMatrix, TTree<IObje>* container)
        : TMultiTree(container), matrix(std::move(localMatrix)) {}

private:
    std::unique_ptr<IMatrix> matrix;
};

// Walks a tree for drawing: the visible leaves, each with its world matrix.
// Attach, First, then GetCurrent and Next until IsDone.
class IObje::TIterator : public TIte_CompHasMat<IObje, TListComp<IObje>> {
public:
    // graphics may be null (a leaf without graphics draws nothing).
    void GetCurrent(I3DGrph*& graphics, TOneMat& world) const;
};
