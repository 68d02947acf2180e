#pragma once

#include <filesystem>
#include <string>
#include <vector>

// The sources of the test content set, which uses every record type and
// field of the data files.
std::filesystem::path TestContentSources();

// Lays the test content set out as a game folder: Data/ compiled by the
// datatool from the sources, Obje/ with the models and textures. Use it with
// a TTempFolder so the game's relative file names find it.
void InstallTestContent(const std::filesystem::path& gameFolder);

// Runs the datatool in-process; `output` gets what it printed, both streams.
int RunTool(const std::vector<std::string>& args, std::string& output);
