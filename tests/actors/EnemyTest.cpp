#include "actors/Enemy.h"

#include "activemap/Activemapproxy.h"
#include "actors/Acterrecord.h"
#include "actors/Fighterstatus.h"
#include "platform/RandomSource.h"
#include "save/Savefloar.h"
#include "support/EnemyFloor.h"
#include "support/HeroWorld.h"
#include "support/RecordingStatus.h"
#include "support/TestMap.h"
#include "world/DataFile.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace {

class Enemy : public testing::Test {
protected:
    TEnemy& Place(std::unique_ptr<TEnemy> made, int x, int y, int defence) {
        enemy = &world.PutEnemy(map, x, y, std::move(made), defence);
        return *enemy;
    }
    TFakeBody& Body() const { return static_cast<TFakeBody&>(*enemy->GetBody()); }

    THeroWorld world;
    TTestMap map{"...", "...", "..."};
    TEnemy* enemy = nullptr;
};

TEST_F(Enemy, AnObstacleBlockWearsTheSwordOnlyWhenTheHitGetsThrough) {
    THero& hero = world.PutHero(map, 1, 2);
    TEnemy& block = Place(world.Factory().NewObstacleBlock(), 1, 1, 2);
    EXPECT_FALSE(block.AttackedBy(hero)) << "attack 2 against defence 2 is stopped";
    EXPECT_EQ(block.GetStateId(), das_Guard);
    EXPECT_EQ(block.GetHP(), 3);
    hero.Record().attack = 3;
    EXPECT_TRUE(block.AttackedBy(hero));
    EXPECT_EQ(block.GetStateId(), das_Damaged);
    EXPECT_EQ(world.enemyRecords.front().hp, 2);

    TEnemy& slime = Place(world.Factory().NewEnemy(1), 1, 0, 2);
    EXPECT_FALSE(slime.AttackedBy(hero)) << "an enemy never wears the sword";
    EXPECT_EQ(slime.GetHP(), 2);
}

TEST_F(Enemy, AnObstacleBlockShrinksAwayWhereAnEnemyFallsOver) {
    for (const bool obstacle : {true, false}) {
        TEnemy& dying = Place(
            obstacle ? world.Factory().NewObstacleBlock() : world.Factory().NewEnemy(1), 1, 1, 0);
        dying.SetState(dying.StateOf(das_Dying));
        for (int tick = 0; tick < 4; ++tick) {
            dying.Tick();
        }
        const TGroupMat& body = Body().Matrix();
        EXPECT_NEAR(body.Scaling().x, obstacle ? 0.1f : 1.0f, 1e-5f) << obstacle;
        EXPECT_FLOAT_EQ(body.Rotation().x, obstacle ? 0.0f : -67.5f) << obstacle;
        map.Block(1, 1).ClearGuest();
    }
}

TEST_F(Enemy, FacesWhereItWalksOrStrikesAtOnce) {
    TEnemy& walker = Place(world.Factory().NewEnemy(1), 1, 1, 0);
    IDA_State* walk = walker.StateOf(das_Walk);
    walk->SetParam(DW_East);
    walker.SetState(walk);
    EXPECT_EQ(walker.GetDirection(), DW_East);
    EXPECT_EQ(walker.GetDestination(), &map.Block(2, 1));

    IDA_State* attack = walker.StateOf(das_Attack);
    attack->SetParam(DW_NorthWest);
    walker.SetState(attack);
    EXPECT_EQ(walker.GetDirection(), DW_NorthWest);
    EXPECT_EQ(attack->GetDuration(), 3);
}

TEST_F(Enemy, RestsAtTheStartOfEveryTurn) {
    TEnemy& resting = Place(world.Factory().NewEnemy(2), 0, 0, 0);
    EXPECT_EQ(resting.GetStateId(), das_Standby);
    EXPECT_EQ(resting.GetReserved()->GetId(), das_Standby);
    resting.SetState(resting.StateOf(das_Guard));
    resting.Rest();
    EXPECT_EQ(resting.GetStateId(), das_Standby);
    EXPECT_EQ(Body().Motion(), TFakeBody::Stopped);
}

