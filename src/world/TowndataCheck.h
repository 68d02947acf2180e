#pragma once

#include "world/Towndata.h"

#include <string>
#include <vector>

// What would make a village area unbuildable: records outside the area, object
// kinds other than big objects and people, floor actors other than exits, and
// exits that lead to no area or outside it. Each problem is Shift-JIS text
// naming the area (by its 0-based position) and the record. Person ids and big
// object plan ids are checked by their owners.
std::vector<std::string> FindTownProblems(const TTownData& areas);
