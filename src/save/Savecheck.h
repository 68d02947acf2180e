#pragma once

#include "world/Mapdata.h"
#include "world/Towndata.h"

#include <cstdint>
#include <functional>

class TDataReader;
class TSaveDungeon;
class TSaveTown;

// A save read whole is checked against the game's data before it replaces
// the running game: a save of other data would fail only once its floor or
// village area is being built, when the game it replaced is already gone.
// Each check raises the reader's content error, which names the file.

// The dungeon exists, the save has its floors, her floor holds her, every
// record stands on its floor and every floor switch of the data has its
// record.
void CheckDungeonSaveFits(const TSaveDungeon& save, const TDungeonData& stages,
                          const TDataReader& reader);

// The area exists, she and its people stand on it, and every person lives in
// the village.
void CheckTownSaveFits(const TSaveTown& save, const TTownData& areas,
                       const std::function<bool(std::uint32_t personNo)>& personExists,
                       const TDataReader& reader);