class EnemyOnFloor : public testing::Test {
protected:
    TRecordingStatus& Status() const { return static_cast<TRecordingStatus&>(*status); }
    TRecordingAutoMapping& Moves() const { return static_cast<TRecordingAutoMapping&>(*moves); }
    static TFakeBody& BodyOf(const TEnemy& enemy) {
        return static_cast<TFakeBody&>(*enemy.GetBody());
    }
    static void Enter(TEnemy& enemy, DA_State id, std::uint8_t param) {
        IDA_State* state = enemy.StateOf(id);
        state->SetParam(param);
        enemy.SetState(state);
    }
    static int TickUntilFinished(TEnemy& enemy) {
        for (int ticks = 1; ticks <= 50; ++ticks) {
            if (enemy.Tick()) {
                return ticks;
            }
        }
        return -1;
    }

    TScopedInstance<IFighterStatus, TRecordingStatus> status;
    TScopedInstance<IAutoMapping, TRecordingAutoMapping> moves;
    TScopedInstance<TRandomSource> random{5};
    TEnemyFloor floor;
};

TEST_F(EnemyOnFloor, AnswersWhatTheFloorAsksOfItFromItsRecord) {
    TTestMap map({"...", "..."});
    TEnemy& enemy = floor.Put(map, 1, 0, DW_West, {EnemyAIPatrol, {3, 2, 1}});
    std::uint8_t* record = RecordBytes(floor.records.back());
    EXPECT_EQ(enemy.GetKind(), TActerKind::Enemy);
    EXPECT_EQ(enemy.GetRecord(), record);
    EXPECT_EQ(enemy.GetIdentity(), record);
    EXPECT_EQ(enemy.GetStats(), record + 10);
    EXPECT_EQ(enemy.GetHP(), 3);
    EXPECT_EQ(enemy.GetAttack(), 2);
    EXPECT_EQ(enemy.GetDefence(), 1);
    EXPECT_EQ(enemy.GetMaxHP(), 3);
    EXPECT_EQ(enemy.GetName(), "enemy");
    EXPECT_FALSE(enemy.MayEnterAnyFloor());
    EXPECT_EQ(enemy.TalkPartnerFor(DW_East), nullptr);
    for (std::uint8_t dir = DW_North; dir <= DW_NorthWest; ++dir) {
        EXPECT_EQ(enemy.ActionFor(dir), dac_Attack) << int(dir);
    }
    const TDungBlock& block = map.Block(1, 0);
    EXPECT_EQ(block.GetGuest(), &enemy);
    EXPECT_EQ(block.ActionFrom(DW_South), dac_Attack);
    EXPECT_EQ(block.CursorActionFrom(DW_South), dac_Attack);
    EXPECT_FALSE(block.IsFree(true));

    // Placed, it stands by on its block, facing its way.
    EXPECT_EQ(enemy.GetBlock(), &block);
    EXPECT_EQ(enemy.GetDestination(), nullptr);
    EXPECT_EQ(enemy.GetStateId(), das_Standby);
    EXPECT_EQ(enemy.GetReserved()->GetId(), das_Standby);
    EXPECT_FLOAT_EQ(BodyOf(enemy).X(), 2.0f);
    EXPECT_FLOAT_EQ(BodyOf(enemy).Turned(), 90.0f);
}

TEST_F(EnemyOnFloor, OnlyAKeeperGuardsItsPlaceAgainstPatrols) {
    struct TCase {
        std::uint8_t aiType;
        bool keeper;
    };
    const TCase cases[] = {
        {EnemyAIPatrol, false}, {EnemyAIKeeper, true}, {EnemyAINone, false}, {7, false}};
    TTestMap map({"...."});
    int x = 0;
    for (const TCase& c : cases) {
        TEnemy& enemy = floor.Put(map, x, 0, DW_South, {c.aiType});
        EXPECT_EQ(enemy.IsKeeper(), c.keeper) << int(c.aiType);
        EXPECT_EQ(TRoom::IsPatrolFree(&map.Block(x, 0)), !c.keeper) << int(c.aiType);
        ++x;
    }
}

