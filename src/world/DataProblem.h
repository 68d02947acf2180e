#pragma once

#include <cstddef>
#include <string>

// The lists of records that the content checks of the data files look into.
enum class TDataList {
    StageStart,
    Guests,
    Objects,
    Items,
    FloarActers,
    Forces,
    AreaStages,
    FloarEnemies,
    Enemies,
    Equipment,
    People,
    Talks,
    Events,
    Placements,
};

// Something the game could not use in a data file that reads well, pointing
// at the record so our tools can lead back to its source.
struct TDataProblem {
    // Stage floor number (from 1), village area or area (from 0); the person
    // (Talks) or event record (Placements) by position, from 0; else 0.
    size_t group = 0;
    TDataList list = TDataList::StageStart;
    size_t record = 0;   // position in the list, from 0
    std::string message; // Shift-JIS, naming the group and the record
};
