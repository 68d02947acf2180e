#pragma once

#include "platform/GameFiles.h"

#include <filesystem>
#include <string>
#include <vector>

// A sections-and-keys settings file ("[section]" lines and "key=value" lines)
// whose names and values are Shift-JIS text stored as they stand. Lines we do
// not understand (comments, blank lines) are kept when the file is written.
class TIniFile {
public:
    // Reads the file if it exists; a missing file is an empty one. The path
    // is the file system's own (the settings lie beside the executable,
    // wherever that is).
    explicit TIniFile(const std::filesystem::path& path);

    int ReadInteger(const std::string& section, const std::string& key, int defaultValue) const;
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) const;
    void WriteInteger(const std::string& section, const std::string& key, int value);
    void WriteString(const std::string& section, const std::string& key, const std::string& value);

    // Writes the file, creating it when missing.
    void Save() const;

private:
    struct TLine {
        std::string text;
        std::string key; // empty for section, comment and blank lines
        std::string value;
    };
    struct TSection {
        std::string name;
        std::vector<TLine> lines;
    };

    const TLine* Find(const std::string& section, const std::string& key) const;

    TGamePath file;
    std::vector<TSection> sections; // the first one holds lines before any section header
};
