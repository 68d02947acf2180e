#pragma once

#include <cstdint>
#include <string>
#include <vector>

// tessarine-sim --game DIR --script FILE [--seed N] [--trace FILE] [--draw]
struct TSimOptions {
    std::string game;
    std::string script;
    std::uint32_t seed = 1;
    // Empty: no trace.
    std::string trace;
    bool draw = false;
};

// The options after the program's name; raises TSimScriptError with the usage
// for anything else.
TSimOptions ParseSimOptions(const std::vector<std::string>& args);

const char* SimUsage();
