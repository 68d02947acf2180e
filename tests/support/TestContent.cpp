#include "support/TestContent.h"

std::filesystem::path TestContentSources() {
    return std::filesystem::path(TESSARINE_TEST_DATA_DIR) / "content" / "src";
}

void InstallTestContent(const std::filesystem::path& gameFolder) {
    constexpr auto replace = std::filesystem::copy_options::recursive |
                             std::filesystem::copy_options::overwrite_existing;
    std::filesystem::copy(TESSARINE_TEST_CONTENT_DATA_DIR, gameFolder / "Data", replace);
    const auto models = TestContentSources().parent_path() / "Obje";
    if (std::filesystem::exists(models)) {
        std::filesystem::copy(models, gameFolder / "Obje", replace);
    }
}
