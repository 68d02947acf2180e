#pragma once

#include "SourceError.h"
#include "SourceText.h"
#include "anim/Movestepdata.h"

#include <filesystem>
#include <optional>

// SRC/motions.yaml: the motion programs, their steps in order.
//   motions:
//     - number: 1
//       steps:
//         - {count: 4, up: 1, next: 2, lines: ["1<Move>0,0.5,0"]}
//         - {count: 0, next: 1, cycle_end: 1, lines: ["1<Move>0,-0.5,0"]}
// `lines` are the step's command lines (joined by CR LF) or one string taken
// exactly.
struct TMotionsSource {
    std::vector<TMotionStepProg> steps;
    std::vector<TSourceLocation> stepMarks;
    TSourceLocation where;
};

std::optional<TMotionsSource> ReadMotionSource(const std::filesystem::path& sourceDir);
TSourceTexts DumpMotions(const std::vector<TMotionStepProg>& steps);
