#pragma once

#include "ListMarks.h"
#include "SourceText.h"
#include "actors/Enemydata.h"

#include <filesystem>
#include <optional>

// SRC/enemies.yaml: the enemy kinds.
//   enemies:
//     - {id: 1, name: "スライム", acter: 50}
struct TEnemiesSource {
    std::vector<TEnemyFile> enemies;
    TListMarks marks;
};

std::optional<TEnemiesSource> ReadEnemySource(const std::filesystem::path& sourceDir);
TSourceTexts DumpEnemies(const std::vector<TEnemyFile>& enemies);
