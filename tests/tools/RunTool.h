#pragma once

#include <string>
#include <vector>

// Runs the datatool in-process; `output` gets what it printed, both streams.
int RunTool(const std::vector<std::string>& args, std::string& output);
