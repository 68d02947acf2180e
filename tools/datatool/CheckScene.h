#pragma once

#include "CheckSink.h"
#include "Content.h"

#include <filesystem>

// Objects name graphics that exist, graphics name models that load and whose
// textures exist in `gameDir`, and motion steps end and hold valid commands.
void CheckObjects(const TContent& content, TCheckSink& sink);
void CheckGraphics(const TContent& content, const std::filesystem::path& gameDir, TCheckSink& sink);
void CheckMotions(const TContent& content, TCheckSink& sink);
