#pragma once

#include "modelgen/Picture.h"

#include <vector>

// The pictures of the how-to-play page, under Help/ beside it: the direction
// keys, the pointer's eight sectors and the cursors, the automap's marks of
// the floors' devices, the keys with their doors, and switches at work. They
// are drawn from the same tiles and cursors the game shows.
std::vector<TPicture> HelpPictures();
