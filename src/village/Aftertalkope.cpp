#include "village/Aftertalkope.h"

#include "platform/GameError.h"
#include "platform/SjisText.h"
#include "village/Eventoperator.h"
#include "village/Scriptline.h"

#include <limits>

namespace {

constexpr std::int32_t MinInt = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t MaxInt = std::numeric_limits<std::int32_t>::max();

} // namespace

void TATEventGo::Execute() {
    TEventOperator::Instance().FulfilCondition(stage, condition);
}

void TAfterTalkOpe::Execute(const std::string& sjisText) const {
    for (const TScriptLine& line : SplitScript(sjisText)) {
        if (line.command == "DungInfo") {
            throw TGameError(Sjis("会話後処理エラー"));
        }
        if (line.command == "EventTermGo") {
            const std::int32_t stage = ScriptArgument(line, 0, MinInt, MaxInt);
            TATEventGo(stage, ScriptArgument(line, 1, MinInt, MaxInt)).Execute();
        }
    }
}
