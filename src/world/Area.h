#pragma once

#include "platform/SingleInstance.h"
#include "world/DataProblem.h"
#include "world/Mapdata.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class TDataReader;
class TDataWriter;

inline constexpr std::string_view AreaDataFile = "Data/AreaData";

// The entrance screen offers area 0 and at most the areas 1 to 9 that the
// story opens.
inline constexpr size_t MaxOpenedArea = 9;

// A group of dungeons on the entrance screen.
struct TAreaData {
    std::uint8_t unused = 0;
    std::string name;
    std::vector<std::uint8_t> stageNumbers; // in display order, counted from 1

    bool operator==(const TAreaData&) const = default;
};

// Raises TGameError naming the file and the area on a short or malformed file.
std::vector<TAreaData> ReadAreaData(TDataReader& reader);
// Raises TGameError when a count or text does not fit its field.
void WriteAreaData(TDataWriter& writer, const std::vector<TAreaData>& areas);

// Stage numbers that name no stage of a list of `stageCount` stages.
std::vector<TDataProblem> FindAreaProblems(const std::vector<TAreaData>& areas, size_t stageCount);

// The areas and their stages, as the entrance screen asks for them. The
// dungeon operator creates the program's one instance with the dungeon
// factory's stages and releases it at the end.
class TAreaOperator : public TSingleInstance<TAreaOperator> {
public:
    // Reads the area file; raises TGameError naming the file when an area
    // lists a stage number that is not in `stages`.
    explicit TAreaOperator(const TDungeonData& stages, std::string_view sjisName = AreaDataFile);

    size_t AreaCount() const { return areas.size(); }
    // Both raise TGameError for an index that is not there.
    const TAreaData& GetArea(size_t index) const;
    const TStageData& GetAreaStage(size_t area, size_t pos) const;

    // The numbers of the areas the entrance screen offers, in its order: area
    // 0, then each area a from 1 to 9 whose flag a is set and that the area
    // file has. The screen looks areas up by these numbers, so an area opened
    // while a lower one is not still shows its own dungeons.
    std::vector<size_t> OfferedAreas(std::span<const std::uint8_t> areaFlags) const;
    // The dungeon entered by choosing position `pos` of area `area`: the
    // stage number there, less one.
    int DungeonNumber(size_t area, size_t pos) const;

private:
    const TDungeonData& stages;
    std::vector<TAreaData> areas;
};
