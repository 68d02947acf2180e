#pragma once

#include <cstdint>
#include <functional>
#include <memory>

enum class TThreadPriority { Normal, Lower, Lowest };

// A worker thread that runs one body. It is created suspended: the body
// starts with the first Resume. The body is a loop whose every pass begins
// with WaitWhileSuspended and uses the worker-side operations; everything
// else is called from the user-interface thread.
class IWorkerThread {
public:
    // Destruction terminates the body and waits for it.
    virtual ~IWorkerThread() = default;

    virtual void Suspend() = 0;
    virtual void Resume() = 0;
    virtual bool Suspended() const = 0;
    virtual void SetPriority(TThreadPriority priority) = 0;
    virtual TThreadPriority Priority() const = 0;
    // Ends a SleepFor of the body early.
    virtual void Wake() = 0;
    // Sets the terminated flag, wakes the body if it is suspended or asleep
    // and waits until it has returned.
    virtual void TerminateAndWait() = 0;

    // Worker side. Blocks while the thread is suspended; false once terminated.
    virtual bool WaitWhileSuspended() = 0;
    virtual bool Terminated() const = 0;
    // Runs `work` on the user-interface thread and waits until it has
    // finished there; an exception raised by `work` is raised again here.
    virtual void Synchronize(const std::function<void()>& work) = 0;
    // Sleeps until the time is up, Wake or Resume is called, or the thread is terminated.
    virtual void SleepFor(std::uint32_t milliseconds) = 0;
};

using TWorkerBody = std::function<void()>;
using TWorkerThreadFactory = std::function<std::unique_ptr<IWorkerThread>(TWorkerBody body)>;
