#include "anim/Actercommand.h"
#include "anim/Acterfactory.h"
#include "platform/GameError.h"
#include "platform/SjisText.h"
#include "scene/Objefactory.h"
#include "support/ObjeFolder.h"

#include <gtest/gtest.h>

namespace {

TActerFile Acter(std::uint32_t acterNo, std::int32_t objeNo, std::string motionList,
                 std::uint8_t variant = 0) {
    return {acterNo, objeNo, std::move(motionList), variant};
}

float HeightOf(const IObje& part) {
    return part.GetMatrix().GetOneMat().At(3, 1);
}

// A body of object 1: a group with a leaf and a hidden leaf, and motions:
// 10 rises by 0.5 for 4 ticks and ends; 11 loops with a cycle end; 12 loops
// for ever; 13 carries faulty lines; 14 (on acter 4) a line that is no number.
class Acters : public TObjeFolderTest {
protected:
    Acters() {
        std::vector<TObjePlan> plans = {Plan(1, 0, 0), Plan(1, 1, 5), Plan(1, 1, 5)};
        plans[1].position = {0, 1, 0};
        plans[2].visible = 0;
        TGrphFile grph;
        grph.grphNo = 5;
        grph.modelName = "box";
        Write({grph}, plans);
        WriteMotions(
            {Step(10, 4, true, 0, false, "2<Move>0,0.5,0"),
             Step(11, 2, true, 2, false, "1<YRota>10"), Step(11, 0, false, 1, true, "1<YRota>-10"),
             Step(12, 1, true, 1, false, "2<Move>0,1,0"),
             Step(13, 1, true, 0, false, "2<Jump>1\r\n2<Move>0,1\r\n9<XRota>5\r\n2<XRota>5"),
             Step(14, 3, true, 0, false, "2<Move>0,1,0\r\n2<XRota>five\r\n2<Move>0,1,0")});
        WriteActers({Acter(1, 1, "10, 11,12\r\n13"), Acter(2, 1, ""), Acter(1, 1, "11"),
                     Acter(4, 1, "14")});
    }

    void WriteMotions(const std::vector<TMotionStepProg>& steps) {
        TDataWriter writer;
        WriteMoveStepData(writer, steps);
        writer.SaveTo(MoveStepDataFileName);
    }

