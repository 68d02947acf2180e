#include "shell/Thr_game.h"

#include "activemap/Activemap.h"
#include "activemap/Drawmaster.h"
#include "platform/GameError.h"
#include "platform/InlineWorkerThread.h"
#include "platform/SjisText.h"
#include "shell/FakeActiveMap.h"

#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace {

using TRecordingMap = TFakeActiveMap;

class TRecordingDraw final : public TDrawMaster {
public:
    explicit TRecordingDraw(const TRecordingMap& drawnMap) : map(drawnMap) {}
    // Which update each drawn frame showed.
    void DrawScene() override { drawnUpdates.push_back(map.updates); }

    const TRecordingMap& map;
    std::vector<int> drawnUpdates;
};

class GameLoop : public testing::Test {
protected:
    GameLoop() : loop(clock, TInlineWorkerThread::Factory(thread)) {}

    void AttachAt(std::uint32_t tick) {
        clock.Set(tick);
        loop.Attach(&draw, &map);
        loop.Resume();
    }

    TVirtualTickClock clock;
    TInlineWorkerThread* thread = nullptr;
    TThr_Game loop;
    TRecordingMap map;
    TRecordingDraw draw{map};
};

} // namespace

TEST_F(GameLoop, FirstStepRunsAtOnceAndIsDrawnWithinItsPeriod) {
    struct TCase {
        std::uint32_t late;
        bool drawn;
    };
    for (const TCase c : {TCase{0, true}, TCase{80, true}, TCase{81, false}}) {
        AttachAt(1000);
        map.updates = 0;
        draw.drawnUpdates.clear();
        clock.Set(1000 + c.late);
        loop.GameStep();
        EXPECT_EQ(map.updates, 1) << c.late;
        EXPECT_EQ(draw.drawnUpdates.size(), c.drawn ? 1u : 0u) << c.late;
        EXPECT_EQ(loop.StepCount(), 1u);
    }
}

TEST_F(GameLoop, PassesBeforeTheDueTimeChangeNothing) {
    AttachAt(5000);
    EXPECT_EQ(loop.GameStep(), 80u);
    clock.Set(5079);
    EXPECT_EQ(loop.GameStep(), 1u);
    EXPECT_EQ(loop.GameStep(), 1u);
    EXPECT_EQ(map.updates, 1);
    EXPECT_EQ(draw.drawnUpdates.size(), 1u);
    EXPECT_EQ(loop.StepCount(), 1u);
    clock.Set(5080);
    EXPECT_EQ(loop.GameStep(), 80u);
    EXPECT_EQ(map.updates, 2);
    EXPECT_EQ(loop.StepCount(), 2u);
}

TEST_F(GameLoop, ASlowStepSkipsDrawingUntilTheGameHasCaughtUp) {
    const std::uint32_t start = 10000;
    AttachAt(start);
    const std::uint32_t k = 5;
    for (std::uint32_t step = 0; step < k; ++step) {
        clock.Set(start + 80 * step);
        loop.GameStep();
    }
    ASSERT_EQ(map.updates, 5);
    ASSERT_EQ(draw.drawnUpdates.size(), 5u);

    // Step k starts on time and its update takes 250 ms.
    clock.Set(start + 80 * k);
    map.onUpdate = [&] {
        if (map.updates == 6) {
            clock.Advance(250);
        }
    };
    loop.GameStep(); // step k
    loop.GameStep(); // k+1
    loop.GameStep(); // k+2
    EXPECT_EQ(map.updates, 8);
    EXPECT_EQ(draw.drawnUpdates.size(), 5u) << "steps k to k+2 go undrawn";
    EXPECT_EQ(loop.GameStep(), 70u); // k+3, drawn; k+4 due at +320
    EXPECT_EQ(map.updates, 9);
    EXPECT_EQ(draw.drawnUpdates, (std::vector<int>{1, 2, 3, 4, 5, 9}));
    loop.GameStep();
    EXPECT_EQ(map.updates, 9) << "step k+4 waits for its due time";
    clock.Set(start + 80 * (k + 4));
    loop.GameStep();
    EXPECT_EQ(map.updates, 10);
    EXPECT_EQ(loop.StepCount(), k + 5) << "no step dropped";
}

