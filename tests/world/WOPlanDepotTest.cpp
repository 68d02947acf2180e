#include "world/WOPlanDepot.h"

#include "platform/GameFiles.h"
#include "platform/SjisText.h"
#include "support/FormatTesting.h"
#include "support/TempFolder.h"
#include "world/DataFile.h"

#include <gtest/gtest.h>

namespace {

const TWOPlanFile<TObjePlanMini> WallPlans = {{{1, 10}, Sjis("石壁")},
                                              {{5, 11}, Sjis("カウンター")},
                                              {{2, 0}, ""},
                                              {{1, 99}, Sjis("二番目")}};
const TWOPlanFile<TBigObjePlan> BigPlans = {{{3, 77, 40}, Sjis("宿屋")}, {{4, 0, 41}, "well"}};

template <typename TPlan> void Save(std::string_view name, const TWOPlanFile<TPlan>& plans) {
    TDataWriter writer;
    WriteWOPlanFile(writer, plans);
    writer.SaveTo(name);
}

TEST(WOPlanDepot, EachPlanIsItsRecordThenAShortName) {
    TBytes file;
    file.I32(2).I32(7).I32(70).U8(2).Text("ab").I32(-1).I32(0).U8(0);
    TDataReader reader(std::string(FloarObjeFile), file.Bytes());
    const auto plans = ReadWOPlanFile<TObjePlanMini>(reader);
    EXPECT_EQ(plans, (TWOPlanFile<TObjePlanMini>{{{7, 70}, "ab"}, {{-1, 0}, ""}}));

    TBytes big;
    big.I32(1).I32(3).I32(77).I32(40).U8(4).Text("ab").U8(0).Text("c");
    TDataReader bigReader(std::string(BigWallObjeFile), big.Bytes());
    EXPECT_EQ(ReadWOPlanFile<TBigObjePlan>(bigReader),
              (TWOPlanFile<TBigObjePlan>{{{3, 77, 40}, "ab"}}));
}

TEST(WOPlanDepot, WriteReadWriteIsByteIdentical) {
    const auto wallBytes = BytesOf(WriteWOPlanFile<TObjePlanMini>, WallPlans);
    TDataReader wallReader(std::string(WallObjeFile), wallBytes);
    const auto walls = ReadWOPlanFile<TObjePlanMini>(wallReader);
    EXPECT_EQ(walls, WallPlans);
    EXPECT_EQ(BytesOf(WriteWOPlanFile<TObjePlanMini>, walls), wallBytes);

    const auto bigBytes = BytesOf(WriteWOPlanFile<TBigObjePlan>, BigPlans);
    TDataReader bigReader(std::string(BigWallObjeFile), bigBytes);
    const auto bigs = ReadWOPlanFile<TBigObjePlan>(bigReader);
    EXPECT_EQ(bigs, BigPlans);
    EXPECT_EQ(BytesOf(WriteWOPlanFile<TBigObjePlan>, bigs), bigBytes);
}

TEST(WOPlanDepot, TheFirstPlanOfAnIdIsFound) {
    TTempFolder folder;
    CreateGameFolder("Data");
    Save(WallObjeFile, WallPlans);
    Save(BigWallObjeFile, BigPlans);
    const TWOPlanDepot<TObjePlanMini> walls(WallObjeFile);
    ASSERT_EQ(walls.Plans().size(), 4u);
    ASSERT_NE(walls.FindPlan(1), nullptr);
    EXPECT_EQ(walls.FindPlan(1)->bodyNumber, 10);
    EXPECT_EQ(walls.FindPlan(2)->bodyNumber, 0);
    EXPECT_EQ(walls.FindPlan(3), nullptr);
    const TWOPlanDepot<TBigObjePlan> bigs(BigWallObjeFile);
    EXPECT_EQ(bigs.FindPlan(3)->bodyNumber, 40);
}

TEST(WOPlanDepot, AMissingPlanFileIsNamed) {
    TTempFolder folder;
    EXPECT_EQ(GameErrorOf([] { TWOPlanDepot<TObjePlanMini> depot(FloarObjeFile); }),
              Sjis("ファイルが見つかりません Data/FloarObje"));
}

TEST(WOPlanDepot, EveryTruncationIsRefusedNamingTheFile) {
    ExpectEveryPrefixRefused(BytesOf(WriteWOPlanFile<TObjePlanMini>, WallPlans),
                             std::string(WallObjeFile),
                             [](TDataReader& reader) { ReadWOPlanFile<TObjePlanMini>(reader); });
    ExpectEveryPrefixRefused(BytesOf(WriteWOPlanFile<TBigObjePlan>, BigPlans),
                             std::string(BigWallObjeFile),
                             [](TDataReader& reader) { ReadWOPlanFile<TBigObjePlan>(reader); });
}

TEST(WOPlanDepot, NegativeOrOversizedCountsAreRefused) {
    for (const std::int32_t count : {-1, 2, 0x7fffffff}) {
        TBytes file;
        file.I32(count).I32(1).I32(1).U8(0);
        TDataReader reader(std::string(WallObjeFile), file.Bytes());
        EXPECT_NE(GameErrorOf([&] { ReadWOPlanFile<TObjePlanMini>(reader); }), "") << count;
    }
}

} // namespace
