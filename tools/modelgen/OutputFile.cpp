#include "modelgen/OutputFile.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>

void WriteOutputFile(const std::string& path, const std::string& bytes) {
    const std::filesystem::path target(path);
    std::error_code error;
    if (target.has_parent_path()) {
        std::filesystem::create_directories(target.parent_path(), error);
    }
    std::ofstream out(target, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        throw std::runtime_error(path + ": cannot be written");
    }
}
