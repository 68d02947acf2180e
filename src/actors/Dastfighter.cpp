#include "actors/Dastfighter.h"

#include "activemap/Activemapproxy.h"
#include "actors/Fighter.h"
#include "platform/GameError.h"
#include "platform/SjisText.h"
#include "world/Base3dutil.h"
#include "world/Dungblock.h"

namespace {

constexpr float TurnStepDegrees = 22.5f;
constexpr int TurnHalfSteps = 8;
constexpr float WalkStep = 0.5f;
constexpr float DashStep = 2.0f;
constexpr int WalkSteps = 4;
constexpr int DashSteps = 1;
constexpr int AttackSteps = 3;
constexpr int DamagedSteps = 4;
constexpr int DyingSteps = 4;
constexpr int GuardSteps = 3;

} // namespace

IDungActer* Tdast_Fighter::GetOwner() const {
    return &owner;
}

void Tdast_Fighter::ApplyMotion() {
    switch (GetId()) {
    case das_Standby:
    case das_Wait:
        owner.SetIdleMotion();
        break;
    case das_MoveOrder:
    case das_Dash:
        break;
    case das_Turn:
    case das_Walk:
        owner.SetWalkMotion();
        break;
    case das_Attack:
        owner.SetAttackMotion();
        break;
    case das_Damaged:
        owner.SetDamagedMotion();
        break;
    case das_Dying:
        owner.SetDyingMotion();
        break;
    case das_Guard:
        owner.SetGuardMotion();
        break;
    default:
        throw TGameError(Sjis("カレントステイト初期設定でアクターモーションセットの例外"));
    }
}

void Tdast_Fighter::Enter() {
    IDA_State::Enter();
    StartAction();
}

bool Tdast_Fighter::Step() {
    return StepAction(IDA_State::Step());
}

void Tdast_Fighter::EnterOwnerState(DA_State next) {
    owner.SetState(owner.StateOf(next));
}

void Tdast_Fighter::StartAction() {
    switch (GetId()) {
    case das_MoveOrder:
        if (GetParam() == owner.GetDirection()) {
            EnterOwnerState(das_Walk);
        } else {
            IDA_State* turn = owner.StateOf(das_Turn);
            turn->SetParam(GetParam());
            owner.SetState(turn);
        }
        break;
    case das_Turn:
        StartTurn();
        break;
    case das_Walk:
        StartWalk(false);
        break;
    case das_Dash:
        StartWalk(true);
        break;
    case das_Attack:
        SetDuration(AttackSteps);
        break;
    case das_Damaged:
        SetDuration(DamagedSteps);
        break;
    case das_Dying:
        SetDuration(DyingSteps);
        break;
    case das_Guard:
        SetDuration(GuardSteps);
        break;
    default:
        break;
    }
}

bool Tdast_Fighter::StepAction(bool finished) {
    switch (GetId()) {
    case das_Wait: {
        const IDA_State* reserved = owner.GetReserved();
        if (reserved && reserved->GetId() != das_Wait) {
            owner.TakeReserved();
        }
        break;
    }
    case das_Turn:
        StepTurn(finished);
        break;
    case das_Walk:
        StepWalk(finished, false);
        break;
    case das_Dash:
        StepWalk(finished, true);
        break;
    case das_Attack:
        if (GetCount() == 1) {
            HitFront();
        }
        if (finished) {
            owner.SetState(IDungActer::NullState());
        }
        break;
    case das_Damaged:
        if (finished) {
            if (owner.GetHP() != 0) {
                owner.SetState(IDungActer::NullState());
            } else {
                EnterOwnerState(das_Dying);
                return false;
            }
        }
        break;
    case das_Dying:
        if (!finished) {
            owner.XRota(-TurnStepDegrees);
        }
        break;
    default:
        break;
    }
    return finished;
}

bool Tdast_Fighter::HitFront() {
    TDungBlock* target = owner.FrontBlock();
    return target && target->AttackGuest(owner);
}

void Tdast_Fighter::StartTurn() {
    sense = SenseClockwise;
    SetDuration(TurnHalfSteps);
    const std::uint8_t from = owner.GetDirection();
    const std::uint8_t to = GetParam();
    if (to == ReverseWay(from)) {
        return;
    }
    float angle = WayAngle(from, to);
    if (angle > 180.0f) {
        sense = SenseCounterClockwise;
        angle = 360.0f - angle;
    }
    SetDuration(static_cast<int>(angle / TurnStepDegrees));
}

void Tdast_Fighter::StepTurn(bool finished) {
    if (GetDuration() > 0) {
        if (sense == SenseClockwise) {
            owner.YRota(TurnStepDegrees);
        } else if (sense == SenseCounterClockwise) {
            owner.YRota(-TurnStepDegrees);
        } else {
            throw TGameError(Sjis("Y回転実行エラー"));
        }
    }
    if (!finished) {
        return;
    }
    const std::uint8_t target = GetParam();
    owner.SetDirection(target);
    IDA_State* reserved = owner.GetReserved();
    if (reserved && reserved->GetId() == das_MoveOrder) {
        if (reserved->GetParam() == target) {
            EnterOwnerState(das_Walk);
        } else {
            IDA_State* turn = owner.StateOf(das_Turn);
            turn->SetParam(reserved->GetParam());
            owner.SetState(turn);
        }
    } else {
        EnterOwnerState(das_Wait);
    }
}

bool Tdast_Fighter::MayWalkInto(const TDungBlock* dest) const {
    return dest && dest->IsFree(owner.MayEnterAnyFloor());
}

void Tdast_Fighter::StartWalk(bool fast) {
    TDungBlock* from = owner.GetBlock();
    TDungBlock* dest = TActiveMapProxy::Instance().GetOpenNeighbour(from, owner.GetDirection());
    if (!MayWalkInto(dest)) {
        EnterOwnerState(das_Wait);
        return;
    }
    owner.SetDestination(dest);
    dest->ReserveGuest(&owner);
    from->LeaveGuest();
    SetDuration(fast ? DashSteps : WalkSteps);
}

void Tdast_Fighter::StepWalk(bool finished, bool fast) {
    const float s = fast ? DashStep : WalkStep;
    switch (owner.GetDirection()) {
    case DW_North:
        owner.Move(0.0f, 0.0f, s);
        break;
    case DW_East:
        owner.Move(s, 0.0f, 0.0f);
        break;
    case DW_South:
        owner.Move(0.0f, 0.0f, -s);
        break;
    case DW_West:
        owner.Move(-s, 0.0f, 0.0f);
        break;
    case DW_NorthEast:
        owner.Move(s, 0.0f, s);
        break;
    case DW_SouthEast:
        owner.Move(s, 0.0f, -s);
        break;
    case DW_SouthWest:
        owner.Move(-s, 0.0f, -s);
        break;
    case DW_NorthWest:
        owner.Move(-s, 0.0f, s);
        break;
    default:
        throw TGameError(Sjis("歩行実行エラー"));
    }
    if (!finished) {
        return;
    }
    TDungBlock* dest = owner.GetDestination();
    owner.GetBlock()->ClearLeaving();
    dest->ArriveGuest();
    owner.MoveTo(dest);
    owner.SetDestination(nullptr);
    EnterOwnerState(das_Standby);
}
