#pragma once

#include "actors/Enemydata.h"
#include "actors/Itemdata.h"

#include <string>
#include <vector>

// Enemy kinds and equipment that can never be made: a repeated id (the first
// record with an id wins, so the later ones are dead data). Each problem is
// Shift-JIS text naming the record by its 1-based position.
std::vector<std::string> FindEnemyProblems(const std::vector<TEnemyFile>& enemies);
std::vector<std::string> FindEquipmentProblems(const std::vector<TEquipItemProp>& equipment);
