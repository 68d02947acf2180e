#include "scene/Obje.h"

#include "platform/MessageSeam.h"
#include "platform/SjisText.h"

TObjeLeaf::TObjeLeaf(std::unique_ptr<IMatrix> localMatrix)
    : IObje(std::move(localMatrix), &TLeaf<IObje>::Shared()) {}

void TObjeLeaf::SetGrph(I3DGrph* newGraphics, bool owns) {
    if (newGraphics == graphics) {
        return;
    }
    ownedGraphics.reset(owns ? newGraphics : nullptr);
    graphics = newGraphics;
}

int TObjeLeaf::LoadGrphFile(const std::string& sjisName) {
    if (!OwnsGrph()) {
        MessageSeam().ShowMessage(Sjis("共有画像データにはファイル読込不可"));
        return 0;
    }
    return graphics->LoadFile(sjisName) ? 1 : 0;
}

void TObjeLeaf::SwapGrphMat(int a, int b) {
    if (graphics != nullptr) {
        graphics->SwapMat(a, b);
    }
}

TObjeGroup::TObjeGroup(std::unique_ptr<IMatrix> localMatrix)
    : IObje(std::move(localMatrix), new TListComp<IObje>()) {}
