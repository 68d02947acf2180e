#include "world/Mapdata.h"

#include "platform/GameError.h"
#include "platform/GameFiles.h"
#include "platform/SjisText.h"
#include "support/FormatTesting.h"
#include "support/TempFolder.h"
#include "world/DataFile.h"
#include "world/MapdataCheck.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

TDungeonData ReadBytes(const std::vector<std::uint8_t>& bytes) {
    TDataReader reader(std::string(DungDataFile), bytes);
    return ReadDungeonData(reader);
}

// Floor 1 holds one record of every kind; floor 2 is bare; stage 2 has no floors.
TDungeonData SampleStages() {
    TFloarData first;
    first.width = 3;
    first.height = 2;
    first.grid = {{{1, 1, 2}, {0, 1, 2}, {5, 0, 3}}, {{0, 2, 2}, {0, 2, 0}, {4, 0, 1}}};
    first.guests = {{0, 1, BG_Enemy, 3, 0, 2, 1, 0}, {2, 1, BG_Obstacle, 200, 4, 0, 2, 9}};
    first.objects = {{1, 1, BO_Door, DoorBySwitchSubKind, 0, 2, 2, 0},
                     {2, 0, BO_WallSwitch, 1, 0, 3, 0, 0},
                     {0, 0, BO_Fairy, 0, 0, 2, 0, 0},
                     {1, 0, BO_Placeholder, 0, 0, 0, 0, 6}};
    first.items = {{0, 0, BI_Key, 1, 0, 0, 0, 0, 0, 0},
                   {1, 0, BI_Equipment, 4, 2, 7, 1, 20, 18, 0},
                   {2, 1, BI_Tool, FreeToolId, 0, 0, 0, 0, 0, 0},
                   {0, 1, BI_Tool, 2, 5, 0, 0, 0, 0, 3}};
    first.floarActers = {{2, 1, BF_Exit, EXIT_FloarDown, 1, 1, 0, 0},
                         {1, 0, BF_FloarSwitch, 1, 1, 0x0105, 0, 0},
                         {0, 1, BF_LevelFloar, 3, 0, 0, 0, 0},
                         {1, 1, BF_ForcedLevelFloar, 5, 0, 0, 0, 0},
                         {0, 0, BF_Exit, EXIT_LeaveFirst, 0, 0, 0, 0}};
    first.forces = {{2, 0, 11, 12, Sjis("力の泉")}};
    first.enemies = {{3, 7, 4, 2, 6}, {4, 8, 5, 3, 9}, {3, 9, 1, 1, 1}};

    TFloarData second;
    second.width = 2;
    second.height = 2;
    second.grid = {{{1, 0, 1}, {0, 0, 1}}, {{0, 1, 1}, {0, 0, 0}}};

    TStageData cave{Sjis("石の洞窟"), 1, 7, 1, 0, {first, second}};
    TStageData empty{Sjis("空"), 0, 0, 0, 0, {}};
    return {cave, empty};
}

TEST(Mapdata, ReadsTheFieldsInFileOrder) {
    // One stage of one 3 x 2 floor with all counts 0: the floor count comes
    // before the name, and the grid is 18 bytes, row 0 first.
    TBytes file;
    file.U8(1).U8(1).U8(2).Text("AB").U8(1).U8(9).U16(2).U16(1);
    file.U16(3).U16(2).Repeat(0, 12);
    for (std::uint8_t value = 1; value <= 18; ++value) {
        file.U8(value);
    }
    const auto stages = ReadBytes(file.Bytes());
    ASSERT_EQ(stages.size(), 1u);
    const auto& stage = stages[0];
    EXPECT_EQ(stage.name, "AB");
    EXPECT_EQ(stage.startFloar, 1);
    EXPECT_EQ(stage.unused, 9);
    EXPECT_EQ(stage.startX, 2);
    EXPECT_EQ(stage.startY, 1);
    ASSERT_EQ(stage.floars.size(), 1u);
    const auto& floar = stage.Floar(1);
    EXPECT_EQ(floar.width, 3);
    EXPECT_EQ(floar.height, 2);
    ASSERT_EQ(floar.grid.size(), 2u);
    ASSERT_EQ(floar.grid[0].size(), 3u);
    EXPECT_EQ(floar.grid[0][0], (TBlockFile{1, 2, 3}));
    EXPECT_EQ(floar.grid[0][2], (TBlockFile{7, 8, 9}));
    EXPECT_EQ(floar.grid[1][2], (TBlockFile{16, 17, 18}));
    EXPECT_TRUE(floar.guests.empty() && floar.objects.empty() && floar.items.empty() &&
                floar.floarActers.empty() && floar.forces.empty() && floar.enemies.empty());
}

