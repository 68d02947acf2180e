#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// One line of a stage script or an after-talk text: its "_"-separated
// tokens, the first being the command and the rest its decimal arguments.
struct TScriptLine {
    std::string command;
    std::vector<std::string> arguments;
};

// The lines of a command text, split as a string list splits them; an empty
// line has an empty command.
std::vector<TScriptLine> SplitScript(const std::string& text);

// The value of a decimal argument: an optional minus sign and digits that fit
// 32 bits, nothing else.
std::optional<std::int32_t> ScriptNumber(const std::string& token);

// Argument `index` (from 0) of a line that is being run, as a number in
// [low, high]. Raises TGameError naming the line when it is missing, not a
// decimal number or out of range: the line cannot be run.
std::int32_t ScriptArgument(const TScriptLine& line, size_t index, std::int32_t low,
                            std::int32_t high);
