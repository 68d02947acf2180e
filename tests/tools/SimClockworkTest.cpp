#include "core/SimClockwork.h"

#include "core/SimState.h"
#include "platform/GameError.h"
#include "platform/VirtualTimers.h"
#include "shell/App.h"
#include "shell/Dungoperator.h"
#include "shell/FakeActiveMap.h"
#include "support/TempFolder.h"
#include "support/TestBundle.h"
#include "support/TestContent.h"
#include "support/TestMap.h"

#include <gtest/gtest.h>
#include <string>

namespace {

// The real application controller on the test platform, its time run by the
// simulator's clockwork.
class SimClockwork : public testing::Test {
protected:
    SimClockwork() {
        InstallTestContent(folder.Path());
        app = std::make_unique<TApp>(mainWindow, platform.Bundle(), "Tessarine.ini");
    }
    ~SimClockwork() override { app.reset(); }

    TFakeActiveMap& EnterMap(int number = 1) {
        TFakeActiveMap* made = nullptr;
        app->DungOperator().EnterScene(
            [&made, number] {
                auto map = std::make_unique<TFakeActiveMap>(number);
                made = map.get();
                return map;
            },
            THeroWhereabouts::Dungeon);
        clockwork.Wake();
        return *made;
    }
    std::string Now() const { return std::to_string(platform.clock->Ticks()); }

    TTempFolder folder;
    TTestPlatform platform;
    TFakeMainWindow mainWindow;
    std::unique_ptr<TApp> app;
    TVirtualTimers timers{*platform.clock};
    int settled = 0;
    TSimClockwork clockwork{*platform.clock, timers, platform.thread, [this] { ++settled; }};
};

TEST_F(SimClockwork, AStepIsEightyMillisecondsWithOneGameStepOnTime) {
    TFakeActiveMap& map = EnterMap();
    std::string log;
    map.onUpdate = [&] { log += "update@" + Now() + " "; };
    auto timer = timers.Factory()(40, [&] { log += "tick@" + Now() + " "; });
    timer->Start();
    for (int i = 0; i < 3; ++i) {
        clockwork.Step();
    }
    EXPECT_EQ(log, "update@0 tick@40 update@80 tick@80 tick@120 update@160 tick@160 tick@200 ")
        << "a pass and a tick at the same time: the pass first";
    EXPECT_EQ(clockwork.Steps(), 3u);
    EXPECT_EQ(platform.clock->Ticks(), 240u);
    EXPECT_GT(settled, 0) << "events are delivered between passes and ticks";
}

TEST_F(SimClockwork, ASceneEnteredFromATimerIsSteppedFromThatMoment) {
    std::string log;
    TFakeActiveMap* map = nullptr;
    std::unique_ptr<IIntervalTimer> timer;
    timer = timers.Factory()(50, [&] {
        timer->Stop();
        map = &EnterMap(2);
        map->onUpdate = [&] { log += "update@" + Now() + " "; };
    });
    timer->Start();
    clockwork.Step();
    ASSERT_NE(map, nullptr);
    EXPECT_EQ(map->updates, 1) << "its first step at once, as a woken loop would run it";
    clockwork.Step();
    clockwork.Step();
    EXPECT_EQ(log, "update@50 update@130 update@210 ");
}

TEST_F(SimClockwork, ASuspendedLoopRunsNoStepsAndTimeGoesOn) {
    TFakeActiveMap& map = EnterMap();
    clockwork.Step();
    app->DungOperator().GameWindowClosed();
    clockwork.Step();
    clockwork.Step();
    EXPECT_EQ(map.updates, 1);
    EXPECT_EQ(platform.clock->Ticks(), 240u);
}

TEST_F(SimClockwork, AnErrorOfTheGameReachesTheCaller) {
    TFakeActiveMap& map = EnterMap();
    map.onUpdate = [] { throw TGameError("broken"); };
    EXPECT_THROW(clockwork.Step(), TGameError);
}

TEST_F(SimClockwork, TheStateLineReadsTheOperator) {
    TSimState state;
    ReadOperatorState(app->DungOperator(), state);
    EXPECT_EQ(state.Line(), "step=- where=0 stage=- map=none num=- mapstate=-1 hero=- hp=- atk=- "
                            "def=- lv=- next=- enemies=- items=- title=- story=- window=- "
                            "caption=- retry=- dialog=- dungeon=- keys=- sword=- herostate=- "
                            "front=- notice=- entrance=- automap=- seen=- talk=-");
    EnterMap(3);
    ReadOperatorState(app->DungOperator(), state);
    state.Set("caption", "ダンジョン 地下 3階");
    EXPECT_EQ(state.Value("where"), "2");
    EXPECT_EQ(state.Value("map"), "dungeon");
    EXPECT_EQ(state.Value("num"), "3");
    EXPECT_EQ(state.Value("mapstate"), "0");
    EXPECT_EQ(state.Value("enemies"), "0");
    EXPECT_EQ(state.Value("caption"), "ダンジョン_地下_3階") << "one word a field";
    EXPECT_EQ(state.Value("hero"), "0,0,0") << "the fake map's heroine on its one block";

    app->DungOperator().EnterScene(
        [] {
            auto map = std::make_unique<TTestMap>(
                std::initializer_list<std::string_view>{"#####", "#...#", "#...#", "#####"}, true);
            map->PlaceHero(3, 2, 6);
            return map;
        },
        THeroWhereabouts::Village);
    ReadOperatorState(app->DungOperator(), state);
    EXPECT_EQ(state.Value("map"), "village");
    EXPECT_EQ(state.Value("hero"), "3,2,6") << "her block and facing";
    EXPECT_EQ(state.Value("front"), "wall") << "south-west of her, the bottom row";
}

} // namespace
