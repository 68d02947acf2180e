#include "activemap/Activemaptown.h"
#include "actors/Hero.h"
#include "platform/SjisText.h"
#include "save/Savetown.h"
#include "support/VillageWorld.h"
#include "village/People.h"
#include "village/Talk.h"

#include <gtest/gtest.h>

namespace {

// The test content's village square: the heroine arrives at (24, 3) facing
// south, onto the way out below her; the tavern's exit lies at (20, 4).
// The innkeeper (7) stands at (10, 2), the mayor (3) at (14, 3).
class VillageTurns : public ::testing::Test {
protected:
    VillageTurns() { world.Enter(); }

    TActiveMapTown& Map() const { return *world.Map(); }
    THero& Hero() const { return world.Hero(); }

    TVillageWorld world;
};

TEST_F(VillageTurns, AStepWaitsFourTicksADashOneTickACellAndATurnNoStepAtAll) {
    struct TCase {
        const char* what;
        std::uint8_t facing;
        std::function<std::string()> play;
        const char* states;
        int endX;
    };
    const TCase cases[] = {
        {"step", DW_East, [&] { return world.Step(DW_East); }, "1x4 0x1", 17},
        // Held, she walks on at the step's end.
        {"held", DW_East,
         [&] {
             Map().OrderMove(DW_East);
             const std::string first = world.Play(5);
             Map().OrderStop();
             return first + " " + world.PlayTurn();
         },
         "1x5 1x3 0x1", 18},
        // A dash goes on until the wall stops her.
        {"dash", DW_East,
         [&] {
             Map().OrderDash(DW_East);
             return world.PlayTurn();
         },
         "13x8 0x1", 24},
        // Turning on the spot is no step: the village keeps waiting.
        {"turn", DW_North,
         [&] {
             Map().OrderMove(DW_East);
             const std::string first = world.Play(1);
             Map().OrderStop();
             return first + " " + world.Play(8);
         },
         "0x1 0x8", 16},
        // A turn ordered during a step follows it, then the village waits.
        {"turn after a step", DW_West,
         [&] {
             Map().OrderMove(DW_West);
             const std::string first = world.Play(2);
             Map().OrderMove(DW_East);
             const std::string second = world.Play(3);
             Map().OrderStop();
             return first + " " + second + " " + world.PlayTurn();
         },
         "1x2 1x2 14x1 14x7 0x1", 15},
    };
    for (const TCase& c : cases) {
        world.Put(16, 1, c.facing);
        EXPECT_EQ(c.play(), c.states) << c.what;
        EXPECT_TRUE(world.At(c.endX, 1)) << c.what;
        EXPECT_EQ(Hero().GetDirection(), DW_East) << c.what;
        EXPECT_EQ(Hero().GetStateId(), das_Wait) << c.what;
        EXPECT_EQ(CurrentTownSave().hero.x, c.endX) << c.what;
    }
    EXPECT_EQ(world.heroes.scenes.calls.find("area"), std::string::npos);
}

TEST_F(VillageTurns, ASwingAtTheHedgeIsAnActionAndNoStep) {
    world.Put(16, 1, DW_North);
    EXPECT_EQ(world.Act(), "2x3 0x1");
    EXPECT_TRUE(world.At(16, 1));
    EXPECT_EQ(Hero().GetStateId(), das_Wait);
}

TEST_F(VillageTurns, AnAreaExitRebuildsTheMapForTheTavernAfterTenTicks) {
    world.Put(20, 3, DW_South);
    EXPECT_EQ(world.Step(DW_South), "1x4 5x10 0x1");
    EXPECT_EQ(world.heroes.scenes.calls, "area ");
    EXPECT_EQ(world.Map()->GetNumber(), 1);
    EXPECT_TRUE(world.At(2, 2));
    EXPECT_EQ(Hero().GetStateId(), das_Wait);
}

TEST_F(VillageTurns, TheWayOutLeavesForTheEntranceScreenAfterTenTicks) {
    EXPECT_EQ(world.Step(DW_South), "1x4 6x10 -x1");
    EXPECT_EQ(world.heroes.scenes.calls, "entrance ");
    EXPECT_EQ(world.Map(), nullptr);
}

TEST_F(VillageTurns, ATalkHoldsTheMapUntilItsLastLineAndChoicesDoNotEndIt) {
    world.Put(11, 2, DW_West);
    TPeople& innkeeper = world.Person(7);
    Map().OrderAction();
    EXPECT_EQ(world.Play(30), "7x30");
    // She spoke to him from the east: he faces her.
    EXPECT_EQ(innkeeper.GetDirection(), DW_East);
    EXPECT_EQ(Hero().GetStateId(), das_Talk);
    EXPECT_EQ(world.talkView.Taken(), std::vector<std::string>{Sjis("いらっしゃい。")});

    // Commands given meanwhile wait for the talk to end.
    Map().OrderMove(DW_North);
    TTalkOperator::Instance().NextLine();
    EXPECT_EQ(world.Play(20), "7x20");
    EXPECT_EQ(world.talkView.Taken(),
              (std::vector<std::string>{Sjis("洞窟へ行くのかい?\n気をつけてな。."),
                                        Sjis("[はい|いいえ]")}));
    EXPECT_TRUE(world.At(11, 2));

    Map().OrderStop();
    TTalkOperator::Instance().Choose(0);
    EXPECT_EQ(world.Play(1), "0x1");
    EXPECT_EQ(world.talkView.Taken(), std::vector<std::string>{Sjis("がんばれよ。.")});
    EXPECT_EQ(innkeeper.Talks().GetTalkNo(), 3u);
    EXPECT_EQ(Hero().GetStateId(), das_Wait);
}

TEST_F(VillageTurns, AOneLineTalkAcrossTheTavernCounterEndsTheNextTick) {
    world.Put(20, 3, DW_South);
    world.Step(DW_South);
    // The counter stands at (2, 1), the mayor behind it at (1, 1).
    world.Put(3, 1, DW_West);
    EXPECT_EQ(world.Act(), "7x1 0x1");
    EXPECT_EQ(world.talkView.Taken(), std::vector<std::string>{Sjis("村へようこそ。.")});
    EXPECT_EQ(world.Person(3).GetDirection(), DW_East);
}

} // namespace
