#include "village/Talkdata.h"

#include "platform/GameError.h"
#include "platform/SjisText.h"

namespace {

constexpr size_t SmallestLongString = 4;
constexpr size_t SmallestChoice = SmallestLongString + 1;

// Names of what is read, for the error messages; converted once.
struct TTalkWords {
    std::string lineCount = Sjis("会話の行数");
    std::string lines = Sjis("会話の行");
    std::string choiceCount = Sjis("選択肢の数");
    std::string choices = Sjis("選択肢");
    std::string choiceText = Sjis("選択肢の文");
    std::string choiceTarget = Sjis("選択肢の行き先");
    std::string afterTalk = Sjis("会話後処理");
    std::string nextTalk = Sjis("次の会話");
};

const TTalkWords& Words() {
    static const TTalkWords words;
    return words;
}

} // namespace

TTalkData ReadTalkData(TDataReader& reader) {
    TTalkData talk;
    const size_t lineCount = reader.ReadCountI32(Words().lineCount);
    if (lineCount == 0) {
        reader.Fail(Sjis("行のない会話です"));
    }
    reader.RequireRecords(lineCount, SmallestLongString, Words().lines);
    talk.lines.resize(lineCount);
    for (auto& line : talk.lines) {
        line = reader.ReadLongString(Words().lines);
    }
    const size_t choiceCount = reader.ReadCountI32(Words().choiceCount);
    reader.RequireRecords(choiceCount, SmallestChoice, Words().choices);
    talk.choices.resize(choiceCount);
    for (auto& choice : talk.choices) {
        choice.text = reader.ReadLongString(Words().choiceText);
        choice.target = reader.ReadU8(Words().choiceTarget);
    }
    talk.afterTalk = reader.ReadLongString(Words().afterTalk);
    talk.nextTalk = reader.ReadU8(Words().nextTalk);
    return talk;
}

void WriteTalkData(TDataWriter& writer, const TTalkData& talk) {
    if (talk.lines.empty()) {
        throw TGameError(Sjis("行のない会話は書けません"));
    }
    writer.WriteCountI32(talk.lines.size(), Words().lineCount);
    for (const auto& line : talk.lines) {
        writer.WriteLongString(line);
    }
    writer.WriteCountI32(talk.choices.size(), Words().choiceCount);
    for (const auto& choice : talk.choices) {
        writer.WriteLongString(choice.text);
        writer.WriteU8(choice.target);
    }
    writer.WriteLongString(talk.afterTalk);
    writer.WriteU8(talk.nextTalk);
}
