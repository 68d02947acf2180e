#pragma once

#include "platform/WorkerThread.h"

#include <cstdint>
#include <optional>

// A worker thread without a thread: the body runs on the caller's thread, one
// pass at a time, when RunPass is called. Each WaitWhileSuspended of the body
// admits exactly one pass; hand-overs run at once and a sleep is recorded as
// the pass's answer. Tests and the headless simulator drive the game loop
// with it on a virtual clock, so that nothing waits for real time. An
// exception of a hand-over reaches the caller of RunPass.
class TInlineWorkerThread final : public IWorkerThread {
public:
    explicit TInlineWorkerThread(TWorkerBody body);

    // Makes inline threads and remembers the last one made, for its driver.
    static TWorkerThreadFactory Factory(TInlineWorkerThread*& made);

    // One pass of the body: none while suspended or terminated; otherwise the
    // milliseconds the body then asked to sleep (0 when it asked for none).
    std::optional<std::uint32_t> RunPass();

    void Suspend() override { suspended = true; }
    void Resume() override { suspended = false; }
    bool Suspended() const override { return suspended; }
    void SetPriority(TThreadPriority newPriority) override { priority = newPriority; }
    TThreadPriority Priority() const override { return priority; }
    void Wake() override {}
    void TerminateAndWait() override { terminated = true; }

    bool WaitWhileSuspended() override;
    bool Terminated() const override { return terminated; }
    void Synchronize(const std::function<void()>& work) override { work(); }
    void SleepFor(std::uint32_t milliseconds) override { sleep = milliseconds; }

private:
    TWorkerBody body;
    bool suspended = true;
    bool terminated = false;
    bool passAdmitted = false;
    std::uint32_t sleep = 0;
    TThreadPriority priority = TThreadPriority::Normal;
};
