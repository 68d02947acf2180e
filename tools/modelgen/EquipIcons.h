#pragma once

#include "modelgen/Image.h"

// The equipment screen's kind icons of 14 × 14, icon i at (i × 14, 0) of a
// 42 × 14 strip: 0 a sword, 1 a shield (equipment type 2), 2 a body armour
// (type 3). Pixels of the top-left colour are the background, left
// transparent where the icons are drawn.
constexpr int EquipIconSize = 14;
constexpr int EquipIconCount = 3;
TImage PaintEquipIcons();
