#pragma once

#include "ListMarks.h"
#include "SourceText.h"
#include "world/Area.h"

#include <filesystem>
#include <optional>

// SRC/areas.yaml: the areas of the dungeon entrance screen.
//   areas:
//     - {name: "北の森", stages: [1, 2]}
struct TAreasSource {
    std::vector<TAreaData> areas;
    TListMarks marks;
};

std::optional<TAreasSource> ReadAreaSource(const std::filesystem::path& sourceDir);
TSourceTexts DumpAreas(const std::vector<TAreaData>& areas);
