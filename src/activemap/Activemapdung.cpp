#include "activemap/Activemapdung.h"

#include "actors/Enemy.h"
#include "actors/Hero.h"
#include "platform/GameError.h"
#include "platform/SjisText.h"
#include "save/Savefloar.h"
#include "world/Dungroom.h"

#include <utility>

TActiveMapDung* TActiveMapDung::instance = nullptr;

TState_DungMap::TState_DungMap(TActiveMapDung& owner, MapState_Type stateType)
    : type(stateType), map(owner) {}

IActiveMap& TState_DungMap::GetMap() const {
    return map;
}

void TState_DungMap::Enter() {
    // Waiting for the player: everyone at rest, the heroine ready for a command.
    map.RestEnemies();
    IDungActer* heroine = map.GetHeroActer();
    heroine->SetState(heroine->StateOf(das_Wait));
}

TActiveMapDung::TActiveMapDung(THero& heroine, int floarNumber, TDungFloarParts newFloar,
                               TSaveFloar& floarSave)
    : floarNo(floarNumber), hero(heroine) {
    if (instance) {
        throw TGameError(Sjis("ダンジョンマップが既にあるのに新しいダンジョンマップを作りました"));
    }
    instance = this;
    // The turn states of a step, a fight and a change of floor come with
    // the turn rules; a floor waits for the player until then.
    states[msWaitInput] = std::make_unique<TState_DungMap>(*this, msWaitInput);
    TakeFloar(std::move(newFloar), floarSave);
    SetState(msWaitInput);
}

TActiveMapDung::~TActiveMapDung() {
    instance = nullptr;
}

void TActiveMapDung::TakeFloar(TDungFloarParts newFloar, TSaveFloar& newSave) {
    // The old floor goes as a whole: enemies, then rooms, then blocks.
    TDungFloarParts old = std::exchange(floar, std::move(newFloar));
    timedSwitches.clear();
    pendingObjects.Clear();
    save = &newSave;
    width = floar.blocks.Width();
    height = floar.blocks.Height();
}

void TActiveMapDung::Rebuild(int floarNumber, TDungFloarParts newFloar, TSaveFloar& floarSave) {
    floarNo = floarNumber;
    TakeFloar(std::move(newFloar), floarSave);
    SetState(msWaitInput);
    current->Enter();
}

void TActiveMapDung::AddTimedSwitch(IDungActer& floarSwitch) {
    timedSwitches.push_back(&floarSwitch);
}

void TActiveMapDung::AddPendingObject(IDungActer& actor) {
    pendingObjects.Add(actor);
}

IDungActer* TActiveMapDung::GetHeroActer() const {
    return &hero;
}

void TActiveMapDung::SetState(MapState_Type type) {
    const auto found = states.find(type);
    if (found == states.end()) {
        throw TGameError(Sjis("アクティブダンジョンマップステイト取得エラー"));
    }
    current = found->second.get();
    current->Enter();
}

void TActiveMapDung::Update() {
    bool allIdle = hero.Tick();
    for (const auto& enemy : floar.enemies) {
        allIdle = enemy->Tick() && allIdle;
    }
    allIdle = pendingObjects.Tick() && allIdle;
    current->Tick(allIdle);
}

IDungActer* TActiveMapDung::EnemyAt(std::size_t index) const {
    return floar.enemies.at(index).get();
}

IDungActer* TActiveMapDung::PersonAt(std::size_t) const {
    return nullptr;
}

IDungActer* TActiveMapDung::PlacedAt(std::size_t) const {
    return nullptr;
}

void TActiveMapDung::RemoveItemRecord(const std::uint8_t* record) {
    save->RemoveItemRecords(record);
}

void TActiveMapDung::RemoveObjectRecord(const std::uint8_t* record) {
    save->RemoveActRecords(record);
}

void TActiveMapDung::SaveActorStates() {
    for (const auto& enemy : floar.enemies) {
        enemy->SaveAIMemory();
    }
}

void TActiveMapDung::RestEnemies() {
    for (const auto& enemy : floar.enemies) {
        enemy->Rest();
    }
}
