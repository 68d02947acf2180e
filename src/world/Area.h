#pragma once

#include "platform/SingleInstance.h"
#include "world/DataProblem.h"
#include "world/Mapdata.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TDataReader;
class TDataWriter;

inline constexpr std::string_view AreaDataFile = "Data/AreaData";

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

private:
    const TDungeonData& stages;
    std::vector<TAreaData> areas;
};
