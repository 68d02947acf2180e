#pragma once

#include "village/Talkdata.h"
#include "world/DataFile.h"

#include <cstdint>
#include <string>
#include <vector>

inline constexpr std::string_view PeopleDataFile = "Data/PeopleData";

// One person of the people file, as read; the people are made from these.
struct TPeopleImp {
    std::uint32_t personNo = 0;
    std::string name;
    std::uint16_t acterNo = 0;    // the body
    std::vector<TTalkData> talks; // talk number k is entry k - 1

    bool operator==(const TPeopleImp&) const = default;
};

// A person must have a talk to give, and every choice target and next talk
// must be one of the person's talks; anything else is refused when read and
// when written.
TPeopleImp ReadPeopleImp(TDataReader& reader);
void WritePeopleImp(TDataWriter& writer, const TPeopleImp& person);

// The whole file, in file order: an i32 count, then the people, and nothing after.
std::vector<TPeopleImp> ReadPeopleData(TDataReader& reader);
void WritePeopleData(TDataWriter& writer, const std::vector<TPeopleImp>& people);
std::vector<TPeopleImp> LoadPeopleData(std::string_view sjisName = PeopleDataFile);

// The first person with that number (a repeated number keeps the first), or null.
const TPeopleImp* FindPeopleImp(const std::vector<TPeopleImp>& people, std::uint32_t personNo);