TEST(Mapdata, AStageWithoutFloarsIsItsNameAndSixBytes) {
    TBytes file;
    file.U8(2).U8(0).U8(1).Text("X").U8(3).U8(4).U16(5).U16(6);
    file.U8(0).U8(1).Text("Y").Repeat(0, 6);
    const auto stages = ReadBytes(file.Bytes());
    ASSERT_EQ(stages.size(), 2u);
    EXPECT_EQ(stages[0], (TStageData{"X", 3, 4, 5, 6, {}}));
    EXPECT_EQ(stages[1].name, "Y");
}

TEST(Mapdata, ArraysFollowAllTheCountsInTheSameOrder) {
    TBytes file;
    file.U8(1).U8(1).U8(0).U8(1).U8(0).U16(0).U16(0);
    file.U16(1).U16(1).U16(1).U16(1).U16(1).U16(1).U16(1).U16(1);
    file.U8(0).U8(0).U8(0);
    file.U16(0).U16(0).U8(BG_Obstacle).U8(200).U8(4).U8(1).U8(2).U8(0);
    file.U16(0).U16(0).U8(BO_Fairy).U8(0).U8(0).U8(3).U8(0).U8(0);
    file.U16(0).U16(0).U8(BI_Key).U8(2).U8(0).U8(0).U8(0).U8(0).U8(0).U8(0);
    file.U16(0).U16(0).U8(BF_LevelFloar).U8(4).U16(0).U16(0).U8(0).U8(0);
    file.U16(0).U16(0).U16(5).U16(6).I32(3).Text("abc");
    file.U8(1).U8(2).U8(3).U8(4).U8(5);
    const auto floar = ReadBytes(file.Bytes())[0].Floar(1);
    EXPECT_EQ(floar.guests.at(0), (TBlockGuest{0, 0, BG_Obstacle, 200, 4, 1, 2, 0}));
    EXPECT_EQ(floar.objects.at(0).kind, BO_Fairy);
    EXPECT_EQ(floar.items.at(0).id, 2);
    EXPECT_EQ(floar.floarActers.at(0).subKind, 4);
    EXPECT_EQ(floar.forces.at(0), (TForceProp{0, 0, 5, 6, "abc"}));
    EXPECT_EQ(floar.enemies.at(0), (TFloarEnemy{1, 2, 3, 4, 5}));
}

TEST(Mapdata, WriteReadWriteIsByteIdentical) {
    ExpectByteIdenticalRoundTrip(WriteDungeonData, ReadDungeonData, SampleStages(),
                                 std::string(DungDataFile));
}

TEST(Mapdata, LoadsFromTheDataFolder) {
    TTempFolder folder;
    CreateGameFolder("Data");
    TDataWriter writer;
    WriteDungeonData(writer, SampleStages());
    writer.SaveTo(DungDataFile);
    EXPECT_EQ(LoadDungeonData(), SampleStages());
}

TEST(Mapdata, StringsEndAtTheirFirstNul) {
    auto stages = SampleStages();
    stages[0].name = std::string("AB\0C", 4);
    stages[0].floars[0].forces[0].text = std::string("x\0yz", 4);
    const auto read = ReadBytes(BytesOf(WriteDungeonData, stages));
    EXPECT_EQ(read[0].name, "AB");
    EXPECT_EQ(read[0].floars[0].forces[0].text, "x");
}

