#include "support/TestContent.h"

#include "Commands.h"

#include <sstream>
#include <stdexcept>

std::filesystem::path TestContentSources() {
    return std::filesystem::path(TESSARINE_TEST_DATA_DIR) / "content" / "src";
}

void InstallTestContent(const std::filesystem::path& gameFolder) {
    std::ostringstream out;
    std::ostringstream err;
    if (RunDatatool({"build", TestContentSources().string(), (gameFolder / "Data").string()}, out,
                    err) != 0) {
        throw std::runtime_error("the test content does not build: " + err.str());
    }
    const auto models = TestContentSources().parent_path() / "Obje";
    if (std::filesystem::exists(models)) {
        std::filesystem::copy(models, gameFolder / "Obje",
                              std::filesystem::copy_options::recursive |
                                  std::filesystem::copy_options::overwrite_existing);
    }
}

int RunTool(const std::vector<std::string>& args, std::string& output) {
    std::ostringstream out;
    std::ostringstream err;
    const auto code = RunDatatool(args, out, err);
    output = out.str() + err.str();
    return code;
}
