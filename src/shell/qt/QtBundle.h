#pragma once

#include "shell/PlatformBundle.h"

class TPX_FormMDI;

// The game on the desktop: OpenGL models and engine, the Qt worker thread and
// Qt timers on the real clock, the program's own dialogs and the Qt game window.
TPlatformBundle MakeQtBundle(TPX_FormMDI& mainProxy);
