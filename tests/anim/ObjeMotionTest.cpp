#include "anim/Movestepdata.h"
#include "platform/GameError.h"
#include "platform/SjisText.h"
#include "support/ObjeFolder.h"

#include <gtest/gtest.h>

namespace {

// The lines of the steps a tick played, in order.
std::vector<std::string_view> LinesOf(const std::vector<const TMotionStepProg*>& steps) {
    std::vector<std::string_view> lines;
    for (const TMotionStepProg* step : steps) {
        lines.insert(lines.end(), step->lines.begin(), step->lines.end());
    }
    return lines;
}

struct TTick {
    bool result;
    std::vector<std::string_view> lines;
};

std::vector<TTick> Play(TObjeMotion& motion, int ticks) {
    std::vector<TTick> played;
    for (int i = 0; i < ticks; ++i) {
        std::vector<const TMotionStepProg*> steps;
        const bool result = motion.Step(steps);
        played.push_back({result, LinesOf(steps)});
    }
    return played;
}

std::vector<bool> Results(const std::vector<TTick>& ticks) {
    std::vector<bool> results;
    for (const TTick& tick : ticks) {
        results.push_back(tick.result);
    }
    return results;
}

TEST(ObjeMotion, OneStepRunsItsCountThenEnds) {
    const std::vector<TMotionStepProg> steps = {Step(1, 3, true, 0, false, "a\r\nb")};
    const auto motions = GroupMotions(steps);
    TObjeMotion motion(motions[0]);
    // Not started: nothing plays.
    EXPECT_EQ(Results(Play(motion, 1)), (std::vector<bool>{true}));
    motion.Start();
    const auto ticks = Play(motion, 4);
    EXPECT_EQ(Results(ticks), (std::vector<bool>{false, false, true, true}));
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(ticks[static_cast<size_t>(i)].lines, (std::vector<std::string_view>{"a", "b"}));
    }
    EXPECT_TRUE(ticks[3].lines.empty());
    EXPECT_TRUE(motion.Finished());
    // Start restarts a finished motion.
    motion.Start();
    EXPECT_EQ(Results(Play(motion, 3)), (std::vector<bool>{false, false, true}));
}

TEST(ObjeMotion, LoopReportsEachCycleAndResetsCountingUpSteps) {
    const std::vector<TMotionStepProg> steps = {Step(1, 2, true, 2, false, "up"),
                                                Step(1, 0, false, 1, true, "down")};
    const auto motions = GroupMotions(steps);
    TObjeMotion motion(motions[0]);
    motion.Start();
    std::vector<std::int32_t> counters;
    std::vector<bool> results;
    std::vector<const TMotionStepProg*> played;
    for (int tick = 0; tick < 9; ++tick) {
        results.push_back(motion.Step(played));
        counters.push_back(motion.Counter());
    }
    const std::vector<std::string_view> lines = LinesOf(played);
    EXPECT_EQ(results,
              (std::vector<bool>{false, false, false, true, false, false, false, true, false}));
    EXPECT_EQ(lines, (std::vector<std::string_view>{"up", "up", "down", "down", "up", "up", "down",
                                                    "down", "up"}));
    EXPECT_EQ(counters, (std::vector<std::int32_t>{1, 2, 1, 0, 1, 2, 1, 0, 1}));
}

TEST(ObjeMotion, CountingDownContinuesFromThePreviousStep) {
    const std::vector<TMotionStepProg> steps = {Step(1, 10, true, 2, false, "fore"),
                                                Step(1, 0, false, 0, false, "back")};
    const auto motions = GroupMotions(steps);
    TObjeMotion motion(motions[0]);
    motion.Start();
    const auto ticks = Play(motion, 21);
    int fore = 0;
    int back = 0;
    for (const TTick& tick : ticks) {
        for (const auto line : tick.lines) {
            (line == "fore" ? fore : back) += 1;
        }
    }
    EXPECT_EQ(fore, 10);
    EXPECT_EQ(back, 10);
    EXPECT_TRUE(ticks[19].result);
    EXPECT_FALSE(ticks[18].result);
}

