#pragma once

#include "modelgen/Image.h"

// The status view's six comparison pictures of 35 × 22, picture i at
// (i mod 2 × 35, i div 2 × 22) of a 70 × 66 sheet. The left-half pictures
// judge the heroine's attack (0 just enough, 1 too weak, 4 to spare), the
// right-half ones her defence (2 just holds, 3 is pierced, 5 to spare).
constexpr int ComparisonWidth = 35;
constexpr int ComparisonHeight = 22;
constexpr int ComparisonCount = 6;
TImage PaintComparisonPictures();
