#include "actors/Enemyai.h"

#include "activemap/Activemapproxy.h"
#include "actors/Enemy.h"
#include "platform/GameError.h"
#include "platform/RandomSource.h"
#include "platform/SjisText.h"
#include "save/Saverecords.h"
#include "world/Dungblock.h"
#include "world/Dungroom.h"

#include <cstdlib>

namespace {

constexpr int PreferAnticlockwise = 1;
constexpr int PreferClockwise = 2;
constexpr int EitherSide = 0;

TActiveMapProxy& Proxy() {
    return TActiveMapProxy::Instance();
}

} // namespace

void IEnemyAI::Think(bool) {
    enemy.SetState(IDungActer::NullState());
}

bool IEnemyAI::GetMemory(TEnemyMemory&) const {
    return false;
}

void IEnemyAI::RestoreMemory(const TSaveEnemy&) {}

bool IEnemyAI::StrikeIfBeside() {
    const std::uint8_t toHero = Proxy().DirectionToHero(enemy.GetBlock());
    if (toHero == DW_None) {
        return false;
    }
    IDA_State* attack = enemy.StateOf(das_Attack);
    attack->SetParam(toHero);
    enemy.Reserve(attack);
    enemy.SetState(IDungActer::NullState());
    decision = das_Attack;
    return true;
}

void IEnemyAI::Stay() {
    enemy.SetState(IDungActer::NullState());
    decision = das_Wait;
}

void TKeeperAI::Think(bool) {
    if (!StrikeIfBeside()) {
        Stay();
    }
}

void TPatrolAI::Think(bool dash) {
    if (StrikeIfBeside()) {
        return;
    }
    TEnemy& patrol = Enemy();
    TDungBlock* block = patrol.GetBlock();
    // The side to try first when the way is blocked, unless the goal decides.
    int preference = 1 + TRandomSource::Instance().Below(2);
    std::uint8_t way = DW_None;
    if (TDungBlock* goal = ChooseGoal(block, way)) {
        way = WayToGoal(block, goal, preference);
    } else if (way == DW_None) {
        // A room without a way out, and no heroine in sight.
        Stay();
        return;
    }
    TDungBlock* next = NextStep(block, way, preference);
    if (!next) {
        Stay();
        return;
    }
    const DA_State pace = dash ? das_Dash : das_Walk;
    IDA_State* walk = patrol.StateOf(pace);
    walk->SetParam(way);
    patrol.SetState(walk);
    Decide(pace);
    if (!block->GetRoom() && next->GetRoom()) {
        Forget();
    }
}

TDungBlock* TPatrolAI::ChooseGoal(TDungBlock* block, std::uint8_t& wanderWay) {
    const std::uint8_t facing = Enemy().GetDirection();
    std::uint8_t seenDir = DW_None;
    if (TDungBlock* seen = Proxy().LocateHero(block, facing, seenDir)) {
        // Seen leaving, her block becomes the target, to be left her way.
        Remember(seenDir == DW_None ? nullptr : seen, seenDir);
        return seen;
    }
    if (TDungBlock* target = RememberedTarget()) {
        return target;
    }
    if (const TRoom* room = block->GetRoom()) {
        std::uint8_t exitDir = DW_None;
        TDungBlock* exit = room->RandomExit(block, exitDir);
        Remember(exit, exitDir);
        return exit;
    }
    wanderWay = Proxy().ChooseWanderDirection(block, facing);
    if (wanderWay == DW_None) {
        wanderWay = static_cast<std::uint8_t>(TRandomSource::Instance().Below(8));
    }
    return nullptr;
}

std::uint8_t TPatrolAI::WayToGoal(const TDungBlock* block, const TDungBlock* goal,
                                  int& preference) {
    if (goal != block) {
        const TGoalWay toward =
            WayTowardGoal(goal->GetX() - block->GetX(), goal->GetY() - block->GetY());
        if (toward.preference != EitherSide) {
            preference = toward.preference;
        }
        return toward.way;
    }
    if (memory.direction == DW_None) {
        throw TGameError(Sjis("敵の進む方向決定エラー"));
    }
    const std::uint8_t way = memory.direction;
    if (goal == RememberedTarget()) {
        Forget();
    }
    return way;
}

