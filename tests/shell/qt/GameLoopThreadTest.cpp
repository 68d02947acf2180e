#include "activemap/Drawmaster.h"
#include "platform/GameError.h"
#include "platform/SjisText.h"
#include "platform/qt/QtWorkerThread.h"
#include "shell/FakeActiveMap.h"
#include "shell/Thr_game.h"
#include "support/qt/EventLoop.h"

#include <atomic>
#include <gtest/gtest.h>

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
    TFakeActiveMap map;
    loop.Attach(nullptr, &map);
    loop.Resume();
    ProcessEventsFor(420); // steps 0 to 5 are due
    loop.Suspend();
    // The virtual clock proves the pacing exactly; on a busy machine real
    // time only shows that steps come and the worker does not spin.
    EXPECT_GE(map.updates, 2);
    EXPECT_LE(map.updates, 6);
    EXPECT_LE(counting->handOvers, 3 * map.updates + 3);
}

TEST(GameLoopThread, AnExceptionInAStepEndsTheLoopButNotTheProgram) {
    TRealTickClock clock;
    TThr_Game loop(clock, TQtWorkerThread::Factory());
    TFakeActiveMap map;
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
