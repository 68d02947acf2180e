#include "world/Area.h"

#include "platform/GameError.h"
#include "platform/GameFiles.h"
#include "platform/SjisText.h"
#include "support/FormatTesting.h"
#include "support/TempFolder.h"
#include "world/DataFile.h"

#include <gtest/gtest.h>

namespace {

std::vector<TAreaData> ReadBytes(const std::vector<std::uint8_t>& bytes) {
    TDataReader reader(std::string(AreaDataFile), bytes);
    return ReadAreaData(reader);
}

const std::vector<TAreaData> SampleAreas = {
    {3, Sjis("北の森"), {2, 1}}, {0, "", {}}, {9, Sjis("山"), {2}}};

TDungeonData ThreeStages() {
    return {TStageData{"A", 1, 0, 0, 0, {}}, TStageData{"B", 1, 0, 0, 0, {}},
            TStageData{"C", 1, 0, 0, 0, {}}};
}

TEST(Area, AnAreaIsItsByteNameAndStageNumbers) {
    // An empty name reads 1 + 4 + 4 + M bytes; M = 0 gives no stages.
    TBytes file;
    file.I32(3).U8(5).I32(0).I32(2).U8(3).U8(1);
    file.U8(0).I32(4).Text("ab").U8(0).Text("c").I32(0);
    file.U8(0).I32(0).I32(1).U8(3);
    const auto areas = ReadBytes(file.Bytes());
    ASSERT_EQ(areas.size(), 3u);
    EXPECT_EQ(areas[0], (TAreaData{5, "", {3, 1}}));
    EXPECT_EQ(areas[1], (TAreaData{0, "ab", {}}));
    EXPECT_EQ(areas[2].stageNumbers, std::vector<std::uint8_t>{3});
}

TEST(Area, WriteReadWriteIsByteIdentical) {
    ExpectByteIdenticalRoundTrip(WriteAreaData, ReadAreaData, SampleAreas,
                                 std::string(AreaDataFile));
}

TEST(Area, EveryTruncationIsRefusedNamingTheFile) {
    ExpectEveryPrefixRefused(BytesOf(WriteAreaData, SampleAreas), std::string(AreaDataFile),
                             [](TDataReader& reader) { ReadAreaData(reader); });
}

TEST(Area, NegativeAndOversizedCountsAreRefused) {
    TBytes negativeAreas;
    negativeAreas.I32(-2);
    EXPECT_NE(GameErrorOf([&] { ReadBytes(negativeAreas.Bytes()); }), "");
    TBytes hugeStages;
    hugeStages.I32(1).U8(0).I32(0).I32(1 << 30).U8(1);
    const auto message = GameErrorOf([&] { ReadBytes(hugeStages.Bytes()); });
    EXPECT_NE(message.find(Sjis("エリア 0 ステージ番号")), std::string::npos)
        << SjisToUtf8(message);
    TBytes negativeStages;
    negativeStages.I32(1).U8(0).I32(0).I32(-1);
    EXPECT_NE(GameErrorOf([&] { ReadBytes(negativeStages.Bytes()); }), "");
}

class AreaOperator : public ::testing::Test {
protected:
    void SaveAreas(const std::vector<TAreaData>& areas) {
        CreateGameFolder("Data");
        TDataWriter writer;
        WriteAreaData(writer, areas);
        writer.SaveTo(AreaDataFile);
    }

    TTempFolder folder;
    TDungeonData stages = ThreeStages();
};

TEST_F(AreaOperator, StageNumbersCountFromOne) {
    SaveAreas(SampleAreas);
    const TAreaOperator areas(stages);
    ASSERT_EQ(areas.AreaCount(), 3u);
    EXPECT_EQ(areas.GetArea(0).name, Sjis("北の森"));
    EXPECT_EQ(areas.GetAreaStage(0, 0).name, "B");
    EXPECT_EQ(areas.GetAreaStage(0, 1).name, "A");
    // The same stage may be listed by several areas.
    EXPECT_EQ(&areas.GetAreaStage(2, 0), &areas.GetAreaStage(0, 0));
    EXPECT_TRUE(areas.GetArea(1).stageNumbers.empty());
}

TEST_F(AreaOperator, OneInstanceForTheProgram) {
    SaveAreas(SampleAreas);
    TAreaOperator::CreateInstance(stages);
    EXPECT_EQ(TAreaOperator::Instance().GetAreaStage(2, 0).name, "B");
    TAreaOperator::ReleaseInstance();
    EXPECT_THROW(TAreaOperator::Instance(), TGameError);
}

TEST_F(AreaOperator, IndexesThatAreNotThereAreRefused) {
    SaveAreas(SampleAreas);
    const TAreaOperator areas(stages);
    EXPECT_THROW(areas.GetArea(3), TGameError);
    EXPECT_THROW(areas.GetAreaStage(1, 0), TGameError);
    EXPECT_THROW(areas.GetAreaStage(0, 2), TGameError);
}

TEST_F(AreaOperator, ChoosingADungeonEntersItsStageNumberLessOne) {
    stages.resize(7, stages.front());
    SaveAreas({{0, "a", {1}}, {0, "b", {4, 5, 7}}});
    const TAreaOperator areas(stages);
    EXPECT_EQ(areas.DungeonNumber(1, 2), 6);
    EXPECT_EQ(areas.DungeonNumber(0, 0), 0);
    EXPECT_EQ(&areas.GetAreaStage(1, 2), &stages[6]);
    EXPECT_THROW(areas.DungeonNumber(1, 3), TGameError);
}

TEST_F(AreaOperator, TheScreenOffersAreaZeroAndTheOpenedAreasByNumber) {
    SaveAreas({{0, "a", {1}}, {0, "b", {2}}, {0, "c", {3}}, {0, "d", {1}}});
    const TAreaOperator areas(stages);
    using TOffered = std::vector<size_t>;
    struct TCase {
        std::vector<std::uint8_t> flags;
        TOffered offered;
    };
    for (const auto& c : std::vector<TCase>{
             {std::vector<std::uint8_t>(10, 0), {0}},
             {{0, 1, 1, 0, 0, 0, 0, 0, 0, 0}, {0, 1, 2}},
             // A gap: area 3 keeps its own number, not the list's position 1.
             {{0, 0, 0, 1, 0, 0, 0, 0, 0, 0}, {0, 3}},
             // Flag 0 means nothing; areas the file lacks are not offered.
             {{1, 0, 1, 0, 1, 1, 1, 1, 1, 1}, {0, 2}},
             {{}, {0}},
         }) {
        EXPECT_EQ(areas.OfferedAreas(c.flags), c.offered);
    }
}

TEST(Area, ProblemsPointAtTheStageNumber) {
    const auto problems = FindAreaProblems({{0, "a", {1}}, {0, "b", {2, 0, 3}}}, 3);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].group, 1u);
    EXPECT_EQ(problems[0].list, TDataList::AreaStages);
    EXPECT_EQ(problems[0].record, 1u);
    EXPECT_EQ(FindAreaProblems(SampleAreas, 2).size(), 0u);
}

TEST_F(AreaOperator, StageNumbersOutsideTheStageListAreRefused) {
    for (const std::uint8_t number : {std::uint8_t{0}, std::uint8_t{4}}) {
        SaveAreas({{0, "a", {1}}, {0, "b", {2, number}}});
        const auto message = GameErrorOf([&] { TAreaOperator areas(stages); });
        EXPECT_NE(message.find(Sjis("Data/AreaData: エリア 1: 2 番目のステージ番号 ") +
                               std::to_string(number)),
                  std::string::npos)
            << SjisToUtf8(message);
    }
}

} // namespace
