#pragma once

#include "modelgen/Image.h"

// The automap's 55 tiles of 5 × 5, tile i at (i mod 10 × 5, i div 10 × 5) of
// a 50 × 30 strip; the unused end of the last row has the map's background.
constexpr int AutomapTileSize = 5;
constexpr int AutomapTileCount = 55;
TImage PaintAutomapTiles();
