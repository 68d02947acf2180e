#pragma once

#include <cstdint>
#include <string>

// One action of an after-talk text, run once and dropped.
class IAfterTalkPrs {
public:
    virtual ~IAfterTalkPrs() = default;
    virtual void Execute() = 0;
};

// "EventTermGo": a condition of the story's current stage is fulfilled.
class TATEventGo final : public IAfterTalkPrs {
public:
    TATEventGo(std::int32_t stageNo, std::int32_t conditionNo)
        : stage(stageNo), condition(conditionNo) {}
    void Execute() override;

private:
    std::int32_t stage;
    std::int32_t condition;
};

// Runs the command text of a talk that is over: this is how talks move the
// story on.
class TAfterTalkOpe {
public:
    // Every line in order: "EventTermGo" with a stage and a condition number
    // fulfils that condition; other commands are ignored. Raises TGameError
    // at a "DungInfo" line ("会話後処理エラー": only stage scripts open areas)
    // and at a line whose numbers cannot be read; later lines do not run.
    void Execute(const std::string& sjisText) const;
};
