#pragma once

#include "platform/SingleInstance.h"
#include "village/Peopledata.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string_view>
#include <vector>

class TDataReader;
class TDataWriter;
class TDungActFactory;
class TPeople;

// Everybody who lives in the village, for the whole game: made once from the
// people file, placed on a village area's grid whenever it is built. The only
// state of a person that changes is the talk it gives next, which is saved
// in ascending person number. The dungeon operator makes the program's one
// instance and releases it at the end.
class TPeopleBase : public TSingleInstance<TPeopleBase> {
public:
    // Reads the people file and makes every person, body and talks, through
    // `factory`; a repeated person number keeps the first person.
    explicit TPeopleBase(const TDungActFactory& factory,
                         std::string_view sjisName = PeopleDataFile);
    ~TPeopleBase();
    TPeopleBase(const TPeopleBase&) = delete;
    TPeopleBase& operator=(const TPeopleBase&) = delete;

    // Both raise TGameError for a person who is not in the people file; a
    // talk number the person does not have is refused and changes nothing.
    TPeople& GetPerson(std::uint32_t personNo) const;
    bool HasPerson(std::uint32_t personNo) const { return people.contains(personNo); }
    void SetTalkNo(std::uint32_t personNo, std::uint32_t talkNo);
    // A new game: everybody gives talk 1 again.
    void ResetTalks();
    size_t PersonCount() const { return people.size(); }

    // One u16 talk number per person, in ascending person number, no count.
    // Reading refuses a talk number the person does not have and then
    // changes nothing.
    void WriteTalks(TDataWriter& writer) const;
    void ReadTalks(TDataReader& reader);
    // The reading without the taking, for a loader that checks a whole save
    // before it changes the game; AdoptTalks takes what it read.
    std::vector<std::uint16_t> ReadTalksChecked(TDataReader& reader) const;
    void AdoptTalks(const std::vector<std::uint16_t>& talkNos);

private:
    std::map<std::uint32_t, std::unique_ptr<TPeople>> people;
};
