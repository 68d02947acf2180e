#include "CheckLookups.h"

#include <algorithm>

namespace {

template <typename TPlan>
bool HasPlan(const std::optional<TWOPlanFile<TPlan>>& plans, std::int32_t id) {
    return plans && std::any_of(plans->begin(), plans->end(),
                                [id](const auto& entry) { return entry.plan.id == id; });
}

} // namespace

bool HasItem(const TContent& content, std::uint8_t kind, std::int32_t id) {
    if (!content.items) {
        return false;
    }
    const auto inTable = [id](const auto& table) {
        return id >= 1 && static_cast<size_t>(id) <= table.size();
    };
    switch (kind) {
    case BI_Key:
        return content.items->items && inTable(content.items->items->keys);
    case BI_Tool:
        return content.items->items && inTable(content.items->items->tools);
    case BI_Equipment:
        return content.items->equipment &&
               FindEquipment(content.items->equipment->equipment, id) != nullptr;
    default:
        return false;
    }
}

bool HasWallPlan(const TContent& content, std::int32_t id) {
    return content.pieces && HasPlan(content.pieces->walls, id);
}

bool HasBigObjectPlan(const TContent& content, std::int32_t id) {
    return content.pieces && HasPlan(content.pieces->bigObjects, id);
}

bool HasFloarTilePlan(const TContent& content, std::int32_t id) {
    return content.pieces && HasPlan(content.pieces->floarTiles, id);
}