TEST(Mapdata, FirstEnemyTableEntryOfAnIdWins) {
    const auto stages = SampleStages();
    const auto& floar = stages[0].Floar(1);
    EXPECT_EQ(floar.EnemyById(3).enemyKind, 7);
    EXPECT_EQ(floar.EnemyById(4).enemyKind, 8);
    EXPECT_EQ(GameErrorOf([&] { floar.EnemyById(5); }),
              Sjis("IDからフロアでの敵プロパティ取得エラー"));
}

TEST(Mapdata, FloarNumbersCountFromOne) {
    const auto stages = SampleStages();
    EXPECT_EQ(stages[0].Floar(2).width, 2);
    EXPECT_THROW(stages[0].Floar(0), TGameError);
    EXPECT_THROW(stages[0].Floar(3), TGameError);
    EXPECT_THROW(stages[1].Floar(1), TGameError);
}

TEST(Mapdata, EveryTruncationIsRefusedNamingTheFile) {
    ExpectEveryPrefixRefused(BytesOf(WriteDungeonData, SampleStages()), std::string(DungDataFile),
                             [](TDataReader& reader) { ReadDungeonData(reader); });
}

TEST(Mapdata, CountsBeyondTheFileAreRefusedBeforeAllocating) {
    TBytes stages;
    stages.U8(255).U8(0);
    EXPECT_NE(GameErrorOf([&] { ReadBytes(stages.Bytes()); }), "");
    TBytes floars;
    floars.U8(1).U8(255).U8(0).U8(1).U8(0).U16(0).U16(0).U16(1).U16(1).Repeat(0, 12);
    EXPECT_NE(GameErrorOf([&] { ReadBytes(floars.Bytes()); }), "");
    TBytes grid;
    grid.U8(1).U8(1).U8(0).U8(1).U8(0).U16(0).U16(0).U16(65535).U16(65535).Repeat(0, 15);
    EXPECT_NE(GameErrorOf([&] { ReadBytes(grid.Bytes()); }).find(Sjis("ブロック")),
              std::string::npos);
    TBytes guests;
    guests.U8(1).U8(1).U8(0).U8(1).U8(0).U16(0).U16(0).U16(1).U16(1).U16(65535).Repeat(0, 13);
    EXPECT_NE(GameErrorOf([&] { ReadBytes(guests.Bytes()); }).find(Sjis("ゲスト")),
              std::string::npos);
}

TEST(Mapdata, ErrorsNameTheStageAndFloar) {
    auto bytes = BytesOf(WriteDungeonData, SampleStages());
    // Stage 2 takes the last 9 bytes; 11 more reach into floor 2's grid.
    bytes.resize(bytes.size() - 20);
    const auto message = GameErrorOf([&] { ReadBytes(bytes); });
    EXPECT_NE(message.find(Sjis("ステージ 1 フロア 2 ブロック")), std::string::npos)
        << SjisToUtf8(message);
}

struct TPlacementCase {
    const char* name;
    std::function<void(TStageData&)> spoil;
    const char* expected; // UTF-8 part of the message
};

