#include "activemap/Dungmapstate.h"

#include "activemap/Activemapdung.h"
#include "activemap/Activemapproxy.h"
#include "actors/Hero.h"
#include "actors/Herooutput.h"
#include "world/Dungblock.h"
#include "world/Iautomapping.h"

namespace {

// How long the floor shows a notice, or waits before it changes.
constexpr int ShortNoticeTicks = 10;
constexpr int LongNoticeTicks = 15;

} // namespace

TState_DungMap::TState_DungMap(TActiveMapDung& owner, MapState_Type stateType)
    : type(stateType), map(owner) {}

IActiveMap& TState_DungMap::GetMap() const {
    return map;
}

void TState_DungMap::Enter() {
    tickCount = 0;
    waitTicks = 0;
    THero& hero = Hero();
    switch (type) {
    case msWaitInput:
        map.RestEnemies();
        hero.SetState(hero.StateOf(das_Wait));
        break;
    case msEnemyTurn:
        StartEnemyTurn(false);
        break;
    case msEnemyTurnDash:
        StartEnemyTurn(true);
        break;
    case msEnemyAttack:
        attackerCursor = 0;
        if (map.AttackerCount() == 0) {
            map.SetState(msWaitInput);
        } else {
            map.StartAttack(attackerCursor);
        }
        break;
    case msMoveFloor:
    case msExit:
        waitTicks = ShortNoticeTicks;
        break;
    case msLevelUp:
        waitTicks = ShortNoticeTicks;
        hero.View().ShowLevelUp(true);
        hero.LevelUp();
        break;
    case msCollapsed:
        waitTicks = LongNoticeTicks;
        hero.View().ShowCollapsed(true);
        break;
    case msRecovered:
        waitTicks = ShortNoticeTicks;
        hero.FullHeal();
        hero.View().ShowRecovered(true);
        break;
    case msSwordBroken:
        waitTicks = LongNoticeTicks;
        hero.View().ShowSwordBroken(true);
        break;
    case msLevelSet:
        waitTicks = LongNoticeTicks;
        levelReached = hero.ApplyForcedLevel();
        hero.View().ShowLevelReached(levelReached, true);
        break;
    default:
        break;
    }
}

void TState_DungMap::Tick(bool allIdle) {
    ++tickCount;
    switch (type) {
    case msWaitInput:
        IState_AMap::Tick(allIdle);
        break;
    case msHeroTurn:
        IState_AMap::Tick(allIdle);
        EndTurnOnTheSpot();
        break;
    case msEnemyTurn:
    case msEnemyTurnDash:
        if (!Waiting()) {
            EndTurn();
        }
        break;
    case msHeroAction:
        if (allIdle) {
            FinishHeroAction();
        }
        break;
    case msEnemyAttack:
        if (allIdle) {
            NextAttack();
        }
        break;
    case msWaitObjects:
        if (allIdle) {
            FollowHeroine();
        }
        break;
    default:
        if (!Waiting()) {
            AfterWait();
        }
        break;
    }
}

void TState_DungMap::StartEnemyTurn(bool dash) {
    const bool enemiesWalk = map.LetEnemiesDecide(dash);
    if (enemiesWalk || IsMoving(Hero().GetStateId())) {
        waitTicks = dash ? DashTicks : WalkTicks;
        return;
    }
    map.SetState(map.AttackerCount() > 0 ? msEnemyAttack : msWaitInput);
}

void TState_DungMap::EndTurn() {
    IAutoMapping::Instance().RefreshMap();
    THero& hero = Hero();
    switch (hero.FloorKindUnder()) {
    case FloarKindExit:
        // An exit that leads nowhere (up from the first floor) is no event,
        // else the turn would end on it for ever.
        if (const int leadsTo = hero.TakeExit(); leadsTo != 0) {
            map.SetState(leadsTo > 0 ? msMoveFloor : msExit);
            return;
        }
        break;
    case FloarKindForcedLevel:
        map.SetState(msLevelSet);
        return;
    default:
        break;
    }
    if (hero.GetStateId() == das_FairyMet) {
        map.SetState(msRecovered);
        return;
    }
    if (TurnIsClear()) {
        TakeNextOrder();
    }
}

bool TState_DungMap::TurnIsClear() {
    map.PollTimedSwitches();
    if (map.AttackerCount() > 0) {
        map.SetState(msEnemyAttack);
        return false;
    }
    if (map.HasPendingObjects()) {
        map.SetState(msWaitObjects);
        return false;
    }
    return true;
}

void TState_DungMap::FollowHeroine() {
    map.SetState(Hero().GetStateId() == das_Walk ? msEnemyTurn : msWaitInput);
}

void TState_DungMap::FinishHeroAction() {
    switch (Hero().GetStateId()) {
    case das_LevelUp:
        map.SetState(msLevelUp);
        break;
    case das_SwordBroken:
        map.SetState(msSwordBroken);
        break;
    default:
        map.SetState(msEnemyTurn);
        break;
    }
    map.PollTimedSwitches();
    TActiveMapProxy::Instance().RefreshCursor();
}

void TState_DungMap::NextAttack() {
    ++attackerCursor;
    if (attackerCursor < map.AttackerCount()) {
        map.StartAttack(attackerCursor);
        return;
    }
    map.SetState(msWaitInput);
    map.DropAttackers();
}

void TState_DungMap::AfterWait() {
    IHeroView& view = Hero().View();
    switch (type) {
    case msMoveFloor:
        // The floor is rebuilt under this state: nothing of it may be touched now.
        TActiveMapProxy::Instance().ChangeFloor();
        break;
    case msExit:
        // The map is gone when this returns.
        map.ExitDungeon(false);
        break;
    case msLevelUp:
        view.ShowLevelUp(false);
        map.SetState(msEnemyTurn);
        break;
    case msCollapsed:
        view.ShowCollapsed(false);
        map.ExitDungeon(true);
        break;
    case msRecovered:
        view.ShowRecovered(false);
        if (TurnIsClear()) {
            FollowHeroine();
        }
        break;
    case msSwordBroken:
        view.ShowSwordBroken(false);
        map.SetState(msEnemyTurn);
        break;
    case msLevelSet:
        view.ShowLevelReached(levelReached, false);
        if (TurnIsClear()) {
            FollowHeroine();
        }
        break;
    default:
        break;
    }
}
