#pragma once

#include <stdexcept>
#include <string>

// The game did not do what the script expected: a failed expectation, a
// question nobody answered, a control that is not on screen. Exit status 1.
class TSimFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The script or the command line cannot be run as written. Exit status 2,
// as for an error of the game.
class TSimScriptError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Exit statuses of tessarine-sim.
constexpr int SimPassed = 0;
constexpr int SimFailed = 1;
constexpr int SimError = 2;
