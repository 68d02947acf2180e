#include "DataKinds.h"
#include "support/TempFolder.h"
#include "support/TestContent.h"
#include "tools/RunTool.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace {

namespace fs = std::filesystem;

std::string FileBytes(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

TEST(DatatoolRoundTrip, TestContentMakesEveryDataFile) {
    TTempFolder folder;
    InstallTestContent(folder.Path());
    for (const auto& kind : DataKinds()) {
        EXPECT_TRUE(fs::exists(folder.Path() / "Data" / kind.fileName)) << kind.fileName;
    }
}

// Each file is dumped into sources of its own and built again; the bytes
// must come back unchanged.
TEST(DatatoolRoundTrip, DumpThenBuildGivesTheSameBytes) {
    TTempFolder folder;
    InstallTestContent(folder.Path());
    for (const auto& kind : DataKinds()) {
        const auto original = folder.Path() / "Data" / kind.fileName;
        const auto sources = folder.Path() / "dump" / kind.fileName;
        const auto rebuilt = folder.Path() / "rebuilt" / kind.fileName;
        std::string output;
        ASSERT_EQ(RunTool({"dump", original.string(), "--into", sources.string()}, output), 0)
            << output;
        ASSERT_EQ(RunTool({"build", sources.string(), rebuilt.string()}, output), 0) << output;
        EXPECT_EQ(FileBytes(rebuilt / kind.fileName), FileBytes(original)) << kind.fileName;
        std::vector<fs::path> written;
        for (const auto& entry : fs::directory_iterator(rebuilt)) {
            written.push_back(entry.path().filename());
        }
        EXPECT_EQ(written, std::vector<fs::path>{kind.fileName})
            << "a dump holds one file's sources";
    }
}

TEST(DatatoolRoundTrip, EquipmentListedUnderAnotherTypeDumpsAndBuildsBack) {
    TTempFolder folder;
    InstallTestContent(folder.Path());
    const auto original = folder.Path() / "Data" / "EQData";
    auto bytes = FileBytes(original);
    bytes[0] = 3; // the armour is listed with the two swords
    bytes[1] = 0;
    std::ofstream(original, std::ios::binary | std::ios::trunc) << bytes;
    std::string output;
    ASSERT_EQ(RunTool({"dump", original.string()}, output), 0) << output;
    EXPECT_NE(output.find("type: 2, listed: 1"), std::string::npos) << output;
    ASSERT_EQ(RunTool({"dump", original.string(), "--into", "dump"}, output), 0) << output;
    ASSERT_EQ(RunTool({"build", "dump", "rebuilt"}, output), 0) << output;
    EXPECT_EQ(FileBytes("rebuilt/EQData"), bytes);
}

TEST(DatatoolRoundTrip, DumpPrintsSourcesOfSeveralFilesAsDocuments) {
    TTempFolder folder;
    InstallTestContent(folder.Path());
    std::string output;
    ASSERT_EQ(RunTool({"dump", (folder.Path() / "Data" / "PeopleData").string()}, output), 0);
    EXPECT_NE(output.find("--- # people/001.yaml\n"), std::string::npos) << output;
    EXPECT_NE(output.find("--- # people/002.yaml\n"), std::string::npos) << output;
    EXPECT_NE(output.find("\"宿の主人\""), std::string::npos) << output;
}

TEST(DatatoolRoundTrip, DumpRefusesBadFiles) {
    TTempFolder folder;
    InstallTestContent(folder.Path());
    const auto data = folder.Path() / "Data";
    std::string output;
    EXPECT_NE(RunTool({"dump", (folder.Path() / "Unknown").string()}, output), 0);
    EXPECT_NE(output.find("not the name of a data file"), std::string::npos) << output;

    auto bytes = FileBytes(data / "EnemyData");
    std::ofstream(data / "EnemyData", std::ios::binary | std::ios::trunc)
        << bytes.substr(0, bytes.size() - 1);
    EXPECT_NE(RunTool({"dump", (data / "EnemyData").string()}, output), 0);
    EXPECT_NE(output.find("Data/EnemyData"), std::string::npos) << output;

    std::ofstream(data / "AreaData", std::ios::binary | std::ios::app) << 'x';
    EXPECT_NE(RunTool({"dump", (data / "AreaData").string()}, output), 0) << output;
}

TEST(DatatoolRoundTrip, UsageIsShownForUnknownCommands) {
    std::string output;
    EXPECT_EQ(RunTool({"frobnicate"}, output), 2);
    EXPECT_NE(output.find("usage:"), std::string::npos);
}

} // namespace
