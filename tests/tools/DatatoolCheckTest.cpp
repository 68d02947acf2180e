#include "support/TempFolder.h"
#include "support/TestContent.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sstream>

namespace {

namespace fs = std::filesystem;

// A copy of the test content's sources with one text replaced.
struct TPlantedFault {
    const char* file;
    const char* find;
    const char* replacement;
    const char* message;
    // The text on the line the problem is reported at, when not the replacement.
    const char* reportedAt = nullptr;
};

class TFaultyContent {
public:
    explicit TFaultyContent(const TPlantedFault& fault) {
        sources = folder.Path() / "src";
        fs::copy(TestContentSources(), sources, fs::copy_options::recursive);
        const auto path = sources / fault.file;
        std::ifstream in(path, std::ios::binary);
        std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        in.close();
        const auto at = text.find(fault.find);
        EXPECT_NE(at, std::string::npos) << fault.find;
        text.replace(at, std::string(fault.find).size(), fault.replacement);
        const auto reported = fault.reportedAt ? text.find(fault.reportedAt) : at;
        line = 1 + static_cast<int>(std::count(
                       text.begin(), text.begin() + static_cast<std::ptrdiff_t>(reported), '\n'));
        std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
        where = (sources / fault.file).string() + ":" + std::to_string(line) + ": ";
    }

    TTempFolder folder;
    fs::path sources;
    int line = 0;
    std::string where; // "file:line: "
};

bool HasLine(const std::string& output, const std::string& start, const std::string& part) {
    std::istringstream lines(output);
    for (std::string text; std::getline(lines, text);) {
        if (text.starts_with(start) && text.find(part) != std::string::npos) {
            return true;
        }
    }
    return false;
}

TEST(DatatoolCheck, TestContentHasNoProblems) {
    std::string output;
    EXPECT_EQ(RunTool({"check", TestContentSources().string()}, output), 0) << output;
    EXPECT_EQ(output, "");
}

const TPlantedFault PlantedFaults[] = {
    {"stages/01-cave.yaml", "kind: switch, sub: 0, dir: N, link: 2",
     "kind: switch, dir: N, link: 4", "link 4 points at no door or wall switch"},
    {"stages/01-cave.yaml", "kind: enemy, enemy: 1,", "kind: enemy, enemy: 9,",
     "enemy id 9 is not in this floor's enemy_table"},
    {"stages/01-cave.yaml", "{id: 2, enemy: 2,", "{id: 2, enemy: 7,",
     "enemy kind 7 is not in enemies.yaml"},
    {"stages/01-cave.yaml", "link: 2, timer: 5", "link: 5, timer: 5",
     "floor switch link 5 points at no door or wall switch"},
    {"stages/01-cave.yaml", "{at: [4, 3], kind: obstacle", "{at: [1, 3], kind: obstacle",
     "both take the guest slot of block (1, 3)"},
    {"stages/01-cave.yaml", "{at: [4, 2], kind: tool, id: 5}", "{at: [1, 1], kind: tool, id: 5}",
     "both take the item slot of block (1, 1)"},
    {"stages/01-cave.yaml", "sub: 2, to: [3, 2]}", "sub: 2, to: [9, 2]}",
     "arrives at (9, 2), outside floor 2"},
    {"stages/01-cave.yaml", "{at: [1, 1], kind: key, id: 1}", "{at: [1, 1], kind: key, id: 6}",
     "item 1/6 is not in items.yaml"},
    {"stages/02-tower.yaml", "start: {floor: 1,", "start: {floor: 3,",
     "start floor 3 is not a floor of this stage"},
    {"people/01-innkeeper.yaml", "talk: 3}", "talk: 4}", "choice leads to talk 4"},
    {"people/01-innkeeper.yaml", "\"EventTermGo_1_1\"", "\"EventTermGo_5_1\"",
     "stage 5 is not an event of events.yaml"},
    {"people/02-mayor.yaml", "\"EventTermGo_2_1\"", "\"DungInfo_1\"",
     "DungInfo belongs in event scripts"},
    {"events.yaml", "\"TalkChange_7_3\"", "\"TalkChange_7_9\"", "person 7 has no talk 9"},
    {"events.yaml", "\"DungInfo_1\"", "\"DungInfo_x\"", "argument 'x' of DungInfo"},
    {"events.yaml", "{person: 3, area: 1, at: [15, 3]", "{person: 3, area: 1, at: [10, 2]",
     "both take the guest slot of block (10, 2)"},
    {"areas.yaml", "stages: [2, 1]", "stages: [2, 3]", "stage 3 is not in stages/"},
    {"town.yaml", "kind: person, sub: 7,", "kind: person, sub: 8,", "person 8 is not in people/"},
    {"town.yaml", "to: [2, 2], area: 2", "to: [2, 9], area: 2", "outside area 2"},
    {"town.yaml", "\"=\": {wall: 5, tile: 1}", "\"=\": {wall: 6, tile: 1}",
     "wall piece 6 has no plan in pieces.yaml walls", "#.=..#"},
};

class DatatoolPlantedFault : public testing::TestWithParam<TPlantedFault> {};

TEST_P(DatatoolPlantedFault, IsReportedWithItsFileAndLine) {
    const auto& fault = GetParam();
    TFaultyContent content(fault);
    std::string output;
    EXPECT_EQ(RunTool({"check", content.sources.string()}, output), 1);
    EXPECT_TRUE(HasLine(output, content.where, fault.message))
        << "expected " << content.where << fault.message << "\ngot:\n"
        << output;
}

INSTANTIATE_TEST_SUITE_P(Content, DatatoolPlantedFault, testing::ValuesIn(PlantedFaults));

// Sources that cannot be compiled stop build and check at their first fault.
const TPlantedFault BrokenSources[] = {
    {"enemies.yaml", "acter: 50}", "actor: 50}", "unknown field 'actor'"},
    {"stages/02-tower.yaml", "      #.#\n", "      #.##\n", "row 1 is 4 characters wide"},
    {"stages/02-tower.yaml", "      #.#\n", "      #?#\n", "'?' at column 1 is not in the legend"},
    {"items.yaml", "level: 2,", "level: 300,", "300 is outside 0 to 255"},
    {"town.yaml", "dir: E}", "dir: up}", "'up' is not a whole number or one of: N,"},
    {"people/02-mayor.yaml", "\"村長\"", "\"村長\u00e9\"", "Shift-JIS cannot hold"},
};

class DatatoolBrokenSource : public testing::TestWithParam<TPlantedFault> {};

TEST_P(DatatoolBrokenSource, StopsBuildAndCheckWithItsFileAndLine) {
    const auto& fault = GetParam();
    TFaultyContent content(fault);
    for (const auto* command : {"build", "check"}) {
        std::string output;
        std::vector<std::string> args{command, content.sources.string()};
        if (std::string(command) == "build") {
            args.push_back((content.folder.Path() / "Data").string());
        }
        EXPECT_EQ(RunTool(args, output), 1) << command;
        EXPECT_TRUE(HasLine(output, content.where, fault.message))
            << command << ": expected " << content.where << fault.message << "\ngot:\n"
            << output;
    }
}

INSTANTIATE_TEST_SUITE_P(Sources, DatatoolBrokenSource, testing::ValuesIn(BrokenSources));

TEST(DatatoolCheck, MissingSourcesAreReported) {
    TTempFolder folder;
    std::string output;
    EXPECT_EQ(RunTool({"check", folder.Path().string()}, output), 1);
    EXPECT_NE(output.find("town.yaml: missing"), std::string::npos) << output;
    EXPECT_NE(output.find("stages/: missing"), std::string::npos) << output;
}

} // namespace
