#pragma once

#include <filesystem>

// The sources of the test content set, which uses every record type and
// field of the data files.
std::filesystem::path TestContentSources();

// The game's own content sources (models, data, help) in the source tree.
std::filesystem::path GameContentSources();

// Lays the test content set out as a game folder: Data/ as the datatool
// compiled it from the sources when the tests were built, Obje/ with the
// models and textures, Graph/ with the game window's pictures. Use it with a
// TTempFolder so the game's relative file names find it.
void InstallTestContent(const std::filesystem::path& gameFolder);
