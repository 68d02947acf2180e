#include "core/SimState.h"

#include "activemap/Activemap.h"
#include "shell/Dungoperator.h"
#include "world/Dungblock.h"

#include <algorithm>
#include <stdexcept>

namespace {

std::size_t IndexOf(std::string_view key) {
    const auto& keys = TSimState::Keys();
    const auto found = std::find(keys.begin(), keys.end(), key);
    if (found == keys.end()) {
        throw std::logic_error("no state field " + std::string(key));
    }
    return static_cast<std::size_t>(found - keys.begin());
}

} // namespace

TSimState::TSimState() : values(Keys().size(), "-") {}

const std::vector<std::string>& TSimState::Keys() {
    static const std::vector<std::string> keys = {
        "step",  "where", "stage",  "map",     "num",   "mapstate", "hero",
        "hp",    "atk",   "def",    "lv",      "next",  "enemies",  "items",
        "title", "story", "window", "caption", "retry", "dialog"};
    return keys;
}

bool TSimState::IsKey(std::string_view key) {
    const auto& keys = Keys();
    return std::find(keys.begin(), keys.end(), key) != keys.end();
}

void TSimState::Set(std::string_view key, std::string value) {
    std::replace(value.begin(), value.end(), ' ', '_');
    values[IndexOf(key)] = value.empty() ? "-" : std::move(value);
}

const std::string& TSimState::Value(std::string_view key) const {
    return values[IndexOf(key)];
}

std::string TSimState::Line() const {
    std::string line;
    const auto& keys = Keys();
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (i > 0) {
            line += ' ';
        }
        line += keys[i] + '=' + values[i];
    }
    return line;
}

void ReadOperatorState(const TDungOperator& dungOperator, TSimState& state) {
    state.Set("where", std::to_string(static_cast<int>(dungOperator.Whereabouts())));
    state.Set("mapstate", std::to_string(dungOperator.MapState()));
    const IActiveMap* map = dungOperator.ActiveMap();
    if (!map) {
        state.Set("map", "none");
        return;
    }
    state.Set("map", map->IsVillage() ? "village" : "dungeon");
    state.Set("num", std::to_string(map->GetNumber()));
    state.Set("enemies", std::to_string(map->EnemyCount()));
    if (map->GetHeroActer()) {
        const TDungBlock* block = map->HeroBlock();
        state.Set("hero", std::to_string(block->GetX()) + "," + std::to_string(block->GetY()) +
                              "," + std::to_string(map->HeroFacing()));
    }
}
