#include "activemap/Townmapstate.h"

#include "activemap/Activemapproxy.h"
#include "activemap/Activemaptown.h"
#include "actors/Hero.h"
#include "village/Talkoperator.h"

namespace {

// Ticks of one block of walking, and of one dash step.
constexpr int WalkTicks = 4;
constexpr int DashTicks = 1;
// How long the village waits before it changes the scene.
constexpr int SceneChangeTicks = 10;

} // namespace

TState_TownMap::TState_TownMap(TActiveMapTown& owner, MapState_Type stateType)
    : type(stateType), map(owner) {}

IActiveMap& TState_TownMap::GetMap() const {
    return map;
}

THero& TState_TownMap::Hero() const {
    return *map.GetHero();
}

void TState_TownMap::Enter() {
    tickCount = 0;
    waitTicks = 0;
    switch (type) {
    case msWaitInput:
        Hero().SetState(Hero().StateOf(das_Wait));
        break;
    case msEnemyTurn:
    case msEnemyTurnDash: {
        const DA_State heroState = Hero().GetStateId();
        if (heroState == das_Walk || heroState == das_Dash) {
            waitTicks = type == msEnemyTurnDash ? DashTicks : WalkTicks;
        } else {
            map.SetState(msWaitInput);
        }
        break;
    }
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
        FollowHeroine();
        break;
    case msHeroTurn:
        FollowHeroine();
        // A turn that ends without a step leaves her waiting for the player:
        // so does the village, or nothing could be saved until she walked.
        if (map.GetState() == this && Hero().GetStateId() == das_Wait) {
            map.SetState(msWaitInput);
        }
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

void TState_TownMap::FollowHeroine() {
    switch (Hero().GetStateId()) {
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

void TState_TownMap::EndStep() {
    THero& hero = Hero();
    if (const int leadsTo = hero.TakeExit(); leadsTo != 0) {
        map.SetState(leadsTo > 0 ? msMoveFloor : msExit);
        return;
    }
    switch (hero.TakeOrder(true)) {
    case das_Turn:
        map.SetState(msHeroTurn);
        break;
    case das_Walk:
        map.SetState(msEnemyTurn);
        break;
    case das_Dash:
        map.SetState(msEnemyTurnDash);
        break;
    default:
        map.SetState(msWaitInput);
        TActiveMapProxy::Instance().RefreshCursor();
        break;
    }
}
