#pragma once

#include "world/DataProblem.h"
#include "world/Mapdata.h"

#include <vector>

// What would make a stage unplayable: a start that is on no floor, records
// outside their floor, kinds that mean nothing on a dungeon floor, links the
// floor cannot be built with (see Floarlinks.h), and exits that lead to no
// floor or outside it. Each problem names the floor and the record. Enemy
// ids missing from the floor's table raise their own error when the stage is
// entered, and two things in one slot are the blocks' own error; neither is
// looked for here.
std::vector<TDataProblem> FindStageProblems(const TStageData& stage);
