#pragma once

#include "anim/Objemotion.h"
#include "world/DataFile.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

inline constexpr char ActerDataFileName[] = "Data/ActerData";

// One record of the acter file as read.
struct TActerFile {
    std::uint32_t acterNo = 0;
    std::int32_t objeNo = 0;
    // Motion numbers in decimal, separated by commas or line breaks.
    std::string motionList;
    std::uint8_t variant = 0; // graphics variant 0 to 7

    bool operator==(const TActerFile&) const = default;
};

// What an acter is made of: its object, its motions in list order (the index
// game logic selects them by) and its graphics variant.
struct TActerPlan {
    std::int32_t objeNo = 0;
    std::vector<const TObjeMotionData*> motions;
    std::uint8_t variant = 0;
};

// The whole file: an i32 count, the records, and nothing after them.
std::vector<TActerFile> ReadActerData(TDataReader& reader);
void WriteActerData(TDataWriter& writer, const std::vector<TActerFile>& records);

// The numbers of a motion list; an item that is not a number counts as 0.
std::vector<std::uint32_t> MotionNumbersOf(const std::string& motionList);
