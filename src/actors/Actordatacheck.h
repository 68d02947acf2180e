#pragma once

#include "actors/Enemydata.h"
#include "actors/Itemdata.h"
#include "world/DataProblem.h"
#include "world/Mapdata.h"

#include <vector>

// Enemy kinds and equipment that can never be made: a repeated id (the first
// record with an id wins, so the later ones are dead data). Each problem points
// at the later record by its position.
std::vector<TDataProblem> FindEnemyProblems(const std::vector<TEnemyFile>& enemies);
std::vector<TDataProblem> FindEquipmentProblems(const std::vector<TEquipItemProp>& equipment);

// The enemies of a stage that cannot be made: enemy guests whose id is not in
// their floor's enemy table, and table entries whose kind is not in the enemy
// file. Problems point at the guest or the table entry of the floor.
std::vector<TDataProblem> FindStageEnemyProblems(const TStageData& stage,
                                                 const std::vector<TEnemyFile>& enemies);
