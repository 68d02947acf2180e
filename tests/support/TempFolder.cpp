#include "support/TempFolder.h"

#include <atomic>
#include <string>
#include <unistd.h>

TTempFolder::TTempFolder(std::string_view utf8NamePart)
    : previous(std::filesystem::current_path()) {
    static std::atomic<int> counter{0};
    path = std::filesystem::temp_directory_path() /
           ("tessarine-test-" + std::to_string(getpid()) + "-" + std::to_string(counter++) +
            std::string(utf8NamePart));
    std::filesystem::remove_all(path);
    std::filesystem::create_directories(path);
    std::filesystem::current_path(path);
}

TTempFolder::~TTempFolder() {
    std::error_code ignored;
    std::filesystem::current_path(previous, ignored);
    std::filesystem::remove_all(path, ignored);
}
