#pragma once

#include "world/BlockRecords.h"
#include "world/Mapdata.h"

#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <vector>

// Stage data written by hand for tests, built from the test content's wall
// piece, floor tile and first enemy kind.

// A floor drawn in text, one string per row: '#' a wall, '.' corridor
// floor, '1' to '9' the floor of that room. Records are added to it after.
TFloarData SketchFloar(std::initializer_list<std::string_view> rows);
// A floor of bare corridor, width x height.
TFloarData BareFloar(int width, int height);
// A stage of those floors, the heroine starting on floor 1 at (x, y).
TStageData SketchStage(int x, int y, std::vector<TFloarData> floars);
// The floor's enemy table entry `id`: the test content's first enemy kind.
TFloarEnemy EnemyKind(std::uint8_t id, std::uint8_t attack, std::uint8_t defence,
                      std::uint8_t hitPoints);

// An enemy of the floor's table entry 1.
TBlockGuest EnemyAt(int x, int y, std::uint8_t dir, std::uint8_t behaviour);
TBlockGuest ObstacleAt(int x, int y, std::uint8_t defence);
// A door, wall switch or fairy; `link` names an object record from 1.
TBlockObje ObjectAt(int x, int y, std::uint8_t kind, std::uint8_t subKind = 0,
                    std::uint8_t link = 0);
// An exit with its arrival block, or a floor switch with its object and timer.
TBlockFloar FloorActerAt(int x, int y, std::uint8_t kind, std::uint8_t subKind, int valueA = 0,
                         int valueB = 0);
// Free, or in a chest (`chest` above 4: no key) with its event mark and value.
TBlockItem ItemAt(int x, int y, std::uint8_t kind, std::uint8_t id, std::uint8_t chest = 0,
                  std::uint8_t mark = 0, std::uint8_t value = 0);

// The busiest floor the tests play: three rooms and the corridors between
// them, ten patrols, two keepers, two obstacle blocks, a door worked by a
// wall switch and a timed floor switch, a locked door with its key, a chest,
// a free item and a fairy. The heroine starts at (8, 6), in the corridor.
TStageData BusiestStage();
