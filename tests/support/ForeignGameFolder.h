#pragma once

#include "support/TempFolder.h"

#include <filesystem>

// A game folder under a path that holds characters Shift-JIS lacks, as a
// player's home folder may: the current folder for the life of the object,
// holding the test content, with a folder in it that stands for the
// executable's folder (settings, saves).
class TForeignGameFolder {
public:
    TForeignGameFolder();

    const std::filesystem::path& Path() const { return folder.Path(); }
    std::filesystem::path ExecutableFolder() const;

private:
    TTempFolder folder;
};
