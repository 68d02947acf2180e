#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

class TAreaOperator;

// What the dungeon entrance screen offers and what a choice there enters:
// area 0 and the areas the story has opened, in their order, the last one
// preselected. Areas are looked up by their numbers, so an area opened while
// a lower one is not still shows its own dungeons. Texts are Shift-JIS.
class TEntranceChoice {
public:
    // `areas` must outlive the choice.
    TEntranceChoice(const TAreaOperator& areas, std::span<const std::uint8_t> areaFlags);

    std::size_t AreaCount() const { return offered.size(); }
    // The name of the area at list position `listPos`.
    const std::string& AreaName(std::size_t listPos) const;
    // The list position selected when the screen opens: the last area offered.
    std::size_t Preselected() const { return offered.size() - 1; }
    // The names of the dungeons of the area at list position `listPos`.
    std::vector<std::string> DungeonNames(std::size_t listPos) const;
    // The dungeon entered by choosing dungeon `pos` of the area at list
    // position `listPos`: its stage number less one.
    int DungeonNumber(std::size_t listPos, std::size_t pos) const;

private:
    std::size_t AreaNumber(std::size_t listPos) const;

    const TAreaOperator& areas;
    std::vector<std::size_t> offered;
};
