#pragma once

#include <cstdint>
#include <string>
#include <vector>

// tessarine-sim --game DIR --script FILE [--seed N] [--trace FILE] [--draw]
//               [--timing]
struct TSimOptions {
    std::string game;
    std::string script;
    std::uint32_t seed = 1;
    // Empty: no trace.
    std::string trace;
    bool draw = false;
    // Each `steps` command tells on standard error how fast its steps ran.
    bool timing = false;
};

// The options after the program's name; raises TSimScriptError with the usage
// for anything else.
TSimOptions ParseSimOptions(const std::vector<std::string>& args);

const char* SimUsage();
