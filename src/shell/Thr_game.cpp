#include "shell/Thr_game.h"

#include "activemap/Activemap.h"
#include "activemap/Drawmaster.h"

namespace {

// Tick counts wrap at 2^32, so times are compared by their distance: a time
// up to half the counter's range behind the current tick is in the past.
bool Reached(std::uint32_t now, std::uint32_t time) {
    return static_cast<std::int32_t>(now - time) >= 0;
}

bool Overdue(std::uint32_t now, std::uint32_t time) {
    return static_cast<std::int32_t>(now - time) > 0;
}

} // namespace

TThr_Game::TThr_Game(const ITickClock& tickClock, const TWorkerThreadFactory& makeThread)
    : clock(tickClock), thread(makeThread([this] { Execute(); })) {
    thread->SetPriority(TThreadPriority::Lower);
}

TThr_Game::~TThr_Game() {
    thread->TerminateAndWait();
}

void TThr_Game::Attach(TDrawMaster* newDrawMaster, IActiveMap* newStepTarget) {
    drawMaster = newDrawMaster;
    stepTarget = newStepTarget;
    startTick = clock.Ticks();
    stepCount = 0;
    thread->Wake();
}

void TThr_Game::Suspend() {
    thread->Suspend();
}

void TThr_Game::Resume() {
    thread->Resume();
}

bool TThr_Game::Suspended() const {
    return thread->Suspended();
}

void TThr_Game::SetPriorityLevel(int level) {
    switch (level) {
    case 0:
        thread->SetPriority(TThreadPriority::Normal);
        break;
    case 1:
        thread->SetPriority(TThreadPriority::Lower);
        break;
    case 2:
        thread->SetPriority(TThreadPriority::Lowest);
        break;
    default:
        break;
    }
}

TThreadPriority TThr_Game::Priority() const {
    return thread->Priority();
}

void TThr_Game::Execute() {
    // A pass with no step due sleeps until the due time instead of asking
    // again at once; Attach, Resume and termination wake it early.
    while (thread->WaitWhileSuspended()) {
        std::uint32_t wait = 0;
        thread->Synchronize([this, &wait] { wait = GameStep(); });
        if (wait > 0) {
            thread->SleepFor(wait);
        }
    }
}

std::uint32_t TThr_Game::GameStep() {
    // A hand-over queued just before a suspension must not step a map that
    // the scene change behind the suspension is replacing.
    if (thread->Suspended()) {
        return 0;
    }
    if (!stepTarget) {
        return static_cast<std::uint32_t>(period);
    }
    if (stepCount != 0) {
        const std::uint32_t due = DueTime(stepCount);
        if (!Reached(clock.Ticks(), due)) {
            return MillisecondsUntil(due);
        }
    }
    stepTarget->Update();
    // Update may have re-anchored the schedule (a scene change calls Attach):
    // the draw test below already runs on the new one.
    if (!Overdue(clock.Ticks(), DueTime(stepCount + 1)) && !thread->Suspended() && drawMaster) {
        drawMaster->DrawScene();
    }
    ++stepCount;
    return MillisecondsUntil(DueTime(stepCount));
}

std::uint32_t TThr_Game::DueTime(std::uint32_t step) const {
    // Extended precision, truncated, then taken modulo 2^32 like the tick count.
    const long double due = static_cast<long double>(startTick) +
                            static_cast<long double>(step) * static_cast<long double>(period);
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(due));
}

std::uint32_t TThr_Game::MillisecondsUntil(std::uint32_t dueTime) const {
    const auto left = static_cast<std::int32_t>(dueTime - clock.Ticks());
    return left > 0 ? static_cast<std::uint32_t>(left) : 0;
}
