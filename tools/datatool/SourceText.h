#pragma once

#include <string>
#include <vector>

// One source file made by a dump: its name relative to the source folder, its
// YAML text, and notes on what of the file the game ignores and the source
// leaves out.
struct TSourceText {
    std::string relName;
    std::string text;
    std::vector<std::string> notes = {};

    // The notes as comment lines ahead of the text.
    std::string Written() const;
};

using TSourceTexts = std::vector<TSourceText>;

// File names for a list of n sources in a folder, sorting in list order:
// "people/001.yaml", "people/002.yaml", ...
std::string NumberedSourceName(const std::string& folder, size_t index, size_t count);
