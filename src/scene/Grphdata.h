#pragma once

#include "world/DataFile.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

inline constexpr char GrphDataFileName[] = "Data/GrphData";

// One entry of the graphics list: a model and up to six swap lists, each
// giving one alternative colouring (an empty list gives none).
struct TGrphFile {
    static constexpr size_t SwapListCount = 6;

    std::uint32_t grphNo = 0;
    std::string modelName; // no folder, no extension
    std::array<std::string, SwapListCount> swapLists;

    bool operator==(const TGrphFile&) const = default;
};

// The whole file: an i32 count, the records, and nothing after them.
std::vector<TGrphFile> ReadGrphData(TDataReader& reader);
void WriteGrphData(TDataWriter& writer, const std::vector<TGrphFile>& records);
