#pragma once

#include "platform/SingleInstance.h"
#include "scene/I3DFactory.h"
#include "scene/I3DGrph.h"

#include <functional>
#include <memory>

class I3DEngine;

// The graphics factory: makes leaves and groups itself, graphics objects as
// copies-in-kind of a prototype (its NewGrph), and engines with a maker. The
// platform decides what those are: the OpenGL engine and its model class in
// the game, TNullEngine and TNullGrph in logic tests.
class TDX7Factory final : public I3DFactory, public TSingleInstance<TDX7Factory> {
public:
    using TEngineMaker = std::function<std::unique_ptr<I3DEngine>()>;

    TDX7Factory(std::unique_ptr<I3DGrph> grphPrototype, TEngineMaker engineMaker);
    ~TDX7Factory() override;

    std::unique_ptr<I3DEngine> NewEngine() override;
    std::unique_ptr<I3DGrph> NewGrph() override { return prototype->NewGrph(); }
    std::unique_ptr<IObje> NewLeafOwnGrph(bool composed) override;
    std::unique_ptr<IObje> NewLeaf(bool composed, I3DGrph* graphics, bool owns) override;
    std::unique_ptr<IObje> NewGroup(bool composed) override;

private:
    std::unique_ptr<I3DGrph> prototype;
    TEngineMaker makeEngine;
};
