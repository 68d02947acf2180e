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
