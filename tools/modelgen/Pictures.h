#pragma once

#include "modelgen/Picture.h"

#include <vector>

// The two pictures the game window reads: "Graph/マップパターン.bmp" (automap
// tiles) and "Graph/攻撃防御.bmp" (comparison pictures).
std::vector<TPicture> GamePictures();

// The program's own artwork for the windows: cursors/<name>.bmp with
// cursors/cursors.txt, background.bmp, title.bmp, icon.bmp and the equipment
// screen's kind icons equipicons.bmp.
std::vector<TPicture> ArtPictures();
void WriteArt(const std::string& outDir);
