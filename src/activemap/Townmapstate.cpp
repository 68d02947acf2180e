#include "activemap/Townmapstate.h"

#include "activemap/Activemapproxy.h"
#include "activemap/Activemaptown.h"
#include "actors/Hero.h"
#include "village/Talkoperator.h"

namespace {

// How long the village waits before it changes the scene.
constexpr int SceneChangeTicks = 10;

} // namespace

TState_TownMap::TState_TownMap(TActiveMapTown& owner, MapState_Type stateType)
    : type(stateType), map(owner) {}

IActiveMap& TState_TownMap::GetMap() const {
    return map;
}

void TState_TownMap::Enter() {
    tickCount = 0;
    waitTicks = 0;
    switch (type) {
    case msWaitInput:
        Hero().SetState(Hero().StateOf(das_Wait));
        break;
    case msEnemyTurn:
    case msEnemyTurnDash:
        if (IsMoving(Hero().GetStateId())) {
            waitTicks = type == msEnemyTurnDash ? DashTicks : WalkTicks;
        } else {
            map.SetState(msWaitInput);
        }
        break;
    case msMoveFloor:
    case msExit:
        waitTicks = SceneChangeTicks;
        break;
    default:
        break;
    }
}

void TState_TownMap::Tick(bool heroIdle) {
    ++tickCount;
    switch (type) {
    case msWaitInput:
        FollowHeroine(heroIdle);
        break;
    case msHeroTurn:
        FollowHeroine(heroIdle);
        EndTurnOnTheSpot();
        break;
    case msEnemyTurn:
    case msEnemyTurnDash:
        if (!Waiting()) {
            EndStep();
        }
        break;
    case msHeroAction:
        if (heroIdle) {
            map.SetState(msEnemyTurn);
        }
        break;
    case msMoveFloor:
        if (!Waiting()) {
            // The area is rebuilt under this state: nothing of it may be touched now.
            TActiveMapProxy::Instance().ChangeVillageArea();
        }
        break;
    case msExit:
        if (!Waiting()) {
            // The map is gone when this returns.
            TActiveMapProxy::Instance().ShowEntrance();
        }
        break;
    case msTalk:
        if (TTalkOperator::Instance().IsFinished()) {
            map.SetState(msWaitInput);
        }
        break;
    default:
        break;
    }
}

void TState_TownMap::FollowHeroine(bool heroIdle) {
    if (Hero().GetStateId() == das_Talk) {
        map.SetState(msTalk);
    } else {
        IState_AMap::Tick(heroIdle);
    }
}

void TState_TownMap::EndStep() {
    if (const int leadsTo = Hero().TakeExit(); leadsTo != 0) {
        map.SetState(leadsTo > 0 ? msMoveFloor : msExit);
        return;
    }
    TakeNextOrder();
}
