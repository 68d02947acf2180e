#include "platform/SjisText.h"
#include "support/TempFolder.h"
#include "support/TestContent.h"
#include "tools/RunTool.h"

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
    // The source the problem is reported in, when not the edited file.
    const char* reportedIn = nullptr;
};

class TFaultyContent {
public:
    explicit TFaultyContent(const TPlantedFault& fault) {
        fs::copy(TestContentSources().parent_path(), folder.Path(), fs::copy_options::recursive);
        sources = folder.Path() / "src";
        const auto path = sources / fault.file;
        std::ifstream in(path, std::ios::binary);
        std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        in.close();
        // Models hold their texture names in Shift-JIS.
        const bool model = path.extension() == ".x";
        const auto find = model ? Utf8ToSjis(fault.find) : std::string(fault.find);
        const auto replacement =
            model ? Utf8ToSjis(fault.replacement) : std::string(fault.replacement);
        const auto at = text.find(find);
        EXPECT_NE(at, std::string::npos) << fault.find;
        text.replace(at, find.size(), replacement);
        if (fault.reportedIn != nullptr) {
            std::ifstream other(sources / fault.reportedIn, std::ios::binary);
            reportedText.assign(std::istreambuf_iterator<char>(other),
                                std::istreambuf_iterator<char>());
        }
        const auto& reportedIn = fault.reportedIn != nullptr ? reportedText : text;
        const auto reported = fault.reportedAt ? reportedIn.find(fault.reportedAt) : at;
        EXPECT_NE(reported, std::string::npos);
        line = 1 + static_cast<int>(std::count(
                       reportedIn.begin(),
                       reportedIn.begin() + static_cast<std::ptrdiff_t>(reported), '\n'));
        std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
        where = (sources / (fault.reportedIn ? fault.reportedIn : fault.file)).string() + ":" +
                std::to_string(line) + ": ";
    }

