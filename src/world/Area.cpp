#include "world/Area.h"

#include "platform/GameError.h"
#include "platform/SjisText.h"
#include "world/DataFile.h"
#include "world/NamedRecords.h"

#include <algorithm>

namespace {

// Smallest area record: the unused byte and two i32 lengths.
constexpr size_t AreaMinimumSize = 1 + 4 + 4;

std::string AreaName(size_t index) {
    return Sjis("エリア ") + std::to_string(index);
}

} // namespace

std::vector<TDataProblem> FindAreaProblems(const std::vector<TAreaData>& areas, size_t stageCount) {
    std::vector<TDataProblem> problems;
    for (size_t area = 0; area < areas.size(); ++area) {
        const auto& numbers = areas[area].stageNumbers;
        for (size_t pos = 0; pos < numbers.size(); ++pos) {
            if (numbers[pos] < 1 || numbers[pos] > stageCount) {
                problems.push_back(
                    {area, TDataList::AreaStages, pos,
                     AreaName(area) + ": " + std::to_string(pos + 1) +
                         Sjis(" 番目のステージ番号 ") + std::to_string(numbers[pos]) +
                         Sjis(" がありません (ステージ数 ") + std::to_string(stageCount) + ")"});
            }
        }
    }
    return problems;
}

std::vector<TAreaData> ReadAreaData(TDataReader& reader) {
    const size_t count = reader.ReadCountI32(Sjis("エリア数"));
    std::vector<TAreaData> areas =
        ReadNamedRecords(reader, count, AreaMinimumSize, Sjis("エリア"), AreaName, [&] {
            TAreaData area;
            area.unused = reader.ReadU8(Sjis("未使用バイト"));
            area.name = reader.ReadLongString(Sjis("名前"));
            const size_t stageCount = reader.ReadCountI32(Sjis("ステージ数"));
            area.stageNumbers = reader.ReadRecords<std::uint8_t>(stageCount, Sjis("ステージ番号"));
            return area;
        });
    reader.SetContext({});
    reader.RequireEnd();
    return areas;
}

void WriteAreaData(TDataWriter& writer, const std::vector<TAreaData>& areas) {
    writer.WriteCountI32(areas.size(), Sjis("エリア"));
    for (const auto& area : areas) {
        writer.WriteU8(area.unused);
        writer.WriteLongString(area.name);
        writer.WriteCountI32(area.stageNumbers.size(), Sjis("ステージ番号"));
        writer.WriteRecords(area.stageNumbers);
    }
}

TAreaOperator::TAreaOperator(const TDungeonData& stageList, std::string_view sjisName)
    : stages(stageList) {
    auto reader = TDataReader::FromFile(sjisName);
    areas = ReadAreaData(reader);
    if (const auto problems = FindAreaProblems(areas, stages.size()); !problems.empty()) {
        reader.FailContent(problems.front().message);
    }
}

const TAreaData& TAreaOperator::GetArea(size_t index) const {
    if (index >= areas.size()) {
        throw TGameError(AreaName(index) + Sjis(" はありません (エリア数 ") +
                         std::to_string(areas.size()) + ")");
    }
    return areas[index];
}

const TStageData& TAreaOperator::GetAreaStage(size_t area, size_t pos) const {
    return stages[static_cast<size_t>(DungeonNumber(area, pos))];
}

std::vector<size_t> TAreaOperator::OfferedAreas(std::span<const std::uint8_t> areaFlags) const {
    std::vector<size_t> offered{0};
    const size_t end = std::min({MaxOpenedArea + 1, areaFlags.size(), areas.size()});
    for (size_t area = 1; area < end; ++area) {
        if (areaFlags[area] != 0) {
            offered.push_back(area);
        }
    }
    return offered;
}

int TAreaOperator::DungeonNumber(size_t area, size_t pos) const {
    const auto& numbers = GetArea(area).stageNumbers;
    if (pos >= numbers.size()) {
        throw TGameError(AreaName(area) + Sjis(" に ") + std::to_string(pos + 1) +
                         Sjis(" 番目のステージはありません"));
    }
    return numbers[pos] - 1;
}
