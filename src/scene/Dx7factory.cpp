#include "scene/Dx7factory.h"

#include "scene/I3DEngine.h"
#include "scene/Obje.h"

namespace {

std::unique_ptr<IMatrix> NewMatrix(bool composed) {
    if (composed) {
        return std::make_unique<TGroupMat>();
    }
    return std::make_unique<TOneMat>();
}

} // namespace

TDX7Factory::TDX7Factory(std::unique_ptr<I3DGrph> grphPrototype, TEngineMaker engineMaker)
    : prototype(std::move(grphPrototype)), makeEngine(std::move(engineMaker)) {}

TDX7Factory::~TDX7Factory() = default;

std::unique_ptr<I3DEngine> TDX7Factory::NewEngine() {
    return makeEngine();
}

std::unique_ptr<IObje> TDX7Factory::NewLeafOwnGrph(bool composed) {
    return NewLeaf(composed, NewGrph().release(), true);
}

std::unique_ptr<IObje> TDX7Factory::NewLeaf(bool composed, I3DGrph* graphics, bool owns) {
    auto leaf = std::make_unique<TObjeLeaf>(NewMatrix(composed));
    leaf->SetGrph(graphics, owns);
    return leaf;
}

std::unique_ptr<IObje> TDX7Factory::NewGroup(bool composed) {
    return std::make_unique<TObjeGroup>(NewMatrix(composed));
}
