#include "village/Talkdata.h"

#include "platform/GameError.h"
#include "platform/SjisText.h"

namespace {

constexpr size_t SmallestLongString = 4;
constexpr size_t SmallestChoice = SmallestLongString + 1;

} // namespace

TTalkData ReadTalkData(TDataReader& reader) {
    TTalkData talk;
    const size_t lineCount = reader.ReadCountI32("talk line count");
    if (lineCount == 0) {
        reader.Fail(Sjis("行のない会話です"));
    }
    reader.RequireRecords(lineCount, SmallestLongString, "talk lines");
    talk.lines.resize(lineCount);
    for (auto& line : talk.lines) {
        line = reader.ReadLongString("talk line");
    }
    const size_t choiceCount = reader.ReadCountI32("choice count");
    reader.RequireRecords(choiceCount, SmallestChoice, "choices");
    talk.choices.resize(choiceCount);
    for (auto& choice : talk.choices) {
        choice.text = reader.ReadLongString("choice text");
        choice.target = reader.ReadU8("choice target");
    }
    talk.afterTalk = reader.ReadLongString("after-talk text");
    talk.nextTalk = reader.ReadU8("next talk");
    return talk;
}

void WriteTalkData(TDataWriter& writer, const TTalkData& talk) {
    if (talk.lines.empty()) {
        throw TGameError(Sjis("行のない会話は書けません"));
    }
    writer.WriteCountI32(talk.lines.size(), "talk line count");
    for (const auto& line : talk.lines) {
        writer.WriteLongString(line);
    }
    writer.WriteCountI32(talk.choices.size(), "choice count");
    for (const auto& choice : talk.choices) {
        writer.WriteLongString(choice.text);
        writer.WriteU8(choice.target);
    }
    writer.WriteLongString(talk.afterTalk);
    writer.WriteU8(talk.nextTalk);
}
