#pragma once

#include <stdexcept>
#include <string>

// The general failure of the game. The message is Shift-JIS text, as every
// text inside the game; what() returns those bytes.
class TGameError : public std::runtime_error {
public:
    explicit TGameError(const std::string& sjisMessage) : std::runtime_error(sjisMessage) {}
};

// A few faults are raised as a bare text value instead of TGameError; this
// type keeps them apart from the general exception while carrying the text.
struct TBareText {
    std::string text;
};
