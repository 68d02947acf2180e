#pragma once

#include <stdexcept>
#include <string>
#include <vector>

// Where something stands in the content sources: the file relative to the
// source folder and the 1-based line (0 when the file as a whole is meant).
struct TSourceLocation {
    std::string file;
    int line = 0;

    std::string ToString() const;
};

// A source that cannot be compiled. The message is UTF-8, like the sources.
class TSourceError : public std::runtime_error {
public:
    TSourceError(TSourceLocation where, const std::string& message);
    const TSourceLocation& Where() const { return where; }
    const std::string& Message() const { return message; }

private:
    TSourceLocation where;
    std::string message;
};

// One finding of `check`. A warning points at something the game takes,
// though its maker likely meant something else.
struct TProblem {
    TSourceLocation where;
    std::string message;
    bool warning = false;
};

using TProblems = std::vector<TProblem>;
