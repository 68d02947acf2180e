#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// Where a file or folder of the game lies. The game names its own files in
// Shift-JIS with "/" or "\" separators, relative to the current folder (data,
// models) or to the executable's folder (settings, saves); the folders above
// them keep the names the file system gives, which Shift-JIS may not hold.
class TGamePath {
public:
    // A game's own name, relative to the current folder.
    TGamePath(std::string_view sjisName);
    TGamePath(const std::string& sjisName) : TGamePath(std::string_view(sjisName)) {}
    TGamePath(const char* sjisName) : TGamePath(std::string_view(sjisName)) {}
    // A game's own name inside a folder named by the file system.
    TGamePath(const std::filesystem::path& folder, std::string_view sjisName);
    // A path as the file system names it.
    static TGamePath FromNative(const std::filesystem::path& path);

    const std::filesystem::path& Native() const { return native; }
    // The name in the game's messages (Shift-JIS): the game's own name as it
    // stands, a native path with "?" for what Shift-JIS lacks.
    const std::string& Shown() const { return shown; }

private:
    TGamePath() = default;

    std::filesystem::path native;
    std::string shown;
};

bool GameFileExists(const TGamePath& file);
bool GameFolderExists(const TGamePath& folder);
// Creates the folder and any missing parents; raises TGameError on failure.
void CreateGameFolder(const TGamePath& folder);

// Reads a whole file; raises TGameError naming the file when it cannot be read.
std::vector<std::uint8_t> ReadWholeGameFile(const TGamePath& file);
// Writes through a temporary file renamed into place, so a failed write never
// leaves a half-written file where a good one stood.
void WriteWholeGameFile(const TGamePath& file, const std::vector<std::uint8_t>& bytes);

struct TLocalDateTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};
// Last write time of a file in local time; raises TGameError if it is missing.
TLocalDateTime GameFileLastWriteTime(const TGamePath& file);

// The folder of the running program, as the file system names it.
std::filesystem::path ExecutableFolder();
// A game's own name beside the executable: the settings file, the saves.
TGamePath BesideExecutable(std::string_view sjisName);