TEST_F(EnemyOnFloor, DamageStopsAtZeroHitPoints) {
    TTestMap map({"."});
    TEnemy& enemy = floor.Put(map, 0, 0, DW_South, {EnemyAIPatrol, {2, 1, 1}});
    enemy.TakeDamage(5);
    EXPECT_EQ(floor.records.back().hp, 0);
}

TEST_F(EnemyOnFloor, ADefeatedEnemyLeavesItsBlockButStaysForTheMapAndKeepsItsRecordAtZero) {
    for (const bool obstacle : {false, true}) {
        TTestMap map({".."});
        TTestFighter& hero = map.PlaceHero(0, 0, DW_East, {5, 3, 2});
        TEnemy& enemy = floor.Put(map, 1, 0, DW_West, {EnemyAINone, {1, 0, 2}, obstacle});
        const TSaveEnemy& record = floor.records.back();
        Status().calls.clear();
        enemy.AttackedBy(hero);
        for (int tick = 1; tick <= 4; ++tick) {
            EXPECT_FALSE(enemy.Tick()) << "damage turns into dying, which runs on";
        }
        EXPECT_EQ(enemy.GetStateId(), das_Dying);
        EXPECT_FALSE(enemy.HasDied());
        EXPECT_EQ(TickUntilFinished(enemy), 4);
        EXPECT_TRUE(enemy.HasDied());

        enemy.Die();
        EXPECT_EQ(map.Block(1, 0).GetGuest(), nullptr);
        EXPECT_EQ(enemy.GetBlock(), &map.Block(1, 0)) << "the automap redraws where it stood";
        EXPECT_EQ(Status().calls, "hp:0 forget ");
        EXPECT_EQ(record.hp, 0);
        EXPECT_EQ(&floor.records.back(), &record) << "the record stays in the floor's save";
        floor.Destroy(enemy);
    }
}

TEST_F(EnemyOnFloor, AWalkFacesItsWayAtOnceAndTellsTheAutomap) {
    struct TCase {
        DA_State pace;
        const char* east;
        int steps;
    };
    const TCase cases[] = {{das_Walk, ".", 4}, {das_Dash, ".", 1}, {das_Walk, "#", 0}};
    for (const TCase& c : cases) {
        TTestMap map({"...", std::string("..") + c.east});
        TEnemy& enemy = floor.Put(map, 1, 1, DW_North);
        Moves().moves.clear();
        const float turned = BodyOf(enemy).Turned();
        Enter(enemy, c.pace, DW_East);
        EXPECT_EQ(enemy.GetDirection(), DW_East);
        EXPECT_FLOAT_EQ(BodyOf(enemy).Turned() - turned, 90.0f);
        if (c.steps == 0) {
            EXPECT_EQ(enemy.GetStateId(), das_Wait) << "a wall ahead: it stays";
            EXPECT_TRUE(Moves().moves.empty());
            continue;
        }
        EXPECT_EQ(enemy.GetStateId(), c.pace);
        ASSERT_EQ(Moves().moves.size(), 1u);
        EXPECT_EQ(Moves().moves[0].first, &map.Block(1, 1));
        EXPECT_EQ(Moves().moves[0].second, &map.Block(2, 1));
        EXPECT_EQ(TickUntilFinished(enemy), c.steps);
        EXPECT_EQ(map.Block(2, 1).GetGuest(), &enemy);
        EXPECT_EQ(floor.records.back().x, 2);
    }
}

TEST_F(EnemyOnFloor, ADecidedAttackWaitsForItsTurnThenStrikesOnce) {
    TTestMap map({"..", ".."});
    TTestFighter& hero = map.PlaceHero(1, 0, DW_South, {5, 2, 1});
    TEnemy& keeper = floor.Put(map, 0, 1, DW_South, {EnemyAIKeeper, {3, 2, 1}});
    keeper.Think(false);
    EXPECT_EQ(keeper.GetDecision(), das_Attack);
    EXPECT_EQ(keeper.GetStateId(), das_Null);
    EXPECT_EQ(keeper.GetDirection(), DW_South) << "nothing moves before the attack's turn";
    EXPECT_EQ(hero.GetHP(), 5);

    keeper.StartAttack();
    EXPECT_EQ(keeper.GetStateId(), das_Attack);
    EXPECT_EQ(keeper.GetDirection(), DW_NorthEast);
    EXPECT_EQ(keeper.GetReserved()->GetId(), das_Standby);
    EXPECT_EQ(TickUntilFinished(keeper), 3);
    EXPECT_EQ(hero.GetHP(), 4);
    EXPECT_EQ(hero.GetStateId(), das_Damaged);
    EXPECT_EQ(keeper.GetStateId(), das_Null);

    // Started again without a new decision, it only stands by.
    keeper.StartAttack();
    EXPECT_EQ(keeper.GetStateId(), das_Standby);
    EXPECT_EQ(hero.GetHP(), 4);
}

