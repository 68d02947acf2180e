#pragma once

#include "ListMarks.h"
#include "SourceText.h"
#include "scene/Grphdata.h"

#include <filesystem>
#include <optional>

// SRC/graphics.yaml: the models and their alternative colourings.
//   graphics:
//     - {number: 1, model: "hero", swaps: {1: ["0>3"], 2: ["0>4", "1>5"]}}
// `swaps` gives the swap lists of alternatives 1 to 6; each is a list of
// "a>b" lines (joined by CR LF) or one string taken exactly.
struct TGraphicsSource {
    std::vector<TGrphFile> graphics;
    TListMarks marks;
};

std::optional<TGraphicsSource> ReadGraphicsSource(const std::filesystem::path& sourceDir);
TSourceTexts DumpGraphics(const std::vector<TGrphFile>& graphics);
