#pragma once

#include <filesystem>
#include <string_view>

// Makes a fresh folder the current folder for the life of the object, so
// tests can use the game's relative file names; restores and removes it after.
class TTempFolder {
public:
    // `utf8NamePart` goes into the folder's name.
    explicit TTempFolder(std::string_view utf8NamePart = {});
    ~TTempFolder();
    TTempFolder(const TTempFolder&) = delete;
    TTempFolder& operator=(const TTempFolder&) = delete;

    const std::filesystem::path& Path() const { return path; }

private:
    std::filesystem::path previous;
    std::filesystem::path path;
};
