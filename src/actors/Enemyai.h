#pragma once

#include "actors/Dastate.h"
#include "world/Base3dutil.h"

#include <cstdint>
#include <memory>

class TDungBlock;
class TEnemy;
struct TSaveEnemy;

// AI types of an enemy's record.
inline constexpr std::uint8_t EnemyAIPatrol = 0;
inline constexpr std::uint8_t EnemyAIKeeper = 1;
inline constexpr std::uint8_t EnemyAINone = 2;

// What a patrol remembers between turns, as its record keeps it.
struct TEnemyMemory {
    bool hasTarget = false;
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::uint8_t direction = DW_None; // the way to keep once the target is reached

    bool operator==(const TEnemyMemory&) const = default;
};

// What decides an enemy's turn. This plain one never acts.
class IEnemyAI {
public:
    explicit IEnemyAI(TEnemy& controlled) : enemy(controlled) {}
    virtual ~IEnemyAI() = default;
    IEnemyAI(const IEnemyAI&) = delete;
    IEnemyAI& operator=(const IEnemyAI&) = delete;

    // Decides this turn: a walk starts at once, an attack is reserved for
    // later; the enemy's turn is over otherwise. `dash`: the heroine dashes.
    virtual void Think(bool dash);
    // The memory to save; false for an AI that keeps none.
    virtual bool GetMemory(TEnemyMemory& memory) const;
    virtual void RestoreMemory(const TSaveEnemy& record);
    // Whether it guards its place, so that patrols route around it.
    virtual bool IsKeeper() const { return false; }

    // The last think's choice: das_Null before any, das_Wait (stay),
    // das_Walk, das_Attack or das_Dash.
    DA_State GetDecision() const { return decision; }

protected:
    TEnemy& Enemy() const { return enemy; }
    void Decide(DA_State choice) { decision = choice; }
    // The heroine stands beside it, no walled corner between: it reserves a
    // blow in her direction and decides to attack.
    bool StrikeIfBeside();
    // Nothing to do this turn.
    void Stay();

private:
    TEnemy& enemy;
    DA_State decision = das_Null;
};

// Guards its place: strikes the heroine beside it, otherwise stays.
class TKeeperAI final : public IEnemyAI {
public:
    using IEnemyAI::IEnemyAI;

    void Think(bool dash) override;
    bool IsKeeper() const override { return true; }
};

// Walks out of rooms and along corridors, and chases the heroine once it
// sees her; remembers where it was heading.
class TPatrolAI final : public IEnemyAI {
public:
    using IEnemyAI::IEnemyAI;

    void Think(bool dash) override;
    bool GetMemory(TEnemyMemory& memory) const override;
    void RestoreMemory(const TSaveEnemy& record) override;

private:
    // Where to head: the heroine in sight, the remembered target, a room's
    // way out; none in a corridor, where `wanderWay` gets the way to wander.
    TDungBlock* ChooseGoal(TDungBlock* block, std::uint8_t& wanderWay);
    // The way toward `goal`; on the goal itself the way remembered for it.
    std::uint8_t WayToGoal(const TDungBlock* block, const TDungBlock* goal, int& preference);
    // The block `way` leads to, or an alternative when it is blocked.
    TDungBlock* NextStep(const TDungBlock* block, std::uint8_t& way, int preference);
    // The remembered target on the floor being played; a target off the
    // floor is forgotten.
    TDungBlock* RememberedTarget();
    void Remember(const TDungBlock* target, std::uint8_t keepDirection);
    void Forget();

    // The target is kept by its place, so that a memory restored while the
    // floor is still being built finds its block once the floor is played.
    TEnemyMemory memory;
};

// The AI of a record's type: 0 patrol, 1 keeper, 2 the plain one; none for
// any other type.
std::unique_ptr<IEnemyAI> NewEnemyAI(std::uint8_t type, TEnemy& enemy);

// The way toward a goal at offset (dx, dy), y growing southward, and the
// side to try first when it is blocked: 1 anticlockwise, 2 clockwise, 0
// either (the patrol's own random pick).
struct TGoalWay {
    std::uint8_t way;
    int preference;
};
TGoalWay WayTowardGoal(int dx, int dy);

// The first free step from `from` when `way` is blocked: 45 degrees to the
// preferred side (1 anticlockwise, 2 clockwise), 45 to the other, then 90,
// 135 and straight back. Stores the way taken in `way`; none when all are
// blocked. Any other preference raises.
TDungBlock* AlternativeStep(const TDungBlock* from, std::uint8_t& way, int preference);
