#pragma once

#include "actors/Dastfighter.h"
#include "actors/Enemyai.h"
#include "actors/Fighter.h"
#include "save/Saverecords.h"

#include <cstdint>
#include <memory>
#include <string>

// Kinds of an enemy's save record.
inline constexpr std::uint8_t EnemyKindEnemy = 1;
inline constexpr std::uint8_t EnemyKindObstacle = 2;

// An enemy, or the obstacle block: an enemy without attack that shrinks away
// when destroyed, wears the heroine's sword when she breaks into it and does
// not count toward her level. Its AI decides its turns. Position, values and
// the AI's memory live in its record in the floor's save, which keeps a
// defeated enemy dead with 0 hit points.
class TEnemy final : public TFighter {
public:
    TEnemy(std::unique_ptr<IActerBody> enemyBody, std::string enemyName, bool isObstacle);
    ~TEnemy() override;

    std::uint8_t* GetRecord() override { return record ? RecordBytes(*record) : nullptr; }
    std::uint8_t* GetIdentity() override { return GetRecord(); }
    DA_Action ActionFor(std::uint8_t) override { return dac_Attack; }
    TActerKind GetKind() const override { return TActerKind::Enemy; }
    int GetSubKind() const override { return obstacle ? EnemyKindObstacle : EnemyKindEnemy; }
    // The combat rule; an obstacle block answers whether the hit got through.
    bool AttackedBy(TFighter& attacker) override;
    std::string GetName() const override { return name; }
    // Whether its AI guards its place.
    bool IsKeeper() const override;

    // Called after the floor made it the block's guest. The AI, if one is
    // attached, takes its memory from the record; it stands by.
    void PlaceEnemy(TDungBlock* onBlock, TSaveEnemy& enemyRecord);
    // Replaces the AI; the new one takes its memory from the record, if the
    // enemy has one already. Null leaves it without any.
    void AttachAI(std::unique_ptr<IEnemyAI> newAI);

    // The turn of the floor, as the map runs it: Think once per player
    // turn, then the decision; a decided attack starts when its turn comes.
    void Think(bool dash);
    DA_State GetDecision() const;
    void StartAttack();
    // At rest while the map waits for the player.
    void Rest();
    // Its dying has played out: the map may take it off the floor.
    bool HasDied() const;
    // Into the record, before a game is saved.
    void SaveAIMemory();

    bool IsObstacle() const { return obstacle; }

private:
    TSaveEnemy* record = nullptr;
    std::unique_ptr<IEnemyAI> ai;
    std::string name;
    bool obstacle;
};

// An enemy faces where it walks or strikes at once, without turning; an
// obstacle block shrinks instead of falling over.
class Tdast_Enemy final : public Tdast_Fighter {
public:
    Tdast_Enemy(DA_State stateId, TEnemy& enemyOwner)
        : Tdast_Fighter(stateId, enemyOwner), enemy(enemyOwner) {}

protected:
    void StartAction() override;
    bool StepAction(bool finished) override;

private:
    TEnemy& enemy;
};
