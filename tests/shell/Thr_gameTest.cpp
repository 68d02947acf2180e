#include "shell/Thr_game.h"

#include "activemap/Activemap.h"
#include "activemap/Drawmaster.h"
#include "platform/GameError.h"
#include "platform/SjisText.h"
#include "platform/qt/QtWorkerThread.h"
#include "shell/FakeActiveMap.h"
#include "support/qt/EventLoop.h"

#include <atomic>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace {

// Runs nothing on its own: the tests call GameStep as the hand-over would.
class TFakeWorkerThread final : public IWorkerThread {
public:
    void Suspend() override { suspended = true; }
    void Resume() override { suspended = false; }
    bool Suspended() const override { return suspended; }
    void SetPriority(TThreadPriority newPriority) override { priority = newPriority; }
    TThreadPriority Priority() const override { return priority; }
    void Wake() override { ++wakes; }
    void TerminateAndWait() override {}
    bool WaitWhileSuspended() override { return false; }
    bool Terminated() const override { return false; }
    void Synchronize(const std::function<void()>& work) override { work(); }
    void SleepFor(std::uint32_t) override {}

    bool suspended = true;
    TThreadPriority priority = TThreadPriority::Normal;
    int wakes = 0;
};

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
    GameLoop()
        : loop(clock, [this](TWorkerBody) {
              auto made = std::make_unique<TFakeWorkerThread>();
              thread = made.get();
              return made;
          }) {}

    void AttachAt(std::uint32_t tick) {
        clock.Set(tick);
        loop.Attach(&draw, &map);
        loop.Resume();
    }

    TVirtualTickClock clock;
    TFakeWorkerThread* thread = nullptr;
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

TEST_F(GameLoop, AttachWakesTheSleepingWorker) {
    const int before = thread->wakes;
    loop.Attach(&draw, &map);
    EXPECT_EQ(thread->wakes, before + 1);
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

namespace {

// Counts the worker's hand-overs to show that a waiting loop does not spin.
class TCountingThread final : public IWorkerThread {
public:
    explicit TCountingThread(TWorkerBody body) : inner(std::move(body)) {}
    void Suspend() override { inner.Suspend(); }
    void Resume() override { inner.Resume(); }
    bool Suspended() const override { return inner.Suspended(); }
    void SetPriority(TThreadPriority priority) override { inner.SetPriority(priority); }
    TThreadPriority Priority() const override { return inner.Priority(); }
    void Wake() override { inner.Wake(); }
    void TerminateAndWait() override { inner.TerminateAndWait(); }
    bool WaitWhileSuspended() override { return inner.WaitWhileSuspended(); }
    bool Terminated() const override { return inner.Terminated(); }
    void Synchronize(const std::function<void()>& work) override {
        ++handOvers;
        inner.Synchronize(work);
    }
    void SleepFor(std::uint32_t milliseconds) override { inner.SleepFor(milliseconds); }

    std::atomic<int> handOvers = 0;

private:
    TQtWorkerThread inner;
};

} // namespace

TEST(GameLoopThread, StepsEveryEightyMillisecondsWithoutSpinning) {
    TRealTickClock clock;
    TCountingThread* counting = nullptr;
    TThr_Game loop(clock, [&](TWorkerBody body) {
        auto made = std::make_unique<TCountingThread>(std::move(body));
        counting = made.get();
        return made;
    });
    TRecordingMap map;
    TRecordingDraw draw(map);
    loop.Attach(&draw, &map);
    loop.Resume();
    ProcessEventsFor(420); // steps 0 to 5 are due
    loop.Suspend();
    EXPECT_GE(map.updates, 5);
    EXPECT_LE(map.updates, 6);
    EXPECT_LE(counting->handOvers, 3 * map.updates + 3);
}

TEST(GameLoopThread, AnExceptionInAStepEndsTheLoopButNotTheProgram) {
    TRealTickClock clock;
    TThr_Game loop(clock, TQtWorkerThread::Factory());
    TRecordingMap map;
    map.onUpdate = [&] {
        if (map.updates == 2) {
            throw TGameError(Sjis("ループ停止"));
        }
    };
    loop.Attach(nullptr, &map);
    loop.Resume();
    ProcessEventsFor(400);
    EXPECT_EQ(map.updates, 2);
}
