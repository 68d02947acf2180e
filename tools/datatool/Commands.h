#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// The whole tool: `args` without the program name. Returns the exit code.
int RunDatatool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
