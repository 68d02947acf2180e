#pragma once

#include "save/Saverecords.h"

#include <cstdint>
#include <vector>

#pragma pack(push, 1)

// One carried item as a saved game keeps it.
struct TSaveHerosItem {
    TSaveItem item;
    std::uint8_t equipped = 0; // 1: put on again when a saved game resumes
    std::uint8_t padding = 0;

    bool operator==(const TSaveHerosItem&) const = default;
};

#pragma pack(pop)

static_assert(sizeof(TSaveHerosItem) == 16);

// The records of everything she carries, in the order of her items, and a
// number that only travels with them through saved games.
struct TSaveHeroEve {
    std::vector<TSaveHerosItem> items;
    std::uint32_t number = 0;

    bool operator==(const TSaveHeroEve&) const = default;
};

// The number of a heroine who has never had her inventory cleared.
inline constexpr std::uint32_t FirstHeroEveNumber = 1000;
