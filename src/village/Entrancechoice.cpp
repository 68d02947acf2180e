#include "village/Entrancechoice.h"

#include "platform/GameError.h"
#include "platform/SjisText.h"
#include "world/Area.h"

TEntranceChoice::TEntranceChoice(const TAreaOperator& areaList,
                                 std::span<const std::uint8_t> areaFlags)
    : areas(areaList), offered(areaList.OfferedAreas(areaFlags)) {}

std::size_t TEntranceChoice::AreaNumber(std::size_t listPos) const {
    if (listPos >= offered.size()) {
        throw TGameError(Sjis("ダンジョン入口に ") + std::to_string(listPos + 1) +
                         Sjis(" 番目のエリアはありません"));
    }
    return offered[listPos];
}

const std::string& TEntranceChoice::AreaName(std::size_t listPos) const {
    return areas.GetArea(AreaNumber(listPos)).name;
}

std::vector<std::string> TEntranceChoice::DungeonNames(std::size_t listPos) const {
    const std::size_t area = AreaNumber(listPos);
    std::vector<std::string> names;
    const std::size_t count = areas.GetArea(area).stageNumbers.size();
    for (std::size_t pos = 0; pos < count; ++pos) {
        names.push_back(areas.GetAreaStage(area, pos).name);
    }
    return names;
}

int TEntranceChoice::DungeonNumber(std::size_t listPos, std::size_t pos) const {
    return areas.DungeonNumber(AreaNumber(listPos), pos);
}
