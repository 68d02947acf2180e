#include "world/PlacementProblems.h"

#include "platform/SjisText.h"

namespace {

const char* RecordName(TDataList list) {
    switch (list) {
    case TDataList::Guests:
        return "ゲスト";
    case TDataList::Objects:
        return "物体";
    case TDataList::Items:
        return "アイテム";
    case TDataList::FloarActers:
        return "床アクター";
    case TDataList::Forces:
        return "フォース";
    case TDataList::FloarEnemies:
        return "敵テーブル項目";
    case TDataList::StageStart:
    case TDataList::AreaStages:
    case TDataList::Enemies:
    case TDataList::Equipment:
    case TDataList::People:
    case TDataList::Talks:
    case TDataList::Events:
    case TDataList::Placements:
        break;
    }
    return "記録";
}

} // namespace

void TPlacementProblems::Add(TDataList list, size_t index, const std::string& sjisText) {
    problems.push_back({groupNumber, list, index,
                        groupName + ": " + std::to_string(index + 1) + Sjis(" 番目の") +
                            Sjis(RecordName(list)) + sjisText});
}

void TPlacementProblems::RequireArrivalInside(size_t index, const TBlockFloar& exit,
                                              std::uint16_t width, std::uint16_t height,
                                              const std::string& sjisTargetName) {
    if (exit.arrivalXOrLink >= width || exit.arrivalYOrTimer >= height) {
        Add(TDataList::FloarActers, index,
            Sjis("(出口) の到着") +
                OutsideText(exit.arrivalXOrLink, exit.arrivalYOrTimer, width, height) + " (" +
                sjisTargetName + ")");
    }
}

std::string TPlacementProblems::OutsideText(std::uint16_t x, std::uint16_t y, std::uint16_t width,
                                            std::uint16_t height) {
    return Sjis("の位置 (") + std::to_string(x) + ", " + std::to_string(y) + Sjis(") が ") +
           std::to_string(width) + " x " + std::to_string(height) + Sjis(" の外です");
}
