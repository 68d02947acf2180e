#include "village/Peopledata.h"

#include "platform/GameError.h"
#include "platform/SjisText.h"

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

} // namespace

TPeopleImp ReadPeopleImp(TDataReader& reader) {
    TPeopleImp person;
    person.personNo = reader.ReadU32("person number");
    person.name = reader.ReadLongString("person name");
    person.acterNo = reader.ReadU16("person acter number");
    const size_t talkCount = reader.ReadCountI32("talk count");
    reader.RequireRecords(talkCount, SmallestTalkData, "talks");
    person.talks.resize(talkCount);
    const auto talkOf = Sjis("人物 ") + std::to_string(person.personNo) + Sjis(" の会話 ");
    for (size_t k = 0; k < talkCount; ++k) {
        reader.SetContext(talkOf + std::to_string(k + 1));
        person.talks[k] = ReadTalkData(reader);
    }
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
    writer.WriteCountI32(person.talks.size(), "talk count");
    for (const auto& talk : person.talks) {
        WriteTalkData(writer, talk);
    }
}

std::vector<TPeopleImp> ReadPeopleData(TDataReader& reader) {
    const size_t count = reader.ReadCountI32("person count");
    reader.RequireRecords(count, SmallestPeopleImp, "people");
    std::vector<TPeopleImp> people(count);
    const auto personWord = Sjis("人物 ");
    const auto nthWord = Sjis(" 人目");
    for (size_t i = 0; i < count; ++i) {
        reader.SetContext(personWord + std::to_string(i + 1) + nthWord);
        people[i] = ReadPeopleImp(reader);
    }
    reader.SetContext({});
    reader.RequireEnd();
    return people;
}

void WritePeopleData(TDataWriter& writer, const std::vector<TPeopleImp>& people) {
    writer.WriteCountI32(people.size(), "person count");
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
