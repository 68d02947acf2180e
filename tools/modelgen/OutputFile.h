#pragma once

#include <string>

// Writes a generated file (UTF-8 path) whole, creating its folders; raises
// std::runtime_error naming the file when it cannot be written.
void WriteOutputFile(const std::string& path, const std::string& bytes);
