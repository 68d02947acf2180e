#include "actors/Dasthero.h"

#include "activemap/Activemapproxy.h"
#include "actors/Hero.h"
#include "actors/Herooutput.h"
#include "world/Dungblock.h"

namespace {

constexpr int HandSteps = 4;
constexpr int OpenBoxSteps = 20;

} // namespace

Tdast_Hero::Tdast_Hero(DA_State stateId, THero& heroine)
    : Tdast_Fighter(stateId, heroine), hero(heroine) {}

void Tdast_Hero::ApplyMotion() {
    switch (GetId()) {
    case das_Press:
    case das_Unlock:
    case das_OpenBox:
        hero.SetHandMotion();
        break;
    case das_ActOrder:
    case das_Talk:
    case das_LevelUp:
    case das_FairyMet:
    case das_SwordBroken:
        break;
    default:
        Tdast_Fighter::ApplyMotion();
        break;
    }
}

void Tdast_Hero::Enter() {
    hero.SetMoved(false);
    Tdast_Fighter::Enter();
}

void Tdast_Hero::EnterHeroState(DA_State next) {
    hero.SetState(hero.StateOf(next));
}

TDungBlock* Tdast_Hero::Front() const {
    return hero.FrontBlock();
}

void Tdast_Hero::StartAction() {
    switch (GetId()) {
    case das_ActOrder:
        StartActOrder();
        break;
    case das_Dash:
        hero.TurnTo(GetParam());
        Tdast_Fighter::StartAction();
        break;
    case das_Press:
    case das_Unlock:
        SetDuration(HandSteps);
        break;
    case das_Talk:
        StartTalk();
        break;
    case das_OpenBox:
        SetDuration(OpenBoxSteps);
        break;
    case das_LevelUp:
    case das_FairyMet:
    case das_SwordBroken:
        break;
    default:
        Tdast_Fighter::StartAction();
        break;
    }
}

void Tdast_Hero::StartActOrder() {
    const TDungBlock* front = Front();
    // Facing the edge of the grid there is nothing to act on: she waits for
    // the next order, and the turn does not pass.
    const DA_Action action = front ? front->ActionFrom(hero.GetDirection()) : dac_None;
    switch (action) {
    case dac_Attack:
        EnterHeroState(das_Attack);
        break;
    case dac_Press:
        EnterHeroState(das_Press);
        break;
    case dac_Talk:
        EnterHeroState(das_Talk);
        break;
    case dac_Unlock:
        EnterHeroState(das_Unlock);
        break;
    case dac_OpenBox:
        EnterHeroState(das_OpenBox);
        break;
    default:
        EnterHeroState(das_Wait);
        break;
    }
}

void Tdast_Hero::StartTalk() {
    const TDungBlock* front = Front();
    if (TTalkDepot* talks = front ? front->TalkPartnerFrom(hero.GetDirection()) : nullptr) {
        hero.Links().StartTalk(*talks);
    }
}

bool Tdast_Hero::MayWalkInto(const TDungBlock* dest) const {
    return dest && dest->IsFreeForHero();
}

bool Tdast_Hero::StepAction(bool finished) {
    switch (GetId()) {
    case das_Walk:
    case das_Dash: {
        const TDungBlock* from = hero.GetBlock();
        const bool dashing = GetId() == das_Dash;
        Tdast_Fighter::StepAction(finished);
        if (finished) {
            hero.ArriveFromWalk(from, dashing);
        }
        return finished;
    }
    case das_Turn:
        Tdast_Fighter::StepAction(finished);
        if (finished) {
            TActiveMapProxy::Instance().RefreshCursor();
        }
        return finished;
    case das_Attack:
        return StepAttack(finished);
    case das_Press:
    case das_Unlock:
    case das_OpenBox:
        return StepHandAction(finished);
    case das_ActOrder:
    case das_Talk:
    case das_LevelUp:
    case das_FairyMet:
    case das_SwordBroken:
        return finished;
    default:
        return Tdast_Fighter::StepAction(finished);
    }
}

bool Tdast_Hero::StepHandAction(bool finished) {
    TDungBlock* front = Front();
    if (GetCount() == 1 && front) {
        if (GetId() == das_Press) {
            front->PressWallSwitch(hero);
        } else if (GetId() == das_Unlock) {
            if (const int key = front->OpenDoor(); key != 0) {
                hero.UseKey(key);
            }
        } else {
            // A chest that needs no key finds none to take.
            hero.UseKey(front->OpenBox());
        }
    }
    if (finished) {
        hero.SetState(IDungActer::NullState());
        if (GetId() == das_OpenBox) {
            hero.View().ShowRemark({});
        }
    }
    return finished;
}

bool Tdast_Hero::StepAttack(bool finished) {
    if (GetCount() == 1) {
        // Only a blow that breaks into an obstacle block wears the sword.
        swordBroke = HitFront() && hero.WearSword();
    }
    if (finished) {
        if (swordBroke) {
            EnterHeroState(das_SwordBroken);
            hero.View().UpdateHeroPower(hero);
        } else {
            hero.SetState(IDungActer::NullState());
        }
    }
    return finished;
}
