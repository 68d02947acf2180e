#pragma once

#include "world/BlockRecords.h"
#include "world/DataProblem.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// Collects what is wrong with the records placed on one floor or village area.
class TPlacementProblems {
public:
    TPlacementProblems(std::vector<TDataProblem>& target, size_t group, std::string sjisGroupName)
        : problems(target), groupNumber(group), groupName(std::move(sjisGroupName)) {}

    // The message reads "<group>: <index + 1> 番目の<record of the list><sjisText>".
    void Add(TDataList list, size_t index, const std::string& sjisText);

    // Adds a problem for every record whose (x, y) is not a block of the grid.
    template <typename TRecord>
    void RequireInside(const std::vector<TRecord>& records, TDataList list, std::uint16_t width,
                       std::uint16_t height) {
        for (size_t i = 0; i < records.size(); ++i) {
            if (records[i].x >= width || records[i].y >= height) {
                Add(list, i, OutsideText(records[i].x, records[i].y, width, height));
            }
        }
    }

    // Adds a problem unless the exit arrives on a block of the target's grid.
    void RequireArrivalInside(size_t index, const TBlockFloar& exit, std::uint16_t width,
                              std::uint16_t height, const std::string& sjisTargetName);

    // "の位置 (x, y) が W x H の外です"
    static std::string OutsideText(std::uint16_t x, std::uint16_t y, std::uint16_t width,
                                   std::uint16_t height);

private:
    std::vector<TDataProblem>& problems;
    size_t groupNumber;
    std::string groupName;
};
