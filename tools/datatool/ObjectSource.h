#pragma once

#include "ListMarks.h"
#include "SourceText.h"
#include "scene/Objedata.h"

#include <filesystem>
#include <optional>

// SRC/objects.yaml: the objects and their parts, in file order.
//   objects:
//     - number: 1
//       parts:
//         - {graphics: 1, at: [0, 0, 0], y_rota: [90, 0, 0]}
//         - {parent: 1, graphics: 2, at: [0, 1, 0], visible: 0, variants: [1, 1, 0, 0, 0, 0, 0]}
// A part is a leaf when it has graphics unless `leaf` says otherwise, and
// visible unless `visible: 0`.
struct TObjectsSource {
    std::vector<TObjePlan> plans;
    std::vector<TSourceLocation> planMarks; // one per plan
    TSourceLocation where;
};

std::optional<TObjectsSource> ReadObjectSource(const std::filesystem::path& sourceDir);
TSourceTexts DumpObjects(const std::vector<TObjePlan>& plans);
