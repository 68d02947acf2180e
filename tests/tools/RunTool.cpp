#include "tools/RunTool.h"

#include "Commands.h"

#include <sstream>

int RunTool(const std::vector<std::string>& args, std::string& output) {
    std::ostringstream out;
    std::ostringstream err;
    const auto code = RunDatatool(args, out, err);
    output = out.str() + err.str();
    return code;
}
