#pragma once

#include "modelgen/Image.h"
#include "world/Automaptiles.h"

// The automap's tiles, tile i at (i mod 10 × 5, i div 10 × 5) of a 50 × 30
// strip; the unused end of the last row has the map's background.
TImage PaintAutomapTiles();
