#pragma once

#include "anim/Actercommand.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#pragma pack(push, 1)
// The fixed head of one motion step as the motion file stores it.
struct TMotionStepHead {
    std::uint32_t motionNo; // consecutive steps with one number make one motion
    std::uint8_t count;     // the counter value that ends the step
    std::uint8_t cycleEnd;  // leaving this step for its successor ends a cycle
    std::uint8_t reserved1;
    std::uint8_t nextStep; // 1-based step of the same motion; 0 ends the motion
    std::uint8_t reserved2;
    std::uint8_t countUp; // on entry the counter starts at 0 and counts up; else counts down
    std::uint8_t reserved3[2];
};
#pragma pack(pop)
static_assert(sizeof(TMotionStepHead) == 12);
static_assert(std::is_trivially_copyable_v<TMotionStepHead>);

// One step: its head, its text as stored, the command lines of the text and
// each line's command; the file holds the text, the lines and commands are
// made from it once (MotionStepOf), however often the step is played.
struct TMotionStepProg {
    TMotionStepHead head{};
    std::string text;
    std::vector<std::string> lines;
    std::vector<TActerCommand> commands;
};

// One motion program: its steps in order, step 1 first. The steps belong to
// whoever read them (the acter factory).
struct TObjeMotionData {
    std::uint32_t motionNo = 0;
    std::vector<const TMotionStepProg*> steps;
};

// A motion being played. Every tick the current step is handed over to be
// applied, and a counter decides when the step is over and which one follows.
class TObjeMotion {
public:
    explicit TObjeMotion(const TObjeMotionData& program) : steps(&program.steps) {}

    // The shared motion without a program, played when nothing plays.
    static TObjeMotion& Empty();

    // Back to step 1 with the counter at 0, from any state.
    void Start();
    // One tick: appends the current step, then moves the counter. True when
    // the motion has ended or a cycle-end step was just left.
    bool Step(std::vector<const TMotionStepProg*>& played);

    bool Finished() const { return finished; }
    size_t StepCount() const { return steps == nullptr ? 0 : steps->size(); }
    std::int32_t Counter() const { return counter; }
    // 0-based; none before Start and after the end.
    std::optional<size_t> CurrentStep() const { return current; }

private:
    TObjeMotion() = default;

    const std::vector<const TMotionStepProg*>* steps = nullptr;
    std::int32_t counter = 0;
    std::optional<size_t> current;
    bool finished = false;
};
