#pragma once

#include "actors/Dastfighter.h"
#include "actors/Fighter.h"
#include "save/Saverecords.h"

#include <cstdint>
#include <memory>
#include <string>

// Kinds of an enemy's save record.
inline constexpr std::uint8_t EnemyKindEnemy = 1;
inline constexpr std::uint8_t EnemyKindObstacle = 2;
// The AI type of a record that guards its place.
inline constexpr std::uint8_t EnemyAIKeeper = 1;

// An enemy, or the obstacle block: an enemy without attack that shrinks away
// when destroyed, wears the heroine's sword when she breaks into it and does
// not count toward her level. Its record in the floor's save keeps it dead
// once defeated.
class TEnemy final : public TFighter {
public:
    TEnemy(std::unique_ptr<IActerBody> enemyBody, std::string enemyName, bool isObstacle);

    std::uint8_t* GetRecord() override { return record ? RecordBytes(*record) : nullptr; }
    std::uint8_t* GetIdentity() override { return GetRecord(); }
    DA_Action ActionFor(std::uint8_t) override { return dac_Attack; }
    TActerKind GetKind() const override { return TActerKind::Enemy; }
    // The combat rule; an obstacle block answers whether the hit got through.
    bool AttackedBy(TFighter& attacker) override;
    std::string GetName() const override { return name; }
    // Whether its record says it guards its place.
    bool IsKeeper() const override;

    // Its record becomes `enemyRecord`; it stands by until it decides.
    void PlaceEnemy(TDungBlock* onBlock, TSaveEnemy& enemyRecord);
    // At rest while the map waits for the player.
    void Rest();
    bool IsObstacle() const { return obstacle; }

private:
    TSaveEnemy* record = nullptr;
    std::string name;
    bool obstacle;
};

// An enemy faces where it walks or strikes at once, without turning; an
// obstacle block shrinks instead of falling over.
class Tdast_Enemy final : public Tdast_Fighter {
public:
    Tdast_Enemy(DA_State stateId, TEnemy& enemyOwner);

protected:
    void StartAction() override;
    bool StepAction(bool finished) override;

private:
    TEnemy& enemy;
};
