#pragma once

#include "ListMarks.h"
#include "SourceText.h"
#include "anim/Acterplan.h"

#include <filesystem>
#include <optional>

// SRC/acters.yaml: the bodies by acter number.
//   acters:
//     - {number: 1, object: 1, motions: [1, 2], variant: 0}
// `motions` is a list of motion numbers (joined by ",") or one string taken
// exactly.
struct TActersSource {
    std::vector<TActerFile> acters;
    TListMarks marks;
};

std::optional<TActersSource> ReadActerSource(const std::filesystem::path& sourceDir);
TSourceTexts DumpActers(const std::vector<TActerFile>& acters);
