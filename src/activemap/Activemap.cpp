#include "activemap/Activemap.h"

#include "activemap/Activemapproxy.h"
#include "activemap/Outfield.h"
#include "actors/Hero.h"
#include "actors/Idungacter.h"
#include "platform/GameError.h"
#include "platform/SjisText.h"

void IState_AMap::Tick(bool) {
    IActiveMap& map = GetMap();
    switch (map.HeroStateId()) {
    case das_Walk:
        map.SetState(msEnemyTurn);
        break;
    case das_Attack:
    case das_Press:
    case das_Unlock:
    case das_OpenBox:
        map.SetState(msHeroAction);
        break;
    case das_Dash:
        map.SetState(msEnemyTurnDash);
        break;
    default:
        break;
    }
}

THero& IState_AMap::Hero() const {
    return *GetMap().GetHero();
}

void IState_AMap::EndTurnOnTheSpot() {
    IActiveMap& map = GetMap();
    if (map.GetState() == this && map.HeroStateId() == das_Wait) {
        map.SetState(msWaitInput);
    }
}

void IState_AMap::TakeNextOrder() {
    IActiveMap& map = GetMap();
    switch (Hero().TakeOrder(true)) {
    case das_Walk:
        map.SetState(msEnemyTurn);
        break;
    case das_Dash:
        map.SetState(msEnemyTurnDash);
        break;
    case das_Turn:
        map.SetState(msHeroTurn);
        break;
    default:
        map.SetState(msWaitInput);
        TActiveMapProxy::Instance().RefreshCursor();
        break;
    }
}

IActiveMap::IActiveMap() = default;

IActiveMap::~IActiveMap() {
    // The proxy never points at a map that is gone.
    if (TActiveMapProxy::HasInstance() && TActiveMapProxy::Instance().GetMap() == this) {
        TActiveMapProxy::Instance().SetMap(nullptr);
    }
}

void IActiveMap::RemoveItemRecord(const std::uint8_t*) {
    throw TGameError(Sjis("床のアイテムの記録がないマップでアイテムを取りました"));
}

void IActiveMap::RemoveObjectRecord(const std::uint8_t*) {
    throw TGameError(Sjis("妖精と力の記録がないマップで妖精か力の記録を消そうとしました"));
}

void IActiveMap::AddPendingObject(IDungActer&) {
    throw TGameError(Sjis("動く物体を待たないマップで物体が動き始めました"));
}

void IActiveMap::AddTimedSwitch(IDungActer&) {
    throw TGameError(Sjis("ターンを数えないマップで時限床スイッチが押されました"));
}

void IActiveMap::OrderMove(std::uint8_t dir) {
    GetHeroActer()->ReserveOrder(das_MoveOrder, dir);
}

void IActiveMap::OrderDash(std::uint8_t dir) {
    GetHeroActer()->ReserveOrder(das_Dash, dir);
}

void IActiveMap::OrderStop() {
    GetHeroActer()->ReserveOrder(das_Wait, 0);
}

void IActiveMap::OrderAction() {
    GetHeroActer()->ReserveOrder(das_ActOrder, 0);
}

TDungBlock* IActiveMap::HeroBlock() const {
    return GetHeroActer()->GetBlock();
}

TDungBlock* IActiveMap::HeroDestination() const {
    return GetHeroActer()->GetDestination();
}

std::uint8_t IActiveMap::HeroFacing() const {
    return GetHeroActer()->GetDirection();
}

DA_State IActiveMap::HeroStateId() const {
    return GetHeroActer()->GetStateId();
}

std::array<float, 3> IActiveMap::HeroPosition() const {
    const TOneMat& world = GetHeroActer()->GetMat().GetOneMat();
    return {world.At(3, 0), world.At(3, 1), world.At(3, 2)};
}

void IActiveMap::SetOutFields(TOutFields fields) {
    outFields = std::move(fields);
}

TOutField* IActiveMap::OutField(int i) const {
    return outFields[static_cast<std::size_t>(i)].get();
}
