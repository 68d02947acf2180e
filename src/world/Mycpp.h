#pragma once

#include <string>
#include <vector>

// Every occurrence of `find` replaced; the search restarts from the start
// after each replacement, so `replacement` must not contain `find`.
std::string StrReplaceAll(const std::string& text, const std::string& find,
                          const std::string& replacement);

// Replaces every occurrence of `find` by CR LF, in place.
void ReplaceToCRLF(std::string& text, const std::string& find);

// The items of a text as a string list holds them: CR LF, a lone CR or a lone
// LF ends a line; empty lines between breaks are kept, a final break adds none.
std::vector<std::string> SplitLines(const std::string& text);

struct TScreenPlace {
    int left;
    int top;
};
// Where a window of the given size goes: centred across, a little above the
// middle (two thirds of the centring top).
TScreenPlace CenterOnScreen(int screenWidth, int screenHeight, int width, int height);
