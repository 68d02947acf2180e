#pragma once

#include "modelgen/Image.h"

#include <string_view>

// Digits of 3 × 5 pixels, for the automap's level floors.
void DrawDigit3x5(TImage& image, int digit, int x, int y, TRgb c);

// Capital letters and digits of 5 × 7 pixels, each pixel drawn as a
// `scale` × `scale` square, one blank column between letters.
void DrawText5x7(TImage& image, std::string_view text, int x, int y, int scale, TRgb c);
int TextWidth5x7(std::string_view text, int scale);
