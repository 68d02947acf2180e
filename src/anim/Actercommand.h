#pragma once

#include <string>
#include <string_view>
#include <vector>

// One command line of a motion step: the part number, "<", the command, ">"
// and its numbers separated by "," (any of the three separates any tokens).
struct TActerCommand {
    // BadNumber: a line whose part number or number is not a number; it
    // raises `error` when it runs.
    enum class TKind { Blank, Invalid, BadNumber, Scale, Move, XRota, YRota, ZRota };

    TKind kind = TKind::Blank;
    // 0-based; the part numbers 0 and 1 both mean the first part.
    size_t part = 0;
    float a = 0;
    float b = 0;
    float c = 0;
    std::string error;
};

// The trimmed tokens of a line, split at every "<", ">" and ",".
std::vector<std::string> ActerCommandTokens(std::string_view line);

// A line of blanks is Blank. An unknown command, or one short of the numbers
// it needs, is Invalid. A part number or a needed number that is not a number
// raises TGameError.
TActerCommand ParseActerCommand(std::string_view line);
// The same, for keeping: a line that would raise is kept as BadNumber.
TActerCommand CompileActerCommand(std::string_view line);
