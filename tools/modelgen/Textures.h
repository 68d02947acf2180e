#pragma once

#include "modelgen/Picture.h"

#include <vector>

// The model textures under Obje/: dungeon walls, floors, doors, chests and
// stairs, the village's surfaces, the four keys and the armour. Textures that
// the game keys out draw their background in pure black.
std::vector<TPicture> PaintTextures();
