#include "village/Eventoperator.h"

#include "actors/Herosbase.h"
#include "platform/GameError.h"
#include "platform/MessageSeam.h"
#include "platform/SjisText.h"
#include "village/Peoplebase.h"
#include "village/Scriptline.h"
#include "world/DataFile.h"

#include <algorithm>
#include <limits>

namespace {

constexpr std::int32_t MaxInt = std::numeric_limits<std::int32_t>::max();

std::string StageName(size_t record) {
    // Callers and the story's authors count stages from 1.
    return Sjis("ステージ ") + std::to_string(record + 1);
}

bool FlagsValid(const auto& flags) {
    return std::all_of(flags.begin(), flags.end(), [](std::uint8_t flag) { return flag <= 1; });
}

std::uint8_t ByteArgument(const TScriptLine& line, size_t index) {
    return static_cast<std::uint8_t>(ScriptArgument(line, index, 0, 255));
}

} // namespace

void TEventOperator::LoadEvents(std::string_view sjisName) {
    events = LoadEventData(sjisName);
    ResetEvents();
}

void TEventOperator::WriteEvents(TDataWriter& writer) const {
    writer.WriteBytes(&state, sizeof state);
}

void TEventOperator::ReadEvents(TDataReader& reader) {
    AdoptEvents(ReadEventsChecked(reader));
}

TSaveEvents TEventOperator::ReadEventsChecked(TDataReader& reader) const {
    TSaveEvents read;
    reader.ReadBytes(&read, sizeof read, Sjis("イベントの状態"));
    if (read.storyStage >= events.size()) {
        reader.FailContent(Sjis("物語のステージ ") + std::to_string(read.storyStage) +
                           Sjis(" のイベントがありません (イベントは ") +
                           std::to_string(events.size()) + Sjis(" 個)"));
    }
    if (!FlagsValid(read.conditions) || !FlagsValid(read.areas)) {
        reader.FailContent(Sjis("イベントの条件かエリアの印が 0 でも 1 でもありません"));
    }
    return read;
}

const TEvent& TEventOperator::CurrentEvent() const {
    if (state.storyStage >= events.size()) {
        throw TGameError(StageName(state.storyStage) + Sjis(" のイベントがありません"));
    }
    return events[state.storyStage];
}

bool TEventOperator::IsAreaOpen(std::int32_t area) const {
    if (area == 0) {
        return true;
    }
    return area > 0 && static_cast<size_t>(area) <= MaxOpenedArea &&
           state.areas[static_cast<size_t>(area)] != 0;
}

void TEventOperator::FulfilCondition(std::int32_t stage, std::int32_t condition) {
    if (stage != state.storyStage + 1) {
        return;
    }
    try {
        Fulfil(condition);
    } catch (const TGameError& error) {
        // A story that cannot go on as written must not stop the game.
        MessageSeam().ShowWarning(error.what());
    }
}

void TEventOperator::Fulfil(std::int32_t condition) {
    if (condition < 1 || condition > MaxEventConditions) {
        throw TGameError(StageName(state.storyStage) + Sjis(" の条件 ") +
                         std::to_string(condition) + Sjis(" は 1 から ") +
                         std::to_string(MaxEventConditions) + Sjis(" のはずです"));
    }
    state.conditions[static_cast<size_t>(condition - 1)] = 1;
    if (!StageComplete()) {
        return;
    }
    const size_t next = state.storyStage + 1u;
    if (next >= events.size()) {
        throw TGameError(StageName(state.storyStage) +
                         Sjis(" の次のステージのイベントがありません"));
    }
    state.storyStage = static_cast<std::uint8_t>(next);
    state.conditions = {};
    try {
        RunScript(events[next].script);
    } catch (const TGameError& error) {
        throw TGameError(StageName(next) + Sjis(" のスクリプト: ") + error.what());
    }
}

bool TEventOperator::StageComplete() const {
    const auto needed = static_cast<size_t>(CurrentEvent().neededConditions);
    return std::all_of(state.conditions.begin(), state.conditions.begin() + needed,
                       [](std::uint8_t flag) { return flag != 0; });
}

void TEventOperator::RunScript(const std::string& sjisScript) {
    for (const TScriptLine& line : SplitScript(sjisScript)) {
        if (line.command == "TalkChange") {
            const auto person = static_cast<std::uint32_t>(ScriptArgument(line, 0, 0, MaxInt));
            const auto talk = static_cast<std::uint32_t>(ScriptArgument(line, 1, 1, MaxInt));
            TPeopleBase::Instance().SetTalkNo(person, talk);
        } else if (line.command == "ItemAdd") {
            const std::uint8_t kind = ByteArgument(line, 0);
            THerosBase::Instance().GiveItem(kind, ByteArgument(line, 1), 0);
        } else if (line.command == "ItemDelete") {
            const std::uint8_t kind = ByteArgument(line, 0);
            THerosBase::Instance().RemoveItemByKind(kind, ByteArgument(line, 1));
        } else if (line.command == "DungInfo") {
            state.areas[static_cast<size_t>(
                ScriptArgument(line, 0, 1, static_cast<std::int32_t>(MaxOpenedArea)))] = 1;
        }
    }
}
