#include "actors/Actordatacheck.h"

#include "platform/SjisText.h"
#include "world/PlacementProblems.h"

#include <algorithm>
#include <map>

namespace {

// One problem for every record whose id an earlier record already has.
template <typename TRecord, typename TNameOf>
std::vector<TDataProblem> RepeatedIds(const std::vector<TRecord>& records, TDataList list,
                                      const char* utf8Kind, TNameOf nameOf) {
    std::vector<TDataProblem> problems;
    std::map<std::int32_t, size_t> firstOf;
    for (size_t i = 0; i < records.size(); ++i) {
        const std::int32_t id = records[i].id;
        const auto [first, isNew] = firstOf.try_emplace(id, i);
        if (!isNew) {
            problems.push_back({0, list, i,
                                Sjis(utf8Kind) + " " + std::to_string(i + 1) + " (" +
                                    nameOf(records[i]) + Sjis(") の ID ") + std::to_string(id) +
                                    Sjis(" は ") + std::to_string(first->second + 1) +
                                    Sjis(" 番目と同じで、使われません")});
        }
    }
    return problems;
}

} // namespace

std::vector<TDataProblem> FindEnemyProblems(const std::vector<TEnemyFile>& enemies) {
    return RepeatedIds(enemies, TDataList::Enemies, "敵",
                       [](const TEnemyFile& enemy) { return enemy.name; });
}

std::vector<TDataProblem> FindEquipmentProblems(const std::vector<TEquipItemProp>& equipment) {
    return RepeatedIds(equipment, TDataList::Equipment, "装備",
                       [](const TEquipItemProp& prop) { return PropName(prop.name); });
}

std::vector<TDataProblem> FindStageEnemyProblems(const TStageData& stage,
                                                 const std::vector<TEnemyFile>& enemies) {
    std::vector<TDataProblem> problems;
    for (size_t f = 0; f < stage.floars.size(); ++f) {
        const auto& floar = stage.floars[f];
        const size_t number = f + 1;
        TPlacementProblems floarProblems(problems, number,
                                         Sjis("フロア ") + std::to_string(number));
        for (size_t i = 0; i < floar.guests.size(); ++i) {
            const auto& guest = floar.guests[i];
            const auto inTable =
                std::any_of(floar.enemies.begin(), floar.enemies.end(),
                            [&](const TFloarEnemy& entry) { return entry.id == guest.enemyId; });
            if (guest.kind == BG_Enemy && !inTable) {
                floarProblems.Add(TDataList::Guests, i,
                                  Sjis("(敵) の ID ") + std::to_string(guest.enemyId) +
                                      Sjis(" がフロアの敵テーブルにありません"));
            }
        }
        for (size_t i = 0; i < floar.enemies.size(); ++i) {
            const auto kind = floar.enemies[i].enemyKind;
            if (!FindEnemyFile(enemies, kind)) {
                floarProblems.Add(TDataList::FloarEnemies, i,
                                  Sjis("の敵の種類 ") + std::to_string(kind) +
                                      Sjis(" が敵データにありません"));
            }
        }
    }
    return problems;
}
