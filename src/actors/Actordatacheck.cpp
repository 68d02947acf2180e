#include "actors/Actordatacheck.h"

#include "platform/SjisText.h"

#include <map>

namespace {

// One problem for every record whose id an earlier record already has.
template <typename TRecord, typename TNameOf>
std::vector<std::string> RepeatedIds(const std::vector<TRecord>& records, const char* utf8Kind,
                                     TNameOf nameOf) {
    std::vector<std::string> problems;
    std::map<std::int32_t, size_t> firstOf;
    for (size_t i = 0; i < records.size(); ++i) {
        const std::int32_t id = records[i].id;
        const auto [first, isNew] = firstOf.try_emplace(id, i);
        if (!isNew) {
            problems.push_back(Sjis(utf8Kind) + " " + std::to_string(i + 1) + " (" +
                               nameOf(records[i]) + Sjis(") の ID ") + std::to_string(id) +
                               Sjis(" は ") + std::to_string(first->second + 1) +
                               Sjis(" 番目と同じで、使われません"));
        }
    }
    return problems;
}

} // namespace

std::vector<std::string> FindEnemyProblems(const std::vector<TEnemyFile>& enemies) {
    return RepeatedIds(enemies, "敵", [](const TEnemyFile& enemy) { return enemy.name; });
}

std::vector<std::string> FindEquipmentProblems(const std::vector<TEquipItemProp>& equipment) {
    return RepeatedIds(equipment, "装備",
                       [](const TEquipItemProp& prop) { return PropName(prop.name); });
}
