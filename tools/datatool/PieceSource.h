#pragma once

#include "ListMarks.h"
#include "SourceText.h"
#include "world/WOPlanDepot.h"

#include <filesystem>
#include <optional>

// SRC/pieces.yaml: the plan files of wall pieces, big village objects and
// floor tiles, one section each; a missing section writes no file.
struct TPiecesSource {
    std::optional<TWOPlanFile<TObjePlanMini>> walls;
    std::optional<TWOPlanFile<TBigObjePlan>> bigObjects;
    std::optional<TWOPlanFile<TObjePlanMini>> floarTiles;
    TListMarks wallMarks, bigObjectMarks, floarTileMarks;
};

std::optional<TPiecesSource> ReadPieceSource(const std::filesystem::path& sourceDir);
// `section` is "walls", "big_objects" or "floor_tiles".
TSourceTexts DumpPieces(const char* section, const TWOPlanFile<TObjePlanMini>& plans);
TSourceTexts DumpBigObjects(const TWOPlanFile<TBigObjePlan>& plans);
