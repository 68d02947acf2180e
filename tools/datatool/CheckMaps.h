#pragma once

#include "CheckSink.h"
#include "Content.h"

// What the game's own data checks cannot see from one file: the plans of
// wall pieces, floor tiles and big objects, the item tables, two things in
// one slot of a block, and where the heroine arrives in the village.
void CheckStages(const TContent& content, TCheckSink& sink);
void CheckTown(const TContent& content, TCheckSink& sink);
