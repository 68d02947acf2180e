#include "core/SimState.h"

#include "activemap/Activemap.h"
#include "actors/Acterkind.h"
#include "actors/Hero.h"
#include "actors/Herosbase.h"
#include "save/Savedungeon.h"
#include "shell/Dungoperator.h"
#include "village/Eventoperator.h"
#include "world/Automapping.h"
#include "world/Base3dutil.h"
#include "world/BlockRecords.h"
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
        "step",   "where",   "stage",    "map",     "num",     "mapstate", "hero",  "hp",
        "atk",    "def",     "lv",       "next",    "enemies", "items",    "title", "story",
        "window", "caption", "retry",    "dialog",  "dungeon", "keys",     "sword", "herostate",
        "front",  "notice",  "entrance", "automap", "seen",    "talk"};
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

namespace {

// The numbers of the keys she carries, in the order she got them.
std::string KeysCarried(const THero& hero) {
    std::string keys;
    for (std::size_t i = 0; i < hero.ItemCount(); ++i) {
        const IItemImp& item = hero.ItemAt(i);
        if (item.GetKind() == BI_Key) {
            keys += (keys.empty() ? "" : ",") + std::to_string(item.GetId());
        }
    }
    return keys;
}

// The durability of the sword she wears, and its most.
std::string SwordWorn(const THero& hero) {
    const IItemImp* sword = hero.Equipped(1);
    if (!sword) {
        return {};
    }
    const TSaveItem& record = sword->GetRecord();
    return std::to_string(record.durability) + "/" + std::to_string(record.maxDurability);
}

// What stands in the block in front of her, as a player sees it.
std::string FrontOf(const IActiveMap& map) {
    const TDungBlock* block = map.HeroBlock();
    const TGridStep step = GridStepOf(map.HeroFacing());
    const int x = block->GetX() + step.dx;
    const int y = block->GetY() + step.dy;
    if (x < 0 || y < 0 || x >= map.GetWidth() || y >= map.GetHeight()) {
        return {};
    }
    const TDungBlock& front = *map.BlockAt(x, y);
    if (const IDungActer* guest = front.GetGuest()) {
        return guest->GetKind() == TActerKind::People ? "person" : "enemy";
    }
    if (front.GetWallSwitch()) {
        return "switch";
    }
    const IDungActer* wall = front.GetWallObje();
    switch (wall ? wall->GetKind() : TActerKind::Other) {
    case TActerKind::DungWall:
        return "wall";
    case TActerKind::Counter:
        return "counter";
    case TActerKind::Door:
        return wall->IsOpen() ? "door-open" : "door";
    case TActerKind::Box:
        return wall->IsOpen() ? "chest-open" : "chest";
    default:
        return "floor";
    }
}

} // namespace

void ReadHeroState(TSimState& state) {
    if (TEventOperator::HasInstance()) {
        state.Set("stage", std::to_string(TEventOperator::Instance().StoryStage()));
    }
    if (!THerosBase::HasInstance()) {
        return;
    }
    THero& hero = THerosBase::Instance().GetHero();
    state.Set("items", std::to_string(hero.ItemCount()));
    state.Set("keys", KeysCarried(hero));
    state.Set("sword", SwordWorn(hero));
    if (!hero.IsPlaced()) {
        return;
    }
    const TSaveHero& record = hero.Record();
    state.Set("hp", std::to_string(record.hp) + "/" + std::to_string(record.maxHp));
    state.Set("atk", std::to_string(hero.GetAttack()));
    state.Set("def", std::to_string(hero.GetDefence()));
    state.Set("lv", std::to_string(record.level));
    state.Set("next", std::to_string(record.next));
    state.Set("herostate", std::to_string(static_cast<int>(hero.GetStateId())));
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
    if (!map->IsVillage() && TSaveDungeon::HasInstance()) {
        state.Set("dungeon", std::to_string(CurrentDungeonSave().number));
    }
    if (const TFloarClear* seen = dungOperator.Automap().CurrentFloar()) {
        state.Set("seen", std::to_string(seen->SeenCount()));
    }
    state.Set("num", std::to_string(map->GetNumber()));
    state.Set("enemies", std::to_string(map->EnemyCount()));
    if (map->GetHeroActer()) {
        const TDungBlock* block = map->HeroBlock();
        state.Set("hero", std::to_string(block->GetX()) + "," + std::to_string(block->GetY()) +
                              "," + std::to_string(map->HeroFacing()));
        state.Set("front", FrontOf(*map));
    }
}
