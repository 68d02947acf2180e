#pragma once

#include "Content.h"
#include "SourceError.h"

#include <filesystem>

// Cross references of a whole source folder; models and textures are looked
// up in `gameDir` (models as gameDir/Obje/<name>.x, textures by the names the
// models give, which are relative to the game folder).
TProblems CheckContent(const TContent& content, const std::filesystem::path& gameDir);
