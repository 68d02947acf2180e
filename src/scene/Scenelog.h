#pragma once

#include <string>
#include <string_view>

// One line on standard error about a model or texture that could not be
// used, for the people who make content: what, which file, why.
void LogSceneProblem(std::string_view what, std::string_view sjisFileName,
                     std::string_view problem);
