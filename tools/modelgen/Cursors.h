#pragma once

#include "modelgen/Image.h"

#include <string>
#include <vector>

// The 21 pointer cursors: 32 × 32, black shapes with a white rim on the mask
// colour, hot spot at the centre (16, 16).
constexpr int CursorSize = 32;
constexpr int CursorHotSpot = 16;
constexpr TRgb CursorMask{255, 0, 255};

struct TCursor {
    int number; // the screen-cursor number the game asks for
    std::string name;
    TImage image;
};

std::vector<TCursor> PaintCursors();

// The manifest beside the cursor files: one line per cursor, "number name
// file hotX hotY", after comment lines naming the mask colour.
std::string CursorManifest(const std::vector<TCursor>& cursors);
