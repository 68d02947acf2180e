#include "support/TestContent.h"

std::filesystem::path TestContentSources() {
    return std::filesystem::path(TESSARINE_TEST_DATA_DIR) / "content" / "src";
}

std::filesystem::path GameContentSources() {
    return std::filesystem::path(TESSARINE_TEST_DATA_DIR).parent_path().parent_path() / "content";
}

void InstallTestContent(const std::filesystem::path& gameFolder) {
    constexpr auto replace = std::filesystem::copy_options::recursive |
                             std::filesystem::copy_options::overwrite_existing;
    std::filesystem::copy(TESSARINE_TEST_CONTENT_DATA_DIR, gameFolder / "Data", replace);
    // The models with their textures, and the game window's pictures.
    for (const char* folder : {"Obje", "Graph"}) {
        const auto files = TestContentSources().parent_path() / folder;
        if (std::filesystem::exists(files)) {
            std::filesystem::copy(files, gameFolder / folder, replace);
        }
    }
}
