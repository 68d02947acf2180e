#include "actors/Enemy.h"

#include "world/Iautomapping.h"

namespace {

// Three of the four dying steps shrink the block to a tenth of its size.
constexpr float ShrinkStep = -0.3f;

} // namespace

TEnemy::TEnemy(std::unique_ptr<IActerBody> enemyBody, std::string enemyName, bool isObstacle)
    : TFighter(std::move(enemyBody)), name(std::move(enemyName)), obstacle(isObstacle) {
    CreateStates(FighterStates(),
                 [this](DA_State id) { return std::make_unique<Tdast_Enemy>(id, *this); });
}

TEnemy::~TEnemy() = default;

bool TEnemy::AttackedBy(TFighter& attacker) {
    const bool getsThrough = attacker.GetAttack() > GetDefence();
    TFighter::AttackedBy(attacker);
    return obstacle && getsThrough;
}

bool TEnemy::IsKeeper() const {
    return ai && ai->IsKeeper();
}

void TEnemy::PlaceEnemy(TDungBlock* onBlock, TSaveEnemy& enemyRecord) {
    record = &enemyRecord;
    PlaceFighter(onBlock);
    if (ai) {
        ai->RestoreMemory(*record);
    }
    SetState(StateOf(das_Standby));
    Reserve(StateOf(das_Standby));
}

void TEnemy::AttachAI(std::unique_ptr<IEnemyAI> newAI) {
    ai = std::move(newAI);
    if (ai && record) {
        ai->RestoreMemory(*record);
    }
}

void TEnemy::Think(bool dash) {
    if (ai) {
        ai->Think(dash);
    }
}

DA_State TEnemy::GetDecision() const {
    return ai ? ai->GetDecision() : das_Null;
}

void TEnemy::StartAttack() {
    TakeReserved();
    Reserve(StateOf(das_Standby));
}

void TEnemy::Rest() {
    SetState(StateOf(das_Standby));
    SetIdleMotion();
}

bool TEnemy::HasDied() const {
    return GetStateId() == das_Dying && GetState()->IsFinished();
}

void TEnemy::SaveAIMemory() {
    TEnemyMemory memory;
    if (!ai || !record || !ai->GetMemory(memory)) {
        return;
    }
    record->hasTarget = memory.hasTarget ? 1 : 0;
    if (memory.hasTarget) {
        record->targetX = memory.x;
        record->targetY = memory.y;
    }
    record->targetDirection = memory.direction;
}

void Tdast_Enemy::StartAction() {
    switch (GetId()) {
    case das_Walk:
    case das_Dash:
        enemy.TurnTo(GetParam());
        Tdast_Fighter::StartAction();
        if (enemy.GetState() == this) {
            IAutoMapping::Instance().RecordMove(enemy.GetBlock(), enemy.GetDestination());
        }
        break;
    case das_Attack:
        enemy.TurnTo(GetParam());
        Tdast_Fighter::StartAction();
        break;
    default:
        Tdast_Fighter::StartAction();
        break;
    }
}

bool Tdast_Enemy::StepAction(bool finished) {
    if (GetId() == das_Dying && enemy.IsObstacle()) {
        if (!finished) {
            enemy.Scale(ShrinkStep, ShrinkStep, ShrinkStep);
        }
        return finished;
    }
    return Tdast_Fighter::StepAction(finished);
}
