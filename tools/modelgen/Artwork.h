#pragma once

#include "modelgen/Image.h"

// The main window's background tile (115 × 94; its top-left colour is the
// background, drawn transparent when the tile is stamped), the title artwork
// (478 × 329, with quiet places for the "START" and "CONTINUE" labels at
// (60, 140) and (364, 140)) and the program's 32 × 32 icon.
TImage PaintBackgroundTile();
TImage PaintTitle();
TImage PaintIcon();
