#include "village/Peopledata.h"

#include "platform/GameError.h"
#include "platform/SjisText.h"
#include "world/NamedRecords.h"

#include <algorithm>

namespace {

// Number, empty name, acter number and talk count.
constexpr size_t SmallestPeopleImp = 4 + 4 + 2 + 4;

// What makes the person's talks unusable, or "" when nothing does.
std::string TalkNumberProblem(const TPeopleImp& person) {
    const auto who = Sjis("人物 ") + std::to_string(person.personNo);
    if (person.talks.empty()) {
        return who + Sjis(" に会話がありません");
    }
    const size_t talkCount = person.talks.size();
    const auto talkOf = [&](size_t index) {
        return who + Sjis(" の会話 ") + std::to_string(index + 1);
    };
    const auto missing = [&](unsigned number) {
        return " " + std::to_string(number) + Sjis(" がありません (会話は ") +
               std::to_string(talkCount) + Sjis(" 個)");
    };
    for (size_t i = 0; i < talkCount; ++i) {
        const auto& talk = person.talks[i];
        if (talk.nextTalk > talkCount) {
            return talkOf(i) + Sjis(" の次の会話") + missing(talk.nextTalk);
        }
        for (const auto& choice : talk.choices) {
            if (choice.target == 0 || choice.target > talkCount) {
                return talkOf(i) + Sjis(" の選択肢の行き先") + missing(choice.target);
            }
        }
    }
    return {};
}

// Names of what is read, for the error messages; converted once.
struct TPeopleWords {
    std::string count = Sjis("人物の数");
    std::string people = Sjis("人物");
    std::string person = Sjis("人物 ");
    std::string nth = Sjis(" 人目");
    std::string talkOf = Sjis(" の会話 ");
    std::string number = Sjis("人物番号");
    std::string name = Sjis("人物の名前");
    std::string acterNo = Sjis("人物のアクター番号");
    std::string talkCount = Sjis("会話の数");
    std::string talks = Sjis("会話");
};

const TPeopleWords& Words() {
    static const TPeopleWords words;
    return words;
}

} // namespace

TPeopleImp ReadPeopleImp(TDataReader& reader) {
    TPeopleImp person;
    person.personNo = reader.ReadU32(Words().number);
    person.name = reader.ReadLongString(Words().name);
    person.acterNo = reader.ReadU16(Words().acterNo);
    const size_t talkCount = reader.ReadCountI32(Words().talkCount);
    const auto talkOf = Words().person + std::to_string(person.personNo) + Words().talkOf;
    person.talks = ReadNamedRecords(
        reader, talkCount, SmallestTalkData, Words().talks,
        [&](size_t k) { return talkOf + std::to_string(k + 1); },
        [&] { return ReadTalkData(reader); });
    reader.SetContext({});
    if (const auto problem = TalkNumberProblem(person); !problem.empty()) {
        reader.FailContent(problem);
    }
    return person;
}

void WritePeopleImp(TDataWriter& writer, const TPeopleImp& person) {
    if (const auto problem = TalkNumberProblem(person); !problem.empty()) {
        throw TGameError(problem);
    }
    writer.WriteU32(person.personNo);
    writer.WriteLongString(person.name);
    writer.WriteU16(person.acterNo);
    writer.WriteCountI32(person.talks.size(), Words().talkCount);
    for (const auto& talk : person.talks) {
        WriteTalkData(writer, talk);
    }
}

std::vector<TPeopleImp> ReadPeopleData(TDataReader& reader) {
    const size_t count = reader.ReadCountI32(Words().count);
    std::vector<TPeopleImp> people = ReadNamedRecords(
        reader, count, SmallestPeopleImp, Words().people,
        [](size_t i) { return Words().person + std::to_string(i + 1) + Words().nth; },
        [&] { return ReadPeopleImp(reader); });
    reader.SetContext({});
    reader.RequireEnd();
    return people;
}

void WritePeopleData(TDataWriter& writer, const std::vector<TPeopleImp>& people) {
    writer.WriteCountI32(people.size(), Words().count);
    for (const auto& person : people) {
        WritePeopleImp(writer, person);
    }
}

std::vector<TPeopleImp> LoadPeopleData(std::string_view sjisName) {
    auto reader = TDataReader::FromFile(sjisName);
    return ReadPeopleData(reader);
}

const TPeopleImp* FindPeopleImp(const std::vector<TPeopleImp>& people, std::uint32_t personNo) {
    const auto found =
        std::find_if(people.begin(), people.end(),
                     [personNo](const TPeopleImp& person) { return person.personNo == personNo; });
    return found == people.end() ? nullptr : &*found;
}