TEST_F(GameLoop, DueTimesWrapAtTwoToTheThirtyTwo) {
    const std::uint32_t start = 0xFFFFFFFFu - 99; // step 1 due at 2^32-20, step 2 at 60
    AttachAt(start);
    loop.GameStep();
    clock.Set(0xFFFFFFFFu - 21);
    loop.GameStep();
    EXPECT_EQ(map.updates, 1) << "step 1 not yet due";
    clock.Set(4); // the counter wrapped past step 1's due time
    EXPECT_EQ(loop.GameStep(), 56u);
    EXPECT_EQ(map.updates, 2);
    EXPECT_EQ(draw.drawnUpdates.size(), 2u);
    clock.Set(59);
    loop.GameStep();
    EXPECT_EQ(map.updates, 2) << "step 2 is due at 60 after the wrap";
    clock.Set(60);
    loop.GameStep();
    EXPECT_EQ(map.updates, 3);
    EXPECT_EQ(draw.drawnUpdates.size(), 3u);
}

TEST_F(GameLoop, DueTimeBeyondTheWrapIsNotReachedBeforeTheCounterWraps) {
    AttachAt(0xFFFFFFFFu - 99);
    loop.GameStep();
    clock.Set(0xFFFFFFFFu - 19);
    loop.GameStep();
    ASSERT_EQ(map.updates, 2);
    clock.Set(0xFFFFFFFFu - 5); // step 2 is due at 60, after the wrap
    EXPECT_EQ(loop.GameStep(), 66u);
    EXPECT_EQ(map.updates, 2);
}

TEST_F(GameLoop, AttachInsideAStepReanchorsTheScheduleInMidPass) {
    AttachAt(2000);
    loop.GameStep();
    TRecordingMap nextMap;
    TRecordingDraw nextDraw(nextMap);
    // Step 1 runs 200 ms late and changes the scene: under the old schedule
    // it would go undrawn, under the new one it is drawn.
    clock.Set(2280);
    map.onUpdate = [&] { loop.Attach(&nextDraw, &nextMap); };
    EXPECT_EQ(loop.GameStep(), 80u);
    EXPECT_EQ(nextDraw.drawnUpdates.size(), 1u);
    EXPECT_EQ(loop.StepCount(), 1u);
    clock.Set(2359);
    loop.GameStep();
    EXPECT_EQ(nextMap.updates, 0);
    clock.Set(2360);
    loop.GameStep();
    EXPECT_EQ(nextMap.updates, 1) << "the new map's first update comes 80 ms after the change";
    EXPECT_EQ(map.updates, 2);
}

TEST_F(GameLoop, EachPassOfTheWorkerIsOneHandOverThatSleepsUntilTheNextStep) {
    AttachAt(3000);
    EXPECT_EQ(thread->RunPass(), 80u);
    EXPECT_EQ(map.updates, 1);
    clock.Set(3030);
    EXPECT_EQ(thread->RunPass(), 50u) << "a pass before the due time only waits";
    EXPECT_EQ(map.updates, 1);
    loop.Suspend();
    EXPECT_EQ(thread->RunPass(), std::nullopt);
}

TEST_F(GameLoop, SuspensionDuringAStepSuppressesItsDrawing) {
    AttachAt(0);
    map.onUpdate = [&] { loop.Suspend(); };
    loop.GameStep();
    EXPECT_EQ(map.updates, 1);
    EXPECT_TRUE(draw.drawnUpdates.empty());
    EXPECT_EQ(loop.StepCount(), 1u);
}

TEST_F(GameLoop, NoStepRunsWhileSuspended) {
    AttachAt(0);
    loop.Suspend();
    clock.Set(800);
    loop.GameStep();
    EXPECT_EQ(map.updates, 0);
    EXPECT_EQ(loop.StepCount(), 0u);
}

TEST_F(GameLoop, AnExceptionInAStepTravelsOut) {
    AttachAt(0);
    map.onUpdate = [] { throw TGameError(Sjis("テスト")); };
    EXPECT_THROW(loop.GameStep(), TGameError);
    EXPECT_EQ(loop.StepCount(), 0u);
}

TEST_F(GameLoop, PriorityLevels) {
    EXPECT_EQ(loop.Priority(), TThreadPriority::Lower) << "lower after construction";
    struct TCase {
        int level;
        TThreadPriority expected;
    };
    const TCase cases[] = {{0, TThreadPriority::Normal},  {2, TThreadPriority::Lowest},
                           {-1, TThreadPriority::Lowest}, {1, TThreadPriority::Lower},
                           {3, TThreadPriority::Lower},   {0, TThreadPriority::Normal}};
    for (const TCase& c : cases) {
        loop.SetPriorityLevel(c.level);
        EXPECT_EQ(loop.Priority(), c.expected) << c.level;
    }
}
