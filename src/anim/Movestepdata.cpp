#include "anim/Movestepdata.h"

#include "platform/GameError.h"
#include "platform/SjisText.h"
#include "world/Mycpp.h"
#include "world/NamedRecords.h"

#include <set>

namespace {

constexpr size_t SmallestStep = sizeof(TMotionStepHead) + 4;

template <typename TVisit>
void ForEachRun(const std::vector<TMotionStepProg>& steps, TVisit visit) {
    for (size_t start = 0; start < steps.size();) {
        size_t end = start;
        while (end < steps.size() && steps[end].head.motionNo == steps[start].head.motionNo) {
            ++end;
        }
        visit(start, end);
        start = end;
    }
}

// What makes a motion step unplayable, or "" when nothing does.
std::string NextStepProblem(const std::vector<TMotionStepProg>& steps) {
    std::string problem;
    ForEachRun(steps, [&](size_t start, size_t end) {
        for (size_t i = start; i < end && problem.empty(); ++i) {
            const size_t next = steps[i].head.nextStep;
            if (next > end - start) {
                problem = Sjis("モーション ") + std::to_string(steps[i].head.motionNo) +
                          Sjis(" のステップ ") + std::to_string(i - start + 1) +
                          Sjis(" の次のステップ ") + std::to_string(next) +
                          Sjis(" がありません (ステップは ") + std::to_string(end - start) +
                          Sjis(" 個)");
            }
        }
    });
    return problem;
}

} // namespace

std::vector<TMotionStepProg> ReadMoveStepData(TDataReader& reader) {
    const size_t count = reader.ReadCountI32("step count");
    std::vector<TMotionStepProg> steps = ReadNamedRecords(
        reader, count, SmallestStep, "motion steps",
        [](size_t i) { return Sjis("ステップ ") + std::to_string(i + 1); },
        [&] {
            TMotionStepHead head{};
            reader.ReadBytes(&head, sizeof(head), "step head");
            return MotionStepOf(head, reader.ReadLongString("step text"));
        });
    reader.SetContext({});
    reader.RequireEnd();
    if (const std::string problem = NextStepProblem(steps); !problem.empty()) {
        reader.FailContent(problem);
    }
    return steps;
}

void WriteMoveStepData(TDataWriter& writer, const std::vector<TMotionStepProg>& steps) {
    if (const std::string problem = NextStepProblem(steps); !problem.empty()) {
        throw TGameError(problem);
    }
    writer.WriteCountI32(steps.size(), "step count");
    for (const TMotionStepProg& step : steps) {
        writer.WriteBytes(&step.head, sizeof(step.head));
        writer.WriteLongString(step.text);
    }
}

TMotionStepProg MotionStepOf(const TMotionStepHead& head, std::string text) {
    TMotionStepProg step;
    step.head = head;
    step.lines = SplitLines(text);
    for (const std::string& line : step.lines) {
        step.commands.push_back(CompileActerCommand(line));
    }
    step.text = std::move(text);
    return step;
}

std::vector<TObjeMotionData> GroupMotions(const std::vector<TMotionStepProg>& steps) {
    std::vector<TObjeMotionData> motions;
    std::set<std::uint32_t> seen;
    ForEachRun(steps, [&](size_t start, size_t end) {
        const std::uint32_t motionNo = steps[start].head.motionNo;
        if (!seen.insert(motionNo).second) {
            return;
        }
        TObjeMotionData& motion = motions.emplace_back();
        motion.motionNo = motionNo;
        for (size_t i = start; i < end; ++i) {
            motion.steps.push_back(&steps[i]);
        }
    });
    return motions;
}
