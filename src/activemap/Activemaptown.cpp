#include "activemap/Activemaptown.h"

#include "actors/Hero.h"
#include "platform/GameError.h"
#include "platform/SjisText.h"
#include "village/People.h"

#include <utility>

namespace {

// The states of a village area: steps, actions, talks and the two exits.
constexpr MapState_Type VillageStates[] = {msWaitInput, msEnemyTurn, msHeroAction,    msMoveFloor,
                                           msExit,      msTalk,      msEnemyTurnDash, msHeroTurn};

} // namespace

TActiveMapTown* TActiveMapTown::instance = nullptr;

TActiveMapTown::TActiveMapTown(THero& heroine, int area, TVillageAreaParts newParts)
    : hero(heroine) {
    if (instance) {
        throw TGameError(Sjis("村のマップが既にあるのに新しい村のマップを作りました"));
    }
    instance = this;
    for (const MapState_Type type : VillageStates) {
        states[type] = std::make_unique<TState_TownMap>(*this, type);
    }
    TakeArea(area, std::move(newParts));
    SetState(msWaitInput);
}

TActiveMapTown::TCreated TActiveMapTown::CreateOrGet(THero& heroine, int area,
                                                     TVillageAreaParts parts) {
    if (instance) {
        return {*instance, nullptr};
    }
    auto made = std::make_unique<TActiveMapTown>(heroine, area, std::move(parts));
    TActiveMapTown& map = *made;
    return {map, std::move(made)};
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
