#include "actors/Enemy.h"

namespace {

constexpr float ShrinkStep = -0.3f;

} // namespace

TEnemy::TEnemy(std::unique_ptr<IActerBody> enemyBody, std::string enemyName, bool isObstacle)
    : TFighter(std::move(enemyBody)), name(std::move(enemyName)), obstacle(isObstacle) {
    CreateStates(FighterStates(),
                 [this](DA_State id) { return std::make_unique<Tdast_Enemy>(id, *this); });
}

bool TEnemy::AttackedBy(TFighter& attacker) {
    const bool getsThrough = attacker.GetAttack() > GetDefence();
    TFighter::AttackedBy(attacker);
    return obstacle && getsThrough;
}

bool TEnemy::IsKeeper() const {
    return record && record->aiType == EnemyAIKeeper;
}

void TEnemy::PlaceEnemy(TDungBlock* onBlock, TSaveEnemy& enemyRecord) {
    record = &enemyRecord;
    PlaceFighter(onBlock);
    SetState(StateOf(das_Standby));
    Reserve(StateOf(das_Standby));
}

void TEnemy::Rest() {
    SetState(StateOf(das_Standby));
    SetIdleMotion();
}

Tdast_Enemy::Tdast_Enemy(DA_State stateId, TEnemy& enemyOwner)
    : Tdast_Fighter(stateId, enemyOwner), enemy(enemyOwner) {}

void Tdast_Enemy::StartAction() {
    switch (GetId()) {
    case das_Walk:
    case das_Dash:
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
