#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// The game names its files in Shift-JIS with "/" or "\" separators, relative
// to the current folder; the file system holds UTF-8 names.
std::filesystem::path GamePath(std::string_view sjisName);

bool GameFileExists(std::string_view sjisName);
bool GameFolderExists(std::string_view sjisName);
// Creates the folder and any missing parents; raises TGameError on failure.
void CreateGameFolder(std::string_view sjisName);

// Reads a whole file; raises TGameError naming the file when it cannot be read.
std::vector<std::uint8_t> ReadWholeGameFile(std::string_view sjisName);
// Writes through a temporary file renamed into place, so a failed write never
// leaves a half-written file where a good one stood.
void WriteWholeGameFile(std::string_view sjisName, const std::vector<std::uint8_t>& bytes);

struct TLocalDateTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};
// Last write time of a file in local time; raises TGameError if it is missing.
TLocalDateTime GameFileLastWriteTime(std::string_view sjisName);

// Shift-JIS paths without a trailing separator.
std::string ExecutableFolder();
std::string CurrentFolder();
