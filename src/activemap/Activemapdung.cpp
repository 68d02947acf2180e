#include "activemap/Activemapdung.h"

#include "activemap/Activemapproxy.h"
#include "actors/Enemy.h"
#include "actors/Hero.h"
#include "platform/GameError.h"
#include "platform/SjisText.h"
#include "save/Savefloar.h"
#include "world/Dungroom.h"
#include "world/Iautomapping.h"

#include <algorithm>
#include <utility>

namespace {

// The states of a dungeon floor: all but the village's talk.
constexpr MapState_Type DungeonStates[] = {
    msWaitInput,   msEnemyTurn, msHeroAction,    msEnemyAttack, msWaitObjects,
    msMoveFloor,   msExit,      msLevelUp,       msCollapsed,   msRecovered,
    msSwordBroken, msLevelSet,  msEnemyTurnDash, msHeroTurn};

} // namespace

TActiveMapDung* TActiveMapDung::instance = nullptr;

TActiveMapDung::TActiveMapDung(THero& heroine, int floarNumber, TDungFloarParts newFloar,
                               TSaveFloar& floarSave)
    : floarNo(floarNumber), hero(heroine) {
    if (instance) {
        throw TGameError(Sjis("ダンジョンマップが既にあるのに新しいダンジョンマップを作りました"));
    }
    instance = this;
    for (const MapState_Type type : DungeonStates) {
        states[type] = std::make_unique<TState_DungMap>(*this, type);
    }
    TakeFloar(std::move(newFloar), floarSave);
    SetState(msWaitInput);
}

TActiveMapDung::~TActiveMapDung() {
    instance = nullptr;
}

void TActiveMapDung::TakeFloar(TDungFloarParts newFloar, TSaveFloar& newSave) {
    // The old floor goes as a whole: enemies, then rooms, then blocks.
    TDungFloarParts old = std::exchange(floar, std::move(newFloar));
    // Nothing of the old floor may be ticked, struck with or told of turns.
    attackers.clear();
    pendingObjects.Clear();
    timedSwitches.clear();
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
    // The heroine first, the enemies second, the moving objects third, and
    // only then the turn looks at what they did.
    const bool heroIdle = hero.Tick();
    if (heroIdle && hero.GetStateId() == das_Dying && current->GetType() != msCollapsed) {
        SetState(msCollapsed);
    }
    const bool enemiesIdle = TickEnemies();
    const bool objectsIdle = pendingObjects.Tick();
    // The map may be rebuilt or gone once the state has ticked.
    current->Tick(heroIdle && enemiesIdle && objectsIdle);
}

bool TActiveMapDung::TickEnemies() {
    bool allIdle = true;
    std::vector<TEnemy*> dead;
    for (const auto& enemy : floar.enemies) {
        if (!enemy->Tick()) {
            allIdle = false;
        } else if (enemy->GetStateId() == das_Dying) {
            TakeOffFloar(*enemy);
            dead.push_back(enemy.get());
        }
    }
    if (!dead.empty()) {
        DestroyTakenOff(dead);
    }
    return allIdle;
}

void TActiveMapDung::TakeOffFloar(TEnemy& enemy) {
    if (!enemy.IsObstacle()) {
        hero.Defeated();
    }
    const TDungBlock* stoodOn = enemy.GetBlock();
    enemy.Die();
    IAutoMapping::Instance().RedrawBlock(*stoodOn);
}

void TActiveMapDung::DestroyTakenOff(const std::vector<TEnemy*>& dead) {
    const auto isDead = [&dead](const TEnemy* enemy) {
        return std::find(dead.begin(), dead.end(), enemy) != dead.end();
    };
    std::erase_if(attackers, isDead);
    std::erase_if(floar.enemies, [&isDead](const auto& enemy) { return isDead(enemy.get()); });
}

void TActiveMapDung::SaveActorStates() {
    for (const auto& enemy : floar.enemies) {
        enemy->SaveAIMemory();
    }
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

void TActiveMapDung::RestEnemies() {
    for (const auto& enemy : floar.enemies) {
        enemy->Rest();
    }
}

bool TActiveMapDung::LetEnemiesDecide(bool dash) {
    bool walking = false;
    for (const auto& enemy : floar.enemies) {
        enemy->Think(dash);
        switch (enemy->GetDecision()) {
        case das_Attack:
            attackers.push_back(enemy.get());
            break;
        case das_Walk:
        case das_Dash:
            walking = true;
            break;
        default:
            break;
        }
    }
    return walking;
}

void TActiveMapDung::StartAttack(std::size_t index) {
    attackers.at(index)->StartAttack();
}

void TActiveMapDung::PollTimedSwitches() {
    std::size_t i = 0;
    while (i < timedSwitches.size()) {
        if (timedSwitches[i]->TurnPassed()) {
            timedSwitches.erase(timedSwitches.begin() + static_cast<std::ptrdiff_t>(i));
        } else {
            ++i;
        }
    }
}

void TActiveMapDung::ExitDungeon(bool failed) {
    hero.LeaveDungeon(failed);
    TActiveMapProxy::Instance().EndDungeonVisit();
}
