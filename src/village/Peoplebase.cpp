#include "village/Peoplebase.h"

#include "actors/Dungactfactory.h"
#include "platform/GameError.h"
#include "platform/SjisText.h"
#include "village/People.h"
#include "village/Talk.h"
#include "world/DataFile.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace {

std::string PersonName(std::uint32_t personNo) {
    return Sjis("人物 ") + std::to_string(personNo);
}

bool HasTalk(const TPeople& person, std::uint32_t talkNo) {
    return talkNo >= 1 && talkNo <= person.Talks().TalkCount();
}

std::string NoSuchTalk(std::uint32_t personNo, const TPeople& person, std::uint32_t talkNo) {
    return PersonName(personNo) + Sjis(" に会話 ") + std::to_string(talkNo) +
           Sjis(" がありません (会話は ") + std::to_string(person.Talks().TalkCount()) +
           Sjis(" 個)");
}

} // namespace

TPeopleBase::TPeopleBase(const TDungActFactory& factory, std::string_view sjisName) {
    for (const TPeopleImp& person : LoadPeopleData(sjisName)) {
        if (!people.contains(person.personNo)) {
            people.emplace(person.personNo,
                           factory.NewPeople(person, std::make_unique<TTalkDepot>(person.talks)));
        }
    }
}

TPeopleBase::~TPeopleBase() = default;

TPeople& TPeopleBase::GetPerson(std::uint32_t personNo) const {
    const auto found = people.find(personNo);
    if (found == people.end()) {
        throw TGameError(PersonName(personNo) + Sjis(" はいません"));
    }
    return *found->second;
}

void TPeopleBase::SetTalkNo(std::uint32_t personNo, std::uint32_t talkNo) {
    TPeople& person = GetPerson(personNo);
    if (!HasTalk(person, talkNo)) {
        throw TGameError(NoSuchTalk(personNo, person, talkNo));
    }
    person.Talks().SetTalkNo(talkNo);
}

void TPeopleBase::ResetTalks() {
    for (auto& [personNo, person] : people) {
        person->Talks().SetTalkNo(1);
    }
}

void TPeopleBase::WriteTalks(TDataWriter& writer) const {
    for (const auto& [personNo, person] : people) {
        writer.WriteU16(static_cast<std::uint16_t>(person->Talks().GetTalkNo()));
    }
}

void TPeopleBase::ReadTalks(TDataReader& reader) {
    AdoptTalks(ReadTalksChecked(reader));
}

std::vector<std::uint16_t> TPeopleBase::ReadTalksChecked(TDataReader& reader) const {
    std::vector<std::uint16_t> talkNos;
    for (const auto& [personNo, person] : people) {
        const std::uint16_t talkNo = reader.ReadU16(PersonName(personNo) + Sjis(" の会話番号"));
        if (!HasTalk(*person, talkNo)) {
            reader.FailContent(NoSuchTalk(personNo, *person, talkNo));
        }
        talkNos.push_back(talkNo);
    }
    return talkNos;
}

void TPeopleBase::AdoptTalks(const std::vector<std::uint16_t>& talkNos) {
    if (talkNos.size() != people.size()) {
        throw std::logic_error("talk numbers for another village's people");
    }
    auto talkNo = talkNos.begin();
    for (auto& [personNo, person] : people) {
        person->Talks().SetTalkNo(*talkNo++);
    }
}