    void WriteActers(const std::vector<TActerFile>& records) {
        TDataWriter writer;
        WriteActerData(writer, records);
        writer.SaveTo(ActerDataFileName);
    }
};

TEST_F(Acters, PlanMotionListsKeepTheirOrder) {
    const TObjeFactory objeFactory(grphFactory);
    const TActerFactory factory(objeFactory);
    EXPECT_EQ(factory.ActerRecordCount(), 4u);
    const TActerPlan* plan = factory.PlanOf(1);
    ASSERT_NE(plan, nullptr);
    ASSERT_EQ(plan->motions.size(), 4u);
    EXPECT_EQ(plan->motions[0]->motionNo, 10u);
    EXPECT_EQ(plan->motions[3]->motionNo, 13u);
    EXPECT_TRUE(factory.PlanOf(2)->motions.empty());
    EXPECT_EQ(factory.PlanOf(3), nullptr);
    EXPECT_THROW(factory.CreateActer(3), TGameError);
}

TEST_F(Acters, StepAppliesTheLinesToTheParts) {
    const TObjeFactory objeFactory(grphFactory);
    const TActerFactory factory(objeFactory);
    const auto acter = factory.CreateActer(1);
    ASSERT_EQ(acter->Parts().size(), 3u);
    IObje& leaf = *acter->Parts()[1];
    // Nothing plays until a motion is set.
    EXPECT_TRUE(acter->Step());
    acter->SetMotion(0);
    std::vector<bool> results;
    for (int tick = 0; tick < 5; ++tick) {
        results.push_back(acter->Step());
    }
    EXPECT_EQ(results, (std::vector<bool>{false, false, false, true, true}));
    EXPECT_FLOAT_EQ(HeightOf(leaf), 3.0f); // planned 1, plus 4 x 0.5
    // The acter's own operations move the root.
    acter->Move(2, 0, 0);
    EXPECT_EQ(acter->GetRootMatrix().GetOneMat().At(3, 0), 2.0f);
    EXPECT_EQ(&acter->GetRoot(), acter->Parts()[0]);
    EXPECT_TRUE(messages.Texts().empty());
}

TEST_F(Acters, OutOfRangeMotionsPlayNothing) {
    const TObjeFactory objeFactory(grphFactory);
    const TActerFactory factory(objeFactory);
    const auto acter = factory.CreateActer(1);
    for (const std::int16_t index : {std::int16_t{-1}, std::int16_t{4}}) {
        acter->SetMotion(2);
        acter->SetMotion(index);
        const TMatValues before = acter->Parts()[1]->GetMatrix().GetOneMat().Values();
        EXPECT_TRUE(acter->Step()) << index;
        EXPECT_EQ(acter->Parts()[1]->GetMatrix().GetOneMat().Values(), before) << index;
    }
    const auto still = factory.CreateActer(2);
    EXPECT_EQ(still->MotionCount(), 0u);
    still->SetMotion(0);
    EXPECT_TRUE(still->Step());
}

TEST_F(Acters, StopMotionKeepsThePose) {
    const TObjeFactory objeFactory(grphFactory);
    const TActerFactory factory(objeFactory);
    const auto acter = factory.CreateActer(1);
    acter->SetMotion(2);
    acter->Step();
    acter->Step();
    acter->StopMotion();
    EXPECT_TRUE(acter->Step());
    EXPECT_FLOAT_EQ(HeightOf(*acter->Parts()[1]), 3.0f);
}

TEST_F(Acters, RunMotionToEndReachesTheFinalPose) {
    const TObjeFactory objeFactory(grphFactory);
    const TActerFactory factory(objeFactory);
    const auto acter = factory.CreateActer(1);
    acter->RunMotionToEnd(0);
    EXPECT_FLOAT_EQ(HeightOf(*acter->Parts()[1]), 3.0f);
    // A looping motion stops at the end of its first cycle: back where it began.
    acter->RunMotionToEnd(1);
    const auto& root = static_cast<TGroupMat&>(acter->Parts()[0]->GetMatrix());
    EXPECT_FLOAT_EQ(root.Rotation().y, 0.0f);
    // One that never ends is refused instead of hanging.
    EXPECT_THROW(acter->RunMotionToEnd(2), TGameError);
}

TEST_F(Acters, ResetPoseRestoresThePlanAndKeepsHiddenPartsHidden) {
    const TObjeFactory objeFactory(grphFactory);
    const TActerFactory factory(objeFactory);
    const auto acter = factory.CreateActer(1);
    const TMatValues planned = acter->Parts()[1]->GetMatrix().GetOneMat().Values();
    acter->SetMotion(1);
    for (int tick = 0; tick < 7; ++tick) {
        acter->Step();
    }
    acter->RunMotionToEnd(0);
    acter->SetPartVisible(1, false);
    acter->SetPartVisible(7, false);
    acter->ResetPose();
    EXPECT_EQ(acter->Parts()[0]->GetMatrix().GetOneMat().Values(), IdentityMat());
    EXPECT_EQ(acter->Parts()[1]->GetMatrix().GetOneMat().Values(), planned);
    EXPECT_FALSE(acter->Parts()[1]->visible);
    EXPECT_FALSE(acter->Parts()[2]->visible);
    acter->SetPartVisible(2, true);
    EXPECT_TRUE(acter->Parts()[2]->visible);
}

TEST_F(Acters, FaultyLinesAreReportedAndTheRestStillRuns) {
    const TObjeFactory objeFactory(grphFactory);
    const TActerFactory factory(objeFactory);
    const auto acter = factory.CreateActer(1);
    acter->SetMotion(3);
    EXPECT_TRUE(acter->Step());
    const std::string invalid = Sjis("命令文不正エラー");
    // Unknown command, too few numbers, a part the body lacks.
    EXPECT_EQ(messages.Texts(), (std::vector<std::string>{invalid, invalid, invalid}));
    EXPECT_FLOAT_EQ(static_cast<TGroupMat&>(acter->Parts()[1]->GetMatrix()).Rotation().x, 5.0f);
    EXPECT_THROW(acter->Exec("x<Move>0,0,0"), TGameError);
    EXPECT_THROW(acter->Exec("1<Move>0,y,0"), TGameError);
}

TEST_F(Acters, ALineThatIsNoNumberRaisesEachTimeItRunsAfterTheLinesBeforeIt) {
    const TObjeFactory objeFactory(grphFactory);
    const TActerFactory factory(objeFactory);
    const auto acter = factory.CreateActer(4);
    acter->SetMotion(0);
    for (int tick = 1; tick <= 2; ++tick) {
        try {
            acter->Step();
            FAIL() << "tick " << tick << " ran a line that is no number";
        } catch (const TGameError& e) {
            EXPECT_NE(std::string(e.what()).find("five"), std::string::npos) << e.what();
        }
        EXPECT_EQ(HeightOf(*acter->Parts()[1]), 1.0f + static_cast<float>(tick)) << tick;
    }
}

TEST_F(Acters, PartNumbersZeroAndOneAreTheFirstPart) {
    const TObjeFactory objeFactory(grphFactory);
    const TActerFactory factory(objeFactory);
    const auto acter = factory.CreateActer(1);
    acter->Exec("0<Move>1,0,0");
    acter->Exec("1<Move>1,0,0");
    EXPECT_EQ(acter->Parts()[0]->GetMatrix().GetOneMat().At(3, 0), 2.0f);
}

TEST_F(Acters, AMotionMissingFromTheMotionFileIsRefused) {
    WriteActers({Acter(1, 1, "10,99")});
    const TObjeFactory objeFactory(grphFactory);
    try {
        const TActerFactory factory(objeFactory);
        FAIL() << "accepted an acter with a missing motion";
    } catch (const TGameError& e) {
        EXPECT_NE(std::string(e.what()).find("Data/ActerData"), std::string::npos);
    }
}

TEST_F(Acters, AnObjectThatDoesNotBuildIsRefused) {
    WriteActers({Acter(1, 7, "")});
    const TObjeFactory objeFactory(grphFactory);
    const TActerFactory factory(objeFactory);
    EXPECT_THROW(factory.CreateActer(1), TGameError);
}

TEST(ActerCommand, SeparatorsAreInterchangeable) {
    using TKind = TActerCommand::TKind;
    struct TCase {
        const char* line;
        TKind kind;
        size_t part;
        float a;
        float b;
        float c;
    };
    const TCase cases[] = {
        {"2<Move>0,0.5,0", TKind::Move, 1, 0, 0.5f, 0},
        {" 2 , Move , 0 > 0.5 < 0 ", TKind::Move, 1, 0, 0.5f, 0},
        {"3>Scale<1,2,3,4", TKind::Scale, 2, 1, 2, 3},
        {"1<XRota>-45", TKind::XRota, 0, -45, 0, 0},
        {"0<YRota>1.5", TKind::YRota, 0, 1.5f, 0, 0},
        {"1<ZRota>90,", TKind::ZRota, 0, 90, 0, 0},
        {"1<yrota>90", TKind::Invalid, 0, 0, 0, 0},
        {"1<Move>0,1", TKind::Invalid, 0, 0, 0, 0},
        {"1<XRota>", TKind::Invalid, 0, 0, 0, 0},
        {"1", TKind::Invalid, 0, 0, 0, 0},
        {"-1<XRota>5", TKind::Invalid, 0, 0, 0, 0},
        {"", TKind::Blank, 0, 0, 0, 0},
        {"   ", TKind::Blank, 0, 0, 0, 0},
    };
    for (const TCase& c : cases) {
        const TActerCommand command = ParseActerCommand(c.line);
        EXPECT_EQ(command.kind, c.kind) << c.line;
        if (c.kind != TKind::Invalid && c.kind != TKind::Blank) {
            EXPECT_EQ(command.part, c.part) << c.line;
            EXPECT_EQ(command.a, c.a) << c.line;
            EXPECT_EQ(command.b, c.b) << c.line;
            EXPECT_EQ(command.c, c.c) << c.line;
        }
    }
    EXPECT_THROW(ParseActerCommand("one<XRota>5"), TGameError);
    EXPECT_THROW(ParseActerCommand("1<XRota>5deg"), TGameError);
}

TEST(ActerData, MotionListsSplitAtCommasAndLineBreaks) {
    EXPECT_EQ(MotionNumbersOf("1,2\r\n3\n 4 "), (std::vector<std::uint32_t>{1, 2, 3, 4}));
    EXPECT_EQ(MotionNumbersOf("7,x,,8,"), (std::vector<std::uint32_t>{7, 0, 0, 8}));
    EXPECT_TRUE(MotionNumbersOf("").empty());
}

TEST(ActerData, RoundTripsAndRefusesEveryTruncation) {
    const std::vector<TActerFile> records = {Acter(1, 3, "10,11", 2), Acter(9, -1, "")};
    TDataWriter writer;
    WriteActerData(writer, records);
    const auto& bytes = writer.Bytes();
    TDataReader reader("Data/ActerData", bytes);
    EXPECT_EQ(ReadActerData(reader), records);
    for (size_t size = 0; size < bytes.size(); ++size) {
        TDataReader prefix("Data/ActerData",
                           std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + size));
        try {
            ReadActerData(prefix);
            ADD_FAILURE() << "read a file cut at " << size;
        } catch (const TGameError& e) {
            EXPECT_NE(std::string(e.what()).find("Data/ActerData"), std::string::npos);
        }
    }
}

} // namespace
