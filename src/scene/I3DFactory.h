#pragma once

#include <memory>

class I3DEngine;
class I3DGrph;
class IObje;

// Makes engines, graphics objects and scene objects. `composed` chooses the
// new object's matrix: a TGroupMat when true, a TOneMat when false.
//
// The core implementation is TDX7Factory (Dx7factory.h): it makes the leaves
// and groups itself and gets engines and graphics from what the platform
// hands it (an engine maker and a graphics prototype whose NewGrph gives
// every new graphics object). The Qt/OpenGL side supplies those two; logic
// tests supply TNullEngine and TNullGrph (NullEngine.h).
class I3DFactory {
public:
    virtual ~I3DFactory() = default;
    virtual std::unique_ptr<I3DEngine> NewEngine() = 0;
    virtual std::unique_ptr<I3DGrph> NewGrph() = 0;
    // A leaf with a new empty graphics object of its own.
    virtual std::unique_ptr<IObje> NewLeafOwnGrph(bool composed) = 0;
    // A leaf drawing the given graphics; it deletes them only when it owns them.
    virtual std::unique_ptr<IObje> NewLeaf(bool composed, I3DGrph* graphics, bool owns) = 0;
    virtual std::unique_ptr<IObje> NewGroup(bool composed) = 0;
};