TDungBlock* TPatrolAI::NextStep(const TDungBlock* block, std::uint8_t& way, int preference) {
    TDungBlock* next = Proxy().GetOpenNeighbour(block, way);
    if (!next) {
        return AlternativeStep(block, way, preference);
    }
    if (next->IsFree(false)) {
        return next;
    }
    // Blocked in a corridor, the patrol gives up where it was heading.
    if (!block->GetRoom()) {
        Forget();
    }
    return AlternativeStep(block, way, preference);
}

bool TPatrolAI::GetMemory(TEnemyMemory& saved) const {
    saved = memory;
    return true;
}

void TPatrolAI::RestoreMemory(const TSaveEnemy& record) {
    memory.hasTarget = record.hasTarget != 0;
    memory.x = record.targetX;
    memory.y = record.targetY;
    memory.direction = record.targetDirection;
}

TDungBlock* TPatrolAI::RememberedTarget() {
    if (!memory.hasTarget) {
        return nullptr;
    }
    TDungBlock* target = Proxy().BlockAt(memory.x, memory.y);
    if (!target) {
        Forget();
    }
    return target;
}

void TPatrolAI::Remember(const TDungBlock* target, std::uint8_t keepDirection) {
    memory.hasTarget = target != nullptr;
    if (target) {
        memory.x = target->GetX();
        memory.y = target->GetY();
    }
    memory.direction = keepDirection;
}

void TPatrolAI::Forget() {
    Remember(nullptr, DW_None);
}

std::unique_ptr<IEnemyAI> NewEnemyAI(std::uint8_t type, TEnemy& enemy) {
    switch (type) {
    case EnemyAIPatrol:
        return std::make_unique<TPatrolAI>(enemy);
    case EnemyAIKeeper:
        return std::make_unique<TKeeperAI>(enemy);
    case EnemyAINone:
        return std::make_unique<IEnemyAI>(enemy);
    default:
        return nullptr;
    }
}

TGoalWay WayTowardGoal(int dx, int dy) {
    const int ax = std::abs(dx);
    const int ay = std::abs(dy);
    if (ax == ay) {
        const std::uint8_t way = dx <= 0 ? (dy <= 0 ? DW_NorthWest : DW_SouthWest)
                                         : (dy <= 0 ? DW_NorthEast : DW_SouthEast);
        return {way, EitherSide};
    }
    if (dy == 0) {
        return {dx <= 0 ? DW_West : DW_East, EitherSide};
    }
    if (dx == 0) {
        return {dy <= 0 ? DW_North : DW_South, EitherSide};
    }
    if (ax == 1 || ay == 1) {
        // Nearly straight: the diagonal first, then the side of the longer leg.
        if (dx <= 0) {
            return dy > 0 ? TGoalWay{DW_SouthWest, ay == 1 ? PreferClockwise : PreferAnticlockwise}
                          : TGoalWay{DW_NorthWest, ax == 1 ? PreferClockwise : PreferAnticlockwise};
        }
        return dy <= 0 ? TGoalWay{DW_NorthEast, ay == 1 ? PreferClockwise : PreferAnticlockwise}
                       : TGoalWay{DW_SouthEast, ax == 1 ? PreferClockwise : PreferAnticlockwise};
    }
    if (ax < ay) {
        if (dy <= 0) {
            return {DW_North, dx <= 0 ? PreferAnticlockwise : PreferClockwise};
        }
        return {DW_South, dx < 0 ? PreferClockwise : PreferAnticlockwise};
    }
    if (dx > 0) {
        return {DW_East, dy <= 0 ? PreferAnticlockwise : PreferClockwise};
    }
    return {DW_West, dy < 0 ? PreferClockwise : PreferAnticlockwise};
}

TDungBlock* AlternativeStep(const TDungBlock* from, std::uint8_t& way, int preference) {
    if (preference != PreferAnticlockwise && preference != PreferClockwise) {
        throw TGameError(Sjis("指定方向に移動できない場合、他の移動方向を得るエラー"));
    }
    const int ring = ClockwiseIndexOfWay(way);
    const int side = preference == PreferAnticlockwise ? -1 : 1;
    for (int turn = 1; turn <= 4; ++turn) {
        for (const int sense : {1, -1}) {
            const std::uint8_t tried = WayOfClockwiseIndex(ring + sense * turn * side);
            TDungBlock* next = Proxy().GetOpenNeighbour(from, tried);
            if (next && next->IsFree(false)) {
                way = tried;
                return next;
            }
        }
    }
    return nullptr;
}
