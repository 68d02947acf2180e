#include "platform/GameFiles.h"

#include <cstdint>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>

namespace {

namespace fs = std::filesystem;

// What the settings file beside the test binary looks like, if there is one.
struct TFileMark {
    fs::file_time_type written;
    std::uintmax_t size = 0;

    friend bool operator==(const TFileMark&, const TFileMark&) = default;
};

std::optional<TFileMark> MarkOf(const fs::path& file) {
    std::error_code ec;
    const auto written = fs::last_write_time(file, ec);
    if (ec) {
        return std::nullopt;
    }
    return TFileMark{written, fs::file_size(file, ec)};
}

// CTest runs the tests of one binary as processes side by side, all beside
// the same binary: a test that writes the game's settings file there races
// the others. Fails such a test; each test keeps its settings in its own
// folder.
class TSettingsFileCheck final : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo&) override { before = MarkOf(File()); }
    void OnTestEnd(const testing::TestInfo&) override {
        EXPECT_TRUE(MarkOf(File()) == before)
            << "the test wrote " << File() << ", which the tests running beside it share";
    }

    static fs::path File() { return ExecutableFolder() / "Tessarine.ini"; }

    std::optional<TFileMark> before;
};

class TSettingsFileCheckEnvironment final : public testing::Environment {
    void SetUp() override {
        testing::UnitTest::GetInstance()->listeners().Append(new TSettingsFileCheck);
    }
};

const testing::Environment* const registered =
    testing::AddGlobalTestEnvironment(new TSettingsFileCheckEnvironment);

} // namespace
