#include "activemap/Activemaptown.h"

#include "actors/Hero.h"
#include "platform/GameError.h"
#include "platform/SjisText.h"
#include "village/People.h"

#include <utility>

TActiveMapTown* TActiveMapTown::instance = nullptr;

TState_TownMap::TState_TownMap(TActiveMapTown& owner, MapState_Type stateType)
    : type(stateType), map(owner) {}

IActiveMap& TState_TownMap::GetMap() const {
    return map;
}

void TState_TownMap::Enter() {
    IDungActer* heroine = map.GetHeroActer();
    heroine->SetState(heroine->StateOf(das_Wait));
}

void TState_TownMap::Tick(bool) {
    switch (map.HeroStateId()) {
    case das_Walk:
        map.SetState(msEnemyTurn);
        break;
    case das_Attack:
    case das_Press:
        map.SetState(msHeroAction);
        break;
    case das_Talk:
        map.SetState(msTalk);
        break;
    case das_Dash:
        map.SetState(msEnemyTurnDash);
        break;
    default:
        break;
    }
}

TActiveMapTown::TActiveMapTown(THero& heroine, int area, TVillageAreaParts newParts)
    : hero(heroine) {
    if (instance) {
        throw TGameError(Sjis("村のマップが既にあるのに新しい村のマップを作りました"));
    }
    instance = this;
    // Steps, talks and changes of area come with the turn rules; the village
    // waits for the player until then.
    states[msWaitInput] = std::make_unique<TState_TownMap>(*this, msWaitInput);
    TakeArea(area, std::move(newParts));
    SetState(msWaitInput);
}

TActiveMapTown::~TActiveMapTown() {
    instance = nullptr;
}

void TActiveMapTown::TakeArea(int area, TVillageAreaParts newParts) {
    TVillageAreaParts old = std::exchange(parts, std::move(newParts));
    areaNo = area;
    width = parts.blocks.Width();
    height = parts.blocks.Height();
}

void TActiveMapTown::Rebuild(int area, TVillageAreaParts newParts) {
    TakeArea(area, std::move(newParts));
    SetState(msWaitInput);
    current->Enter();
}

IDungActer* TActiveMapTown::GetHeroActer() const {
    return &hero;
}

void TActiveMapTown::SetState(MapState_Type type) {
    const auto found = states.find(type);
    if (found == states.end()) {
        throw TGameError(Sjis("マップからアクティブタウンステイト取得エラー"));
    }
    current = found->second.get();
    current->Enter();
}

void TActiveMapTown::Update() {
    const bool heroIdle = hero.Tick();
    current->Tick(heroIdle);
}

IDungActer* TActiveMapTown::EnemyAt(std::size_t) const {
    return nullptr;
}

IDungActer* TActiveMapTown::PersonAt(std::size_t index) const {
    return parts.people.at(index);
}

IDungActer* TActiveMapTown::PlacedAt(std::size_t index) const {
    return parts.placed.at(index).get();
}
