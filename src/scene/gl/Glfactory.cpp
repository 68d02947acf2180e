#include "scene/gl/Glfactory.h"

#include "scene/Dx7grph.h"
#include "scene/gl/Glengine.h"

TDX7Factory& CreateGLGraphicsFactory() {
    return TDX7Factory::CreateInstance(std::make_unique<TDX7_Xfile>(),
                                       [] { return std::make_unique<TGLEngine>(); });
}
