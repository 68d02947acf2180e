#pragma once

#include "platform/SingleInstance.h"
#include "platform/TickClock.h"
#include "platform/WorkerThread.h"

#include <cstdint>
#include <memory>

class IActiveMap;
class TDrawMaster;

// The game loop: a step of 80 ms on an absolute schedule. The worker thread
// only paces; every step runs on the user-interface thread through the
// hand-over, so game state is touched by one thread only. A program-wide
// single object made by the dungeon operator.
class TThr_Game : public TSingleInstance<TThr_Game> {
public:
    // Created suspended with the lower priority, paced by `tickClock`.
    TThr_Game(const ITickClock& tickClock, const TWorkerThreadFactory& makeThread);
    // Terminates the loop and waits for it.
    ~TThr_Game();
    TThr_Game(const TThr_Game&) = delete;
    TThr_Game& operator=(const TThr_Game&) = delete;

    // Restarts the schedule at the current time on a new map.
    void Attach(TDrawMaster* drawMaster, IActiveMap* stepTarget);
    void Suspend();
    void Resume();
    bool Suspended() const;
    // 0 normal, 1 lower, 2 lowest; any other value changes nothing.
    void SetPriorityLevel(int level);
    TThreadPriority Priority() const;

    // One pass on the user-interface thread: the step if it is due, and its
    // drawing unless the next step is overdue. Returns the milliseconds until
    // the next step is due (0 when it is due already).
    std::uint32_t GameStep();
    std::uint32_t StepCount() const { return stepCount; }

private:
    void Execute();
    std::uint32_t DueTime(std::uint32_t step) const;
    std::uint32_t MillisecondsUntil(std::uint32_t dueTime) const;

    TDrawMaster* drawMaster = nullptr;
    IActiveMap* stepTarget = nullptr;
    std::uint32_t startTick = 0;
    std::uint32_t stepCount = 0;
    float period = 80.0f;

    const ITickClock& clock;
    std::unique_ptr<IWorkerThread> thread;
};