TEST_F(EnemyOnFloor, OnlyAPatrolWritesItsMemoryIntoTheRecord) {
    // Room 1's one way out is (2, 1) to the east; the heroine is out of sight.
    TTestMap map({"111#.", "111..", "#####"});
    map.PlaceHero(4, 0, DW_South);
    TEnemy& patrol = floor.Put(map, 0, 0, DW_South, {EnemyAIPatrol});
    TSaveEnemy& patrolRecord = floor.records.back();
    TEnemy& keeper = floor.Put(map, 1, 0, DW_South, {EnemyAIKeeper});
    TSaveEnemy& keeperRecord = floor.records.back();
    keeperRecord.targetX = 77;

    patrol.SaveAIMemory();
    EXPECT_EQ(patrolRecord.hasTarget, 0);
    EXPECT_EQ(patrolRecord.targetDirection, DW_None);

    patrol.Think(false);
    keeper.Think(false);
    patrol.SaveAIMemory();
    keeper.SaveAIMemory();
    EXPECT_EQ(patrolRecord.hasTarget, 1);
    EXPECT_EQ(patrolRecord.targetX, 2);
    EXPECT_EQ(patrolRecord.targetY, 1);
    EXPECT_EQ(patrolRecord.targetDirection, DW_East);
    EXPECT_EQ(keeperRecord.hasTarget, 0);
    EXPECT_EQ(keeperRecord.targetX, 77);
    EXPECT_EQ(keeperRecord.targetDirection, DW_None);
}

TEST_F(EnemyOnFloor, PatrolMemorySurvivesASaveStateRoundTrip) {
    // Room 1 has two ways out: (1, 1) north and (3, 1) east. From (1, 2) the
    // first step toward the north one is north, toward the east one north-east.
    const std::vector<std::string> rows = {"#.####", "#111..", "#111##", "######"};
    std::vector<std::uint8_t> saved;
    std::uint8_t firstStep = DW_None;
    {
        TTestMap map(rows);
        map.PlaceHero(5, 1, DW_West);
        TEnemy& patrol = floor.Put(map, 1, 2, DW_North);
        patrol.Think(false);
        firstStep = patrol.GetDirection();
        patrol.SaveAIMemory();
        TSaveFloar floar;
        floar.enemies = floor.records;
        TDataWriter writer;
        WriteFloarSave(writer, floar);
        saved = writer.Bytes();
    }
    ASSERT_TRUE(firstStep == DW_North || firstStep == DW_NorthEast) << int(firstStep);

    // Whatever the random source would pick now, the patrol keeps its way. It
    // is placed while no map is active yet, as a floor is built.
    for (std::uint32_t seed = 1; seed <= 8; ++seed) {
        const TScopedInstance<TRandomSource> reseeded(seed);
        TDataReader reader("Save", saved);
        TSaveFloar floar = ReadFloarSave(reader, 1);
        TTestMap map(rows);
        map.PlaceHero(5, 1, DW_West);
        TActiveMapProxy::Instance().SetMap(nullptr);
        TEnemy& patrol = floor.PutOnRecord(map, floar.enemies.front());
        TActiveMapProxy::Instance().SetMap(&map);
        patrol.Think(false);
        EXPECT_EQ(patrol.GetDecision(), das_Walk) << seed;
        EXPECT_EQ(patrol.GetDirection(), firstStep) << seed;
        floor.Destroy(patrol);
    }
}

} // namespace
