#pragma once

#include "world/BlockRecords.h"

#include <cstdint>
#include <string_view>
#include <vector>

class TDataReader;
class TDataWriter;

inline constexpr std::string_view TownDataFile = "Data/TownData";

#pragma pack(push, 1)

// One square of a village area; the village has no rooms.
struct TTownBlockFile {
    std::uint8_t wallObje;  // 0 none, else a wall piece plan id (5 makes a counter)
    std::uint8_t floarTile; // 0 none, else a floor tile plan id

    bool operator==(const TTownBlockFile&) const = default;
};
static_assert(sizeof(TTownBlockFile) == 2);

#pragma pack(pop)

// A village area. Objects are big objects (kind 1, sub-kind the plan id) and
// people (kind 2, sub-kind the person id, 0 none); floor actors are exits.
struct TFieldData {
    std::uint16_t width = 0;
    std::uint16_t height = 0;
    std::vector<std::vector<TTownBlockFile>> grid; // height rows of width blocks
    std::vector<TBlockObje> objects;
    std::vector<TBlockFloar> floarActers;

    bool operator==(const TFieldData&) const = default;
};

// The village areas, addressed by their 0-based position; area 0 is where the
// heroine arrives.
using TTownData = std::vector<TFieldData>;

// Raise TGameError naming the file and the area on a short or malformed file,
// and on placements no area can hold (see TowndataCheck.h).
TTownData ReadTownData(TDataReader& reader);
TTownData LoadTownData(std::string_view sjisName = TownDataFile);
// Raises TGameError when a count or size does not fit its field.
void WriteTownData(TDataWriter& writer, const TTownData& areas);
