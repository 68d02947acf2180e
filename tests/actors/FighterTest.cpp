#include "actors/Fighter.h"

#include "actors/Acterrecord.h"
#include "actors/Dastfighter.h"
#include "actors/Fighterstatus.h"
#include "platform/SjisText.h"
#include "support/FormatTesting.h"
#include "support/RecordingStatus.h"
#include "support/TestItems.h"
#include "support/TestMap.h"

#include <gtest/gtest.h>
#include <string>

namespace {

class FighterStatus : public testing::Test {
protected:
    FighterStatus()
        : status(&IFighterStatus::AdoptInstance(std::make_unique<TRecordingStatus>())) {}
    ~FighterStatus() override { IFighterStatus::ReleaseInstance(); }

    TRecordingStatus* status;
};

void Enter(TTestFighter& fighter, DA_State id, std::uint8_t param = 0) {
    IDA_State* state = fighter.StateOf(id);
    state->SetParam(param);
    fighter.SetState(state);
}

TEST(FighterTurning, FromNorthEachWayWithItsSenseAndSteps) {
    struct TCase {
        std::uint8_t to;
        std::uint8_t sense;
        int steps;
    };
    const TCase cases[] = {{DW_East, SenseClockwise, 4},
                           {DW_West, SenseCounterClockwise, 4},
                           {DW_South, SenseClockwise, 8},
                           {DW_NorthEast, SenseClockwise, 2},
                           {DW_SouthWest, SenseCounterClockwise, 6},
                           {DW_SouthEast, SenseClockwise, 6},
                           {DW_NorthWest, SenseCounterClockwise, 2}};
    for (const TCase& c : cases) {
        TTestMap map({"...", "...", "..."});
        TTestFighter& fighter = map.PlaceEnemy(1, 1, DW_North);
        const float before = fighter.Body().Turned();
        Enter(fighter, das_Turn, c.to);
        const auto& turn = static_cast<const Tdast_Fighter&>(*fighter.GetState());
        EXPECT_EQ(turn.GetSense(), c.sense) << int(c.to);
        EXPECT_EQ(fighter.TickUntilFinished(), c.steps) << int(c.to);
        const float sign = c.sense == SenseClockwise ? 1.0f : -1.0f;
        EXPECT_FLOAT_EQ(fighter.Body().Turned() - before,
                        sign * 22.5f * static_cast<float>(c.steps))
            << int(c.to);
        EXPECT_EQ(fighter.GetDirection(), c.to);
        EXPECT_EQ(fighter.GetStateId(), das_Wait) << int(c.to);
        EXPECT_EQ(fighter.Body().Motions().at(1), 0) << "turning plays the walk motion";
    }
}

TEST(FighterTurning, AnotherHeldDirectionTurnsAgain) {
    TTestMap map({"...", "...", "..."});
    TTestFighter& fighter = map.PlaceHero(1, 1, DW_North);
    IDA_State* order = fighter.StateOf(das_MoveOrder);
    order->SetParam(DW_South);
    fighter.Reserve(order);
    Enter(fighter, das_Turn, DW_East);
    EXPECT_EQ(fighter.TickUntilFinished(), 4);
    EXPECT_EQ(fighter.GetStateId(), das_Turn);
    EXPECT_EQ(fighter.GetState()->GetParam(), DW_South);
    EXPECT_EQ(fighter.GetState()->GetDuration(), 4);
}

TEST(FighterTurning, AnUnknownSenseIsAnError) {
    TTestMap map({"..."});
    TTestFighter& fighter = map.PlaceEnemy(1, 0, DW_North);
    Enter(fighter, das_Turn, DW_East);
    static_cast<Tdast_Fighter&>(*fighter.GetState()).SetSense(0);
    EXPECT_EQ(GameErrorOf([&] { fighter.Tick(); }), Sjis("Y回転実行エラー"));
}

TEST(FighterWalking, AMoveOrderAheadWalksOneBlockInFourTicks) {
    TTestMap map({"...", "...", "..."});
    TTestFighter& fighter = map.PlaceHero(1, 2, DW_North);
    IDA_State* order = fighter.StateOf(das_MoveOrder);
    order->SetParam(DW_North);
    fighter.Reserve(order);
    fighter.Tick();
    EXPECT_EQ(fighter.GetStateId(), das_Walk);
    EXPECT_EQ(fighter.GetDestination(), &map.Block(1, 1));
    EXPECT_EQ(fighter.TickUntilFinished(), 4);
    EXPECT_EQ(fighter.GetBlock(), &map.Block(1, 1));
    EXPECT_EQ(map.Block(1, 1).GetGuest(), &fighter);
    EXPECT_EQ(map.Block(1, 2).GetGuest(), nullptr);
    EXPECT_EQ(map.Block(1, 2).GetLeavingGuest(), nullptr);
    EXPECT_EQ(fighter.GetDestination(), nullptr);
    EXPECT_EQ(fighter.GetStateId(), das_Standby);
    EXPECT_FLOAT_EQ(fighter.Body().Z(), -2.0f);
    EXPECT_EQ(ReadRecordI16(fighter.record.data(), RecordYOffset), 1);
}

TEST(FighterWalking, AMoveOrderElsewhereTurnsThenWalksWithoutAnotherCommand) {
    TTestMap map({"...", "...", "..."});
    TTestFighter& fighter = map.PlaceHero(1, 1, DW_North);
    fighter.Reserve(fighter.StateOf(das_MoveOrder));
    Enter(fighter, das_MoveOrder, DW_East);
    EXPECT_EQ(fighter.GetStateId(), das_Turn);
    EXPECT_EQ(fighter.TickUntilFinished(), 4);
    EXPECT_EQ(fighter.GetStateId(), das_Walk);
    EXPECT_EQ(fighter.TickUntilFinished(), 4);
    EXPECT_EQ(fighter.GetBlock(), &map.Block(2, 1));
    EXPECT_FLOAT_EQ(fighter.Body().X(), 4.0f);
}

TEST(FighterWalking, EachStepMovesAQuarterBlockAlongTheFacing) {
    struct TCase {
        std::uint8_t dir;
        float dx;
        float dz;
    };
    const TCase cases[] = {{DW_North, 0, 0.5f},          {DW_East, 0.5f, 0},
                           {DW_South, 0, -0.5f},         {DW_West, -0.5f, 0},
                           {DW_NorthEast, 0.5f, 0.5f},   {DW_SouthEast, 0.5f, -0.5f},
                           {DW_SouthWest, -0.5f, -0.5f}, {DW_NorthWest, -0.5f, 0.5f}};
    for (const TCase& c : cases) {
        TTestMap map({"...", "...", "..."});
        TTestFighter& fighter = map.PlaceEnemy(1, 1, c.dir);
        Enter(fighter, das_Walk);
        fighter.Tick();
        EXPECT_FLOAT_EQ(fighter.Body().X(), 2.0f + c.dx) << int(c.dir);
        EXPECT_FLOAT_EQ(fighter.Body().Z(), -2.0f + c.dz) << int(c.dir);
    }
}

TEST(FighterWalking, ADashCrossesTheBlockInOneTick) {
    TTestMap map({"...."});
    TTestFighter& fighter = map.PlaceHero(0, 0, DW_East);
    Enter(fighter, das_Dash);
    EXPECT_TRUE(fighter.Tick());
    EXPECT_EQ(fighter.GetBlock(), &map.Block(1, 0));
    EXPECT_FLOAT_EQ(fighter.Body().X(), 2.0f);
}

TEST(FighterWalking, ABlockedWayEndsInWaitWithoutMoving) {
    struct TCase {
        const char* what;
        std::vector<std::string> rows;
        std::uint8_t dir;
    };
    const std::vector<TCase> cases = {{"wall", {".#."}, DW_East},
                                      {"occupied", {".E."}, DW_East},
                                      {"edge", {"..."}, DW_North},
                                      {"cut corner", {"#.", ".."}, DW_NorthEast},
                                      {"chest", {".B."}, DW_East}};
    for (const TCase& c : cases) {
        std::vector<std::string> rows = c.rows;
        bool enemyAhead = false;
        for (auto& row : rows) {
            if (const auto at = row.find('E'); at != std::string::npos) {
                row[at] = '.';
                enemyAhead = true;
            }
        }
        TTestMap map(rows);
        if (enemyAhead) {
            map.PlaceEnemy(1, 0, DW_West);
        }
        const int y = static_cast<int>(rows.size()) - 1;
        TTestFighter& fighter = map.PlaceEnemy(0, y, c.dir);
        Enter(fighter, das_Walk);
        EXPECT_EQ(fighter.GetStateId(), das_Wait) << c.what;
        EXPECT_EQ(fighter.GetBlock(), &map.Block(0, y)) << c.what;
        EXPECT_EQ(map.Block(0, y).GetGuest(), &fighter) << c.what;
        EXPECT_EQ(fighter.GetDestination(), nullptr) << c.what;
        EXPECT_FLOAT_EQ(fighter.Body().X(), 0.0f) << c.what;
    }
}

TEST(FighterWalking, AWalkSeenFromAThirdFighter) {
    TTestMap map({"...."});
    TTestFighter& walker = map.PlaceEnemy(1, 0, DW_East);
    TTestFighter& follower = map.PlaceEnemy(0, 0, DW_East);
    TTestFighter& oncoming = map.PlaceEnemy(3, 0, DW_West);
    Enter(walker, das_Walk);
    walker.Tick();
    Enter(oncoming, das_Walk);
    EXPECT_EQ(oncoming.GetStateId(), das_Wait) << "the block being walked to is taken";
    Enter(follower, das_Walk);
    EXPECT_EQ(follower.GetStateId(), das_Walk) << "the block being left is free";
    walker.TickUntilFinished();
    follower.TickUntilFinished();
    EXPECT_EQ(map.Block(1, 0).GetGuest(), &follower);
    EXPECT_EQ(map.Block(2, 0).GetGuest(), &walker);
}

TEST(FighterWalking, OnlyTheHeroineWalksOntoFloorsThatRefuseOthers) {
    TTestMap map({"...", "..."});
    auto floar = std::make_unique<TTestFloar>();
    floar->othersMayEnter = false;
    TTestFloar& refusing = *floar;
    map.Block(1, 0).SetFloarActer(std::move(floar));
    TTestFighter& enemy = map.PlaceEnemy(0, 0, DW_East);
    TTestFighter& hero = map.PlaceHero(1, 1, DW_North);
    Enter(enemy, das_Walk);
    EXPECT_EQ(enemy.GetStateId(), das_Wait);
    Enter(hero, das_Walk);
    hero.TickUntilFinished();
    EXPECT_EQ(hero.GetBlock(), &map.Block(1, 0));
    EXPECT_EQ(refusing.heroArrivals, 1);
}

TEST(FighterWalking, AWayOutsideTheEightDirectionsIsAnError) {
    TTestMap map({"..."});
    TTestFighter& fighter = map.PlaceEnemy(0, 0, DW_East);
    Enter(fighter, das_Walk);
    fighter.SetDirection(9);
    EXPECT_EQ(GameErrorOf([&] { fighter.Tick(); }), Sjis("歩行実行エラー"));
}

TEST_F(FighterStatus, AnAttackThroughTheDefenceTakesOneHitPoint) {
    struct TCase {
        int attack;
        int defence;
        DA_State result;
        int hpLeft;
    };
    const TCase cases[] = {{3, 3, das_Guard, 5}, {4, 3, das_Damaged, 4}, {2, 3, das_Guard, 5}};
    for (const TCase& c : cases) {
        TTestMap map({".."});
        TTestFighter& attacker = map.PlaceHero(0, 0, DW_East, {5, c.attack, 3});
        TTestFighter& target = map.PlaceEnemy(1, 0, DW_West, {5, 3, c.defence});
        Enter(attacker, das_Attack);
        EXPECT_FALSE(attacker.Tick());
        EXPECT_EQ(target.GetStateId(), c.result) << c.attack;
        EXPECT_EQ(target.GetHP(), c.hpLeft) << c.attack;
        EXPECT_TRUE(attacker.Tick() || attacker.Tick()) << "the attack lasts three ticks";
        EXPECT_EQ(attacker.GetStateId(), das_Null);
    }
    EXPECT_EQ(status->calls, "hp:4 ");
}

TEST_F(FighterStatus, ADiagonalHitLandsOnlyPastTwoOpenCorners) {
    // The attacker at (0, 1) strikes north-east at (1, 0); the corners are
    // (0, 0) and (1, 1).
    struct TCase {
        std::vector<std::string> rows;
        int hpLeft;
    };
    const std::vector<TCase> cases = {
        {{"..", ".."}, 4}, {{"#.", ".."}, 5}, {{"..", ".#"}, 5}, {{"..", ".B"}, 5}};
    for (const TCase& c : cases) {
        TTestMap map(c.rows);
        TTestFighter& attacker = map.PlaceHero(0, 1, DW_NorthEast, {5, 9, 3});
        TTestFighter& target = map.PlaceEnemy(1, 0, DW_SouthWest);
        Enter(attacker, das_Attack);
        attacker.TickUntilFinished();
        EXPECT_EQ(target.GetHP(), c.hpLeft) << c.rows[0] << "/" << c.rows[1];
        EXPECT_EQ(target.GetStateId(), c.hpLeft == 4 ? das_Damaged : das_Standby)
            << c.rows[0] << "/" << c.rows[1];
    }
    EXPECT_EQ(status->calls, "hp:4 ");
}

TEST_F(FighterStatus, AnAttackIntoABlockWithoutAFighterHitsNothing) {
    TTestMap map({"...", "#..", "..."});
    map.Block(1, 0).SetItem(TestItemActer(FloorItemRecord(BI_Key, 1, 1, 0)));
    TTestFighter& attacker = map.PlaceHero(1, 1, DW_North, {5, 9, 3});
    for (const std::uint8_t dir : {DW_North, DW_West, DW_East}) {
        attacker.SetDirection(dir);
        Enter(attacker, das_Attack);
        EXPECT_EQ(attacker.TickUntilFinished(), 3) << int(dir);
    }
    EXPECT_EQ(status->calls, "");
}

TEST_F(FighterStatus, AFighterWithOneHitPointFallsAfterItsDamage) {
    TTestMap map({".."});
    TTestFighter& attacker = map.PlaceHero(0, 0, DW_East, {5, 4, 3});
    TTestFighter& target = map.PlaceEnemy(1, 0, DW_West, {1, 3, 3});
    Enter(attacker, das_Attack);
    attacker.Tick();
    EXPECT_EQ(target.GetHP(), 0);
    EXPECT_FALSE(target.Tick());
    EXPECT_FALSE(target.Tick());
    EXPECT_FALSE(target.Tick());
    EXPECT_FALSE(target.Tick()) << "the end of the damage does not finish the turn";
    EXPECT_EQ(target.GetStateId(), das_Dying);
    const float tilt = target.Body().Matrix().Rotation().x;
    EXPECT_EQ(target.TickUntilFinished(), 4);
    EXPECT_FLOAT_EQ(target.Body().Matrix().Rotation().x - tilt, -67.5f);
    EXPECT_EQ(target.Body().Motions(), (std::vector<std::int16_t>{TFakeBody::Stopped, 2, 3}));

    target.Die();
    EXPECT_EQ(map.Block(1, 0).GetGuest(), nullptr);
    EXPECT_EQ(target.GetBlock(), &map.Block(1, 0)) << "the map still knows where it stood";
    EXPECT_EQ(status->calls, "hp:0 forget ");
}

TEST(FighterDamage, ASurvivingFighterEndsItsDamageInTheNullState) {
    TTestMap map({".."});
    TTestFighter& target = map.PlaceEnemy(1, 0, DW_West, {2, 3, 3});
    target.AttackedBy(map.PlaceHero(0, 0, DW_East, {5, 4, 3}));
    EXPECT_EQ(target.TickUntilFinished(), 4);
    EXPECT_EQ(target.GetStateId(), das_Null);
    EXPECT_EQ(target.GetHP(), 1);
}

TEST(FighterStates, EachStatePlaysItsMotionAndLastsItsSteps) {
    struct TCase {
        DA_State id;
        std::int16_t motion;
        int steps;
    };
    const TCase cases[] = {{das_Standby, TFakeBody::Stopped, 0},
                           {das_Wait, TFakeBody::Stopped, 0},
                           {das_Attack, 1, 3},
                           {das_Damaged, 2, 4},
                           {das_Dying, 3, 4},
                           {das_Guard, 4, 3}};
    for (const TCase& c : cases) {
        TTestMap map({"..."});
        TTestFighter& fighter = map.PlaceEnemy(1, 0, DW_North, {5, 3, 3});
        Enter(fighter, c.id);
        EXPECT_EQ(fighter.Body().Motion(), c.motion) << int(c.id);
        EXPECT_EQ(fighter.GetState()->GetDuration(), c.steps) << int(c.id);
    }
}

TEST(FighterStates, WaitingTakesAnyOrderButAnotherWait) {
    TTestMap map({"..."});
    TTestFighter& fighter = map.PlaceHero(1, 0, DW_North);
    fighter.Reserve(fighter.StateOf(das_Wait));
    fighter.Tick();
    EXPECT_EQ(fighter.GetStateId(), das_Wait);
    fighter.Reserve(fighter.StateOf(das_Guard));
    fighter.Tick();
    EXPECT_EQ(fighter.GetStateId(), das_Guard);
}

TEST(FighterStates, AStateOutsideTheFighterSetHasNoMotion) {
    TTestMap map({"..."});
    TTestFighter& fighter = map.PlaceEnemy(1, 0, DW_North);
    Tdast_Fighter stray(das_TurnOn, fighter);
    EXPECT_EQ(GameErrorOf([&] { stray.Enter(); }),
              Sjis("カレントステイト初期設定でアクターモーションセットの例外"));
}

TEST(FighterStates, PlacingPutsTheBodyOnTheBlockFacingItsWay) {
    TTestMap map({"...", "..."});
    TTestFighter& fighter = map.PlaceEnemy(2, 1, DW_West);
    EXPECT_FLOAT_EQ(fighter.Body().X(), 4.0f);
    EXPECT_FLOAT_EQ(fighter.Body().Z(), -2.0f);
    EXPECT_FLOAT_EQ(fighter.Body().Turned(), 90.0f);
    EXPECT_EQ(fighter.GetDestination(), nullptr);
}

} // namespace
