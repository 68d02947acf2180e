#pragma once

#include "actors/Itemdata.h"
#include "village/Eventdata.h"
#include "village/Peopledata.h"
#include "world/DataProblem.h"
#include "world/Towndata.h"

#include <vector>

// The files the story ties together.
struct TStoryData {
    const std::vector<TPeopleImp>& people;
    const std::vector<TEvent>& events;
    const TItemData& items;
    const std::vector<TEquipItemProp>& equipment;
    const TTownData& town;
};

// What the story would trip over or silently lose: a repeated person number,
// people in the village or in a stage's placements who are not in the people
// file, placements outside their area, after-talk and stage-script lines with
// unknown commands or arguments that name no stage, condition, person, talk,
// item or area, after-talk text that can never run, and a script for stage 0,
// which is never entered. Each problem points at its record (a person, a talk,
// an event, a placement or a village object) and its message names the record
// and the line. What the readers refuse (talk numbers of a person's own talks,
// needed-condition counts) is not looked for again.
std::vector<TDataProblem> FindStoryProblems(const TStoryData& story);