TEST(Mapdata, PlacementsNoFloarCanHoldAreRefused) {
    const TPlacementCase cases[] = {
        {"start floor missing", [](TStageData& s) { s.startFloar = 3; },
         "開始フロア 3 がありません"},
        {"start outside", [](TStageData& s) { s.startY = 2; },
         "開始の位置 (1, 2) が 3 x 2 の外です"},
        {"zero width",
         [](TStageData& s) {
             s.floars[1].width = 0, s.floars[1].grid = {{}, {}};
         },
         "ブロックがありません"},
        {"guest outside", [](TStageData& s) { s.floars[0].guests[1].x = 3; },
         "フロア 1: 2 番目のゲストの位置 (3, 1) が 3 x 2 の外です"},
        {"object outside", [](TStageData& s) { s.floars[0].objects[0].y = 2; }, "物体の位置"},
        {"item outside", [](TStageData& s) { s.floars[0].items[3].x = 9; }, "アイテムの位置"},
        {"floor actor outside", [](TStageData& s) { s.floars[0].floarActers[2].y = 5; },
         "床アクターの位置"},
        {"force outside", [](TStageData& s) { s.floars[0].forces[0].x = 3; }, "フォースの位置"},
        {"guest kind", [](TStageData& s) { s.floars[0].guests[0].kind = 3; }, "ゲストの種類 3"},
        {"object kind", [](TStageData& s) { s.floars[0].objects[2].kind = 5; }, "物体の種類 5"},
        {"door sub-kind", [](TStageData& s) { s.floars[0].objects[0].subKind = 8; }, "副種類 8"},
        {"link past the list", [](TStageData& s) { s.floars[0].objects[0].link = 5; },
         "1 番目の物体のリンク 5"},
        {"link to a fairy", [](TStageData& s) { s.floars[0].objects[1].link = 3; },
         "2 番目の物体のリンク 3"},
        {"item kind", [](TStageData& s) { s.floars[0].items[0].kind = 4; }, "アイテムの種類 4"},
        {"free tool", [](TStageData& s) { s.floars[0].items[3].chest = 0; }, "道具 2"},
        {"floor actor kind", [](TStageData& s) { s.floars[0].floarActers[2].kind = 5; },
         "床アクターの種類 5"},
        {"exit sub-kind", [](TStageData& s) { s.floars[0].floarActers[4].subKind = 6; },
         "副種類 6"},
        {"floor switch kind", [](TStageData& s) { s.floars[0].floarActers[1].subKind = 3; },
         "(床スイッチ) の副種類 3 は 1 か 2 のはずです"},
        {"timed switch that never comes up",
         [](TStageData& s) { s.floars[0].floarActers[1].arrivalYOrTimer = 0x0100; },
         "(時限床スイッチ) のターン数 256 は 1 から 255 のはずです"},
        {"level floor value", [](TStageData& s) { s.floars[0].floarActers[2].subKind = 13; },
         "(レベル床) の値 13 は 1 から 12 のはずです"},
        {"exit above floor 1", [](TStageData& s) { s.floars[0].floarActers[0].subKind = 1; },
         "行き先フロア 0 がありません"},
        {"exit to a missing floor",
         [](TStageData& s) {
             s.floars[0].floarActers[0].subKind = EXIT_ToFloar;
             s.floars[0].floarActers[0].targetFloar = 3;
         },
         "行き先フロア 3 がありません"},
        {"arrival outside", [](TStageData& s) { s.floars[0].floarActers[0].arrivalXOrLink = 2; },
         "到着の位置 (2, 1) が 2 x 2 の外です (フロア 2)"},
        {"switch without link",
         [](TStageData& s) { s.floars[0].floarActers[1].arrivalXOrLink = 0; },
         "床スイッチ) のリンク 0"},
        {"switch to a placeholder",
         [](TStageData& s) { s.floars[0].floarActers[1].arrivalXOrLink = 4; },
         "床スイッチ) のリンク 4"},
        {"links both ways", [](TStageData& s) { s.floars[0].objects[1].link = 1; },
         "2 番目の物体のリンク 1: 1 番目の物体もこの物体へリンクしています"},
        {"link to itself", [](TStageData& s) { s.floars[0].objects[1].link = 2; },
         "2 番目の物体のリンク 2 が自分自身を指しています"},
        {"wall switch linked from two records",
         [](TStageData& s) {
             s.floars[0].objects[3] = {1, 0, BO_Door, DoorBySwitchSubKind, 0, 2, 2, 0};
         },
         "4 番目の物体のリンク 2: 2 番目の物体の壁スイッチは既に 1 番目の物体とリンクしています"},
        {"wall switch linked by a floor switch too",
         [](TStageData& s) { s.floars[0].floarActers[1].arrivalXOrLink = 2; },
         "(床スイッチ) のリンク 2: 2 番目の物体の壁スイッチは既に 1 番目の物体と"},
        {"linked wall switch with a link of its own",
         [](TStageData& s) {
             s.floars[0].objects[3] = {1, 0, BO_Door, DoorBySwitchSubKind, 0, 2, 0, 0};
             s.floars[0].objects[1].link = 4;
         },
         "2 番目の物体のリンク 4: この壁スイッチは既に 1 番目の物体とリンクしています"},
        {"link from a locked door", [](TStageData& s) { s.floars[0].objects[0].subKind = 3; },
         "1 番目の物体のリンク 2: この扉 (副種類 3) はリンクできません"},
        {"link to a door opened by hand",
         [](TStageData& s) {
             s.floars[0].objects[0].subKind = DoorByHandSubKind;
             s.floars[0].objects[0].link = 0;
             s.floars[0].objects[1].link = 1;
         },
         "2 番目の物体のリンク 1: 1 番目の物体の扉 (副種類 7) はリンクできません"},
        {"floor switch to a locked door",
         [](TStageData& s) {
             s.floars[0].objects[0].subKind = 6;
             s.floars[0].objects[0].link = 0;
         },
         "(床スイッチ) のリンク 1: 1 番目の物体の扉 (副種類 6) はリンクできません"},
    };
    for (const auto& c : cases) {
        auto stages = SampleStages();
        c.spoil(stages[0]);
        const auto message = GameErrorOf([&] { ReadBytes(BytesOf(WriteDungeonData, stages)); });
        EXPECT_NE(message.find(Sjis(c.expected)), std::string::npos)
            << c.name << ": " << SjisToUtf8(message);
        EXPECT_NE(message.find(Sjis("ステージ 1")), std::string::npos) << c.name;
    }
}

