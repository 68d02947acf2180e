#pragma once

#include <string>
#include <string_view>

// Shift-JIS text as UTF-8 for a log or a tool's window; bytes that are not
// valid Shift-JIS, as in a broken file, are shown in hex.
std::string PrintableSjis(std::string_view sjis);

// One line on standard error about a model or texture that could not be
// used, for the people who make content: what, which file, why.
void LogSceneProblem(std::string_view what, std::string_view sjisFileName,
                     std::string_view problem);