TEST(ObjeMotion, TheEmptyMotionEndsAtOnce) {
    std::vector<const TMotionStepProg*> steps;
    EXPECT_TRUE(TObjeMotion::Empty().Step(steps));
    TObjeMotion::Empty().Start();
    EXPECT_TRUE(TObjeMotion::Empty().Step(steps));
    EXPECT_TRUE(steps.empty());
}

TEST(MoveStepData, LaterRunsOfAMotionNumberAreIgnored) {
    const std::vector<TMotionStepProg> steps = {
        Step(4, 1, true, 0, false, "first"), Step(5, 1, true, 0, false, "other"),
        Step(4, 1, true, 0, false, "again"), Step(4, 1, true, 0, false, "again")};
    const auto motions = GroupMotions(steps);
    ASSERT_EQ(motions.size(), 2u);
    EXPECT_EQ(motions[0].motionNo, 4u);
    ASSERT_EQ(motions[0].steps.size(), 1u);
    EXPECT_EQ(motions[0].steps[0]->lines[0], "first");
}

TEST(MoveStepData, TextsSplitIntoLinesAndEndAtNul) {
    struct TCase {
        std::string text;
        std::vector<std::string> lines;
    };
    const std::vector<TCase> cases = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\nb\rc\nd", {"a", "b", "c", "d"}},
        {"a\r\n\r\nb\r\n", {"a", "", "b"}},
        {std::string("a\r\nb\0c", 6), {"a", "b"}},
    };
    for (const TCase& c : cases) {
        TDataWriter writer;
        TMotionStepProg step = Step(1, 1, true, 0, false, {});
        step.text = c.text;
        WriteMoveStepData(writer, {step});
        TDataReader reader("Data/MoveStepData", writer.Bytes());
        const auto read = ReadMoveStepData(reader);
        ASSERT_EQ(read.size(), 1u);
        EXPECT_EQ(read[0].lines, c.lines) << c.text;
    }
}

TEST(MoveStepData, RoundTripsAndRefusesEveryTruncation) {
    std::vector<TMotionStepProg> steps = {Step(1, 4, true, 2, false, Sjis("1<Move>0,0.5,0")),
                                          Step(1, 0, false, 1, true, "2<YRota>5")};
    steps[1].head.reserved3[1] = 7;
    TDataWriter writer;
    WriteMoveStepData(writer, steps);
    const auto& bytes = writer.Bytes();
    TDataReader reader("Data/MoveStepData", bytes);
    const auto read = ReadMoveStepData(reader);
    TDataWriter again;
    WriteMoveStepData(again, read);
    EXPECT_EQ(again.Bytes(), bytes);
    for (size_t size = 0; size < bytes.size(); ++size) {
        TDataReader prefix("Data/MoveStepData",
                           std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + size));
        try {
            ReadMoveStepData(prefix);
            ADD_FAILURE() << "read a file cut at " << size;
        } catch (const TGameError& e) {
            EXPECT_NE(std::string(e.what()).find("Data/MoveStepData"), std::string::npos);
        }
    }
}

TEST(MoveStepData, ANextStepOutsideTheMotionIsRefused) {
    const std::vector<TMotionStepProg> steps = {Step(1, 1, true, 2, false, ""),
                                                Step(2, 1, true, 1, false, "")};
    TDataWriter writer;
    EXPECT_THROW(WriteMoveStepData(writer, steps), TGameError);
    TDataWriter raw;
    raw.WriteI32(2);
    for (const auto& step : steps) {
        raw.WriteBytes(&step.head, sizeof(step.head));
        raw.WriteLongString(step.text);
    }
    TDataReader reader("Data/MoveStepData", raw.Bytes());
    try {
        ReadMoveStepData(reader);
        FAIL() << "accepted a step leading out of its motion";
    } catch (const TGameError& e) {
        EXPECT_NE(std::string(e.what()).find("Data/MoveStepData"), std::string::npos);
    }
}

} // namespace
