#pragma once

#include "world/DataProblem.h"
#include "world/Towndata.h"

#include <vector>

// What would make a village area unbuildable: records outside the area, object
// kinds other than big objects and people, floor actors other than exits, and
// exits that lead to no area or outside it. Each problem names the area (by
// its 0-based position) and the record. Person ids and big object plan ids are
// checked by their owners.
std::vector<TDataProblem> FindTownProblems(const TTownData& areas);
