#pragma once

#include "ListMarks.h"
#include "Names.h"
#include "PlacedRecords.h"
#include "SourceText.h"
#include "world/Mapdata.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string_view>

// Block fields of a floor's legend, and the names of its placed records.
inline constexpr std::array<std::string_view, 3> StageGridFields{"wall", "room", "tile"};
inline const TPlacedNames StageNames{FloarObjectKindNames, "floor"};

// Where each floor and each placed record of a floor stands in its source.
struct TFloarMarks {
    TSourceLocation where;
    std::vector<TSourceLocation> gridRows;
    std::vector<TSourceLocation> guests, objects, items, floarActers, forces, enemies;
};

struct TStageMarks {
    TSourceLocation where;
    TSourceLocation start;
    std::vector<TFloarMarks> floars;
};

// The stages from SRC/stages/*.yaml, one file per stage, in the order of
// their `number` fields (1, 2, ... without gaps).
struct TStagesSource {
    TDungeonData stages;
    std::vector<TStageMarks> marks;
};

std::optional<TStagesSource> ReadStageSources(const std::filesystem::path& sourceDir);
TSourceTexts DumpStages(const TDungeonData& stages);
