#pragma once

#include "Names.h"
#include "PlacedRecords.h"
#include "SourceText.h"
#include "world/Towndata.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string_view>

inline constexpr std::array<std::string_view, 2> TownGridFields{"wall", "tile"};
inline const TPlacedNames TownNames{TownObjectKindNames, "area"};

struct TFieldMarks {
    TSourceLocation where;
    std::vector<TSourceLocation> gridRows;
    std::vector<TSourceLocation> objects, floarActers;
};

// The village areas from SRC/town.yaml, in list order (the first is area 1
// of the sources, where the heroine arrives).
struct TTownSource {
    TTownData areas;
    std::vector<TFieldMarks> marks;
};

std::optional<TTownSource> ReadTownSource(const std::filesystem::path& sourceDir);
TSourceTexts DumpTown(const TTownData& areas);
