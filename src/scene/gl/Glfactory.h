#pragma once

#include "scene/Dx7factory.h"

// Makes the program's graphics factory: models read from ".x" files and drawn
// by the OpenGL engine. Released with TDX7Factory::ReleaseInstance.
TDX7Factory& CreateGLGraphicsFactory();