    TTempFolder folder;
    fs::path sources;
    int line = 0;
    std::string where; // "file:line: "
    std::string reportedText;
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
    {"stages/01-cave.yaml", "kind: switch, sub: 0, dir: N}", "kind: switch, dir: N, link: 4}",
     "3 番目の物体のリンク 4 が扉かスイッチの物体を指していません"},
    {"stages/01-cave.yaml", "kind: enemy, enemy: 1,", "kind: enemy, enemy: 9,",
     "1 番目のゲスト(敵) の ID 9 がフロアの敵テーブルにありません"},
    {"stages/01-cave.yaml", "{id: 2, enemy: 2,", "{id: 2, enemy: 7,",
     "2 番目の敵テーブル項目の敵の種類 7 が敵データにありません"},
    {"stages/01-cave.yaml", "link: 2, timer: 5", "link: 5, timer: 5",
     "床スイッチ) のリンク 5 が扉かスイッチの物体を指していません"},
    {"stages/01-cave.yaml", "kind: switch, sub: 0, dir: N}", "kind: switch, dir: N, link: 2}",
     "3 番目の物体のリンク 2: 2 番目の物体もこの物体へリンクしています"},
    {"stages/01-cave.yaml", "kind: switch, sub: 2, link: 2,", "kind: switch, sub: 2, link: 1,",
     "(床スイッチ) のリンク 1: 1 番目の物体の扉 (副種類 4) はリンクできません"},
    {"stages/01-cave.yaml", "{at: [4, 3], kind: obstacle", "{at: [1, 3], kind: obstacle",
     "both take the guest slot of block (1, 3)"},
    {"stages/01-cave.yaml", "{at: [4, 2], kind: tool, id: 5}", "{at: [1, 1], kind: tool, id: 5}",
     "both take the item slot of block (1, 1)"},
    {"stages/01-cave.yaml", "sub: 2, to: [3, 2]}", "sub: 2, to: [9, 2]}",
     "到着の位置 (9, 2) が 6 x 4 の外です (フロア 2)"},
    {"stages/01-cave.yaml", "{at: [1, 1], kind: key, id: 1}", "{at: [1, 1], kind: key, id: 6}",
     "item 1/6 is not in items.yaml"},
    {"stages/02-tower.yaml", "start: {floor: 1,", "start: {floor: 3,", "開始フロア 3 がありません"},
    {"people/01-innkeeper.yaml", "talk: 3}", "talk: 4}", "the choice leads to talk 4"},
    {"people/01-innkeeper.yaml", "    next: 3", "    next: 9", "next talk 9 is not a talk"},
    {"people/01-innkeeper.yaml", "\"EventTermGo_1_1\"", "\"EventTermGo_5_1\"",
     "会話後処理 1 行目: ステージ 5 がありません", "  - lines: [\"がんばれよ。\"]"},
    {"people/02-mayor.yaml", "\"EventTermGo_2_1\"", "\"DungInfo_1\"",
     "DungInfo は会話後処理では使えません", "  - lines: [\"村へようこそ。\"]"},
    {"events.yaml", "\"TalkChange_7_3\"", "\"TalkChange_7_9\"", "人物 7 に会話 9 がありません",
     "  - needed: 0"},
    {"events.yaml", "\"DungInfo_1\"", "\"DungInfo_3\"", "DungInfo opens area 3, which areas.yaml"},
    {"events.yaml", "{person: 3, area: 1, at: [15, 3]", "{person: 3, area: 1, at: [10, 2]",
     "both take the guest slot of block (10, 2)"},
    {"areas.yaml", "stages: [2, 1, 5]", "stages: [2, 6, 5]", "2 番目のステージ番号 6 がありません"},
    {"town.yaml", "kind: person, sub: 7,", "kind: person, sub: 8,", "人物 8"},
    {"town.yaml", "to: [2, 2], area: 2", "to: [2, 9], area: 2",
     "到着の位置 (2, 9) が 6 x 5 の外です"},
    {"town.yaml", "\"=\": {wall: 5, tile: 1}", "\"=\": {wall: 6, tile: 1}",
     "wall piece 6 has no plan in pieces.yaml walls", "#.=..#"},
    {"../Obje/block.x", "テスト/石.bmp", "テスト/砂.bmp",
     "texture Obje/テスト/砂.bmp of model Obje/block.x is missing", "model: \"block\"",
     "graphics.yaml"},
    {"graphics.yaml", "model: \"plain\"", "model: \"nothing\"", "model Obje/nothing.x is not in"},
    {"graphics.yaml", "[\"0>1\"]", "[\"0>x\"]", "swap line '0>x' of alternative 1"},
    {"acters.yaml", "{number: 57, object: 2}", "{number: 57, object: 9}",
     "object 9 is not in objects.yaml"},
    {"acters.yaml", "{number: 3, object: 2, motions: [1]}",
     "{number: 3, object: 2, motions: [1, 7]}", "motion 7 is not in motions.yaml"},
    {"acters.yaml", "  - {number: 39, object: 1, motions: [2]}\n", "",
     "body 39 (a door worked by switches) has no acter", "kind: door, sub: 2",
     "stages/01-cave.yaml"},
    {"enemies.yaml", "acter: 51", "acter: 52", "body 52 (enemy kind 2) has no acter"},
    {"objects.yaml", "{parent: 1, graphics: 2, at: [0, 1, 0]",
     "{parent: 1, graphics: 5, at: [0, 1, 0]", "graphics 5 is not in graphics.yaml"},
    {"objects.yaml", "variants: [1, 3,", "variants: [1, 4,",
     "variant 2 draws alternative 4, which graphics 1 does not have"},
    {"objects.yaml", "{parent: 1, graphics: 1, leaf: 0,", "{graphics: 1, leaf: 0,",
     "object 2 has 2 parts without parent", "{parent: 0, graphics: 2, x_rota"},
    {"motions.yaml", "2<YRota>45", "2<Spin>45", "'2<Spin>45' is no command"},
    {"motions.yaml", "{count: 4, up: 1, next: 0,", "{count: 4, up: 1, next: 2,",
     "next step 2 is not a step of motion 1"},
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
    {"items.yaml", "type: 3, attack: -1", "type: 3, listed: 1, attack: -1",
     "equipment is listed by type"},
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

TEST(DatatoolCheck, EquipmentListedUnderAnotherTypeIsOnlyWarnedAbout) {
    TFaultyContent content({"items.yaml", "type: 2, attack: 0", "type: 2, listed: 1, attack: 0",
                            "warning: equipment 2 is listed under type 1 but is of type 2"});
    std::string output;
    EXPECT_EQ(RunTool({"check", content.sources.string()}, output), 0) << output;
    EXPECT_TRUE(HasLine(output, content.where,
                        "warning: equipment 2 is listed under type 1 but is of type 2"))
        << output;
}

TEST(DatatoolCheck, MissingSourcesAreReported) {
    TTempFolder folder;
    std::string output;
    EXPECT_EQ(RunTool({"check", folder.Path().string()}, output), 1);
    EXPECT_NE(output.find("town.yaml: missing"), std::string::npos) << output;
    EXPECT_NE(output.find("stages/: missing"), std::string::npos) << output;
}

} // namespace
