#pragma once

#include "platform/WorkerThread.h"

#include <QObject>
#include <QThread>
#include <atomic>
#include <condition_variable>
#include <mutex>

// The worker thread on Qt. Hand-overs to the user-interface thread are
// blocking queued calls; suspension is cooperative: the body stops at its
// next WaitWhileSuspended. An exception that escapes the body ends it and is
// written to standard error.
class TQtWorkerThread final : public IWorkerThread {
public:
    explicit TQtWorkerThread(TWorkerBody body);
    ~TQtWorkerThread() override;
    TQtWorkerThread(const TQtWorkerThread&) = delete;
    TQtWorkerThread& operator=(const TQtWorkerThread&) = delete;

    static TWorkerThreadFactory Factory();

    void Suspend() override;
    void Resume() override;
    bool Suspended() const override;
    void SetPriority(TThreadPriority priority) override;
    TThreadPriority Priority() const override;
    void Wake() override;
    void TerminateAndWait() override;

    bool WaitWhileSuspended() override;
    bool Terminated() const override;
    void Synchronize(const std::function<void()>& work) override;
    void SleepFor(std::uint32_t milliseconds) override;

private:
    class TRunner final : public QThread {
    public:
        explicit TRunner(TQtWorkerThread& thread) : owner(thread) {}

    protected:
        void run() override;

    private:
        TQtWorkerThread& owner;
    };

    TWorkerBody body;
    TRunner runner;
    // Lives on the user-interface thread; hand-overs are queued to it, so
    // waiting for the body can deliver exactly these and nothing else.
    QObject receiver;

    mutable std::mutex mutex;
    std::condition_variable changed;
    bool suspended = true;
    bool wakePending = false;
    bool started = false;
    std::atomic<bool> terminated = false;
    TThreadPriority priority = TThreadPriority::Normal;
};
