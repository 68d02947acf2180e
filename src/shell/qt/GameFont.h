#pragma once

#include <QFont>

// The game's windows are laid out for "ＭＳ Ｐゴシック" at 12 pixels; IPA P
// Gothic stands in for it. Call once the application object exists.
void ApplyGameFont();

// The game's font at a pixel size.
QFont GameFont(int pixelSize);
