#include "actors/Enemy.h"

#include "support/HeroWorld.h"
#include "support/TestMap.h"

#include <gtest/gtest.h>
#include <memory>

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

} // namespace