TEST(Mapdata, ProblemsPointAtTheirRecords) {
    auto stage = SampleStages()[0];
    stage.startFloar = 9;
    stage.floars[0].guests[1].x = 3;
    stage.floars[1].floarActers = {{0, 0, BF_Exit, EXIT_FloarDown, 0, 0, 0, 0}};
    const auto problems = FindStageProblems(stage);
    ASSERT_EQ(problems.size(), 3u);
    EXPECT_EQ(problems[0].list, TDataList::StageStart);
    EXPECT_EQ(problems[0].group, 9u);
    EXPECT_EQ(problems[1].list, TDataList::Guests);
    EXPECT_EQ(problems[1].group, 1u);
    EXPECT_EQ(problems[1].record, 1u);
    EXPECT_EQ(problems[2].list, TDataList::FloarActers);
    EXPECT_EQ(problems[2].group, 2u);
    EXPECT_EQ(problems[2].record, 0u);
    EXPECT_TRUE(FindStageProblems(SampleStages()[0]).empty());
}

TEST(Mapdata, MeaningsThatLoad) {
    auto stages = SampleStages();
    auto& floar = stages[0].floars[0];
    floar.objects[2].link = 1;                   // a fairy's link is ignored
    floar.objects[0].subKind = 1;                // a door record that makes nothing
    floar.objects[1].link = 0;                   // ... so nothing may link to it
    floar.floarActers[1].arrivalXOrLink = 2;     // the switch works the wall switch
    floar.floarActers[0].subKind = EXIT_ToFloar; // sub-kind 5 to floor 2
    floar.floarActers[0].targetFloar = 2;
    floar.floarActers[4].subKind = EXIT_LeaveLast;
    EXPECT_EQ(ReadBytes(BytesOf(WriteDungeonData, stages)), stages);
}

TEST(Mapdata, WriterRefusesWhatTheFileCannotHold) {
    auto stages = SampleStages();
    stages[0].floars[0].grid.pop_back();
    EXPECT_THROW(BytesOf(WriteDungeonData, stages), TGameError);
    stages = SampleStages();
    stages[0].floars[0].grid[1].push_back({});
    EXPECT_THROW(BytesOf(WriteDungeonData, stages), TGameError);
    stages = SampleStages();
    stages[0].floars[1].guests.resize(65536);
    EXPECT_THROW(BytesOf(WriteDungeonData, stages), TGameError);
    stages = SampleStages();
    stages[1].name = std::string(256, 'a');
    EXPECT_THROW(BytesOf(WriteDungeonData, stages), TGameError);
}

} // namespace
