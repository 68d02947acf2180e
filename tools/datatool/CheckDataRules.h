#pragma once

#include "CheckSink.h"
#include "Content.h"

// The game's own content checks of the data (placements, links, exits, enemy
// tables, the story, the areas), each problem led back to its source record.
void CheckDataRules(const TContent& content, TCheckSink& sink);
