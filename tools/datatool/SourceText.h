#pragma once

#include <string>
#include <vector>

// One source file made by a dump: its name relative to the source folder and
// its YAML text.
struct TSourceText {
    std::string relName;
    std::string text;
};

using TSourceTexts = std::vector<TSourceText>;

// File names for a list of n sources in a folder, sorting in list order:
// "people/001.yaml", "people/002.yaml", ...
std::string NumberedSourceName(const std::string& folder, size_t index, size_t count);
