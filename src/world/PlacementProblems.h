#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Collects what is wrong with the records placed on one grid, each problem as
// Shift-JIS text that names the grid and the record.
class TPlacementProblems {
public:
    TPlacementProblems(std::vector<std::string>& target, std::string sjisGridName)
        : problems(target), gridName(std::move(sjisGridName)) {}

    // The text follows "<grid>: <index + 1> 番目の<record>".
    void Add(size_t index, const char* utf8Record, const std::string& sjisText);

    // Adds a problem unless (x, y) is a block of a width x height grid.
    template <typename TRecord>
    void RequireInside(const std::vector<TRecord>& records, const char* utf8Record,
                       std::uint16_t width, std::uint16_t height) {
        for (size_t i = 0; i < records.size(); ++i) {
            if (records[i].x >= width || records[i].y >= height) {
                Add(i, utf8Record, OutsideText(records[i].x, records[i].y, width, height));
            }
        }
    }

    static std::string OutsideText(std::uint16_t x, std::uint16_t y, std::uint16_t width,
                                   std::uint16_t height);

private:
    std::vector<std::string>& problems;
    std::string gridName;
};
