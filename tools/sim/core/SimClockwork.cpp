#include "core/SimClockwork.h"

#include "platform/InlineWorkerThread.h"
#include "platform/TickClock.h"
#include "platform/VirtualTimers.h"

namespace {

bool Before(std::uint32_t time, std::uint32_t end) {
    return static_cast<std::int32_t>(time - end) < 0;
}

} // namespace

TSimClockwork::TSimClockwork(TVirtualTickClock& tickClock, TVirtualTimers& virtualTimers,
                             TInlineWorkerThread* const& loopThread,
                             std::function<void()> settleEvents)
    : clock(tickClock), timers(virtualTimers), thread(loopThread), settle(std::move(settleEvents)) {
}

void TSimClockwork::Wake() {
    nextPass = clock.Ticks();
}

void TSimClockwork::Step() {
    const std::uint32_t end = clock.Ticks() + StepMilliseconds;
    while (RunNextBefore(end)) {
    }
    clock.Set(end);
    ++steps;
}

bool TSimClockwork::RunNextBefore(std::uint32_t end) {
    const std::uint32_t now = clock.Ticks();
    const std::uint32_t passTime = Before(nextPass, now) ? now : nextPass;
    const bool passDue =
        thread && !thread->Suspended() && !thread->Terminated() && Before(passTime, end);
    const auto timerDue = timers.NextDue();
    const bool tickDue = timerDue && Before(*timerDue, end);
    // A pass and a tick at the same time: the pass first.
    if (passDue && (!tickDue || !Before(*timerDue, passTime))) {
        clock.Set(passTime);
        const auto sleep = thread->RunPass();
        nextPass = clock.Ticks() + sleep.value_or(0);
        settle();
        return true;
    }
    if (tickDue) {
        clock.Set(*timerDue);
        timers.FireNext();
        settle();
        Wake();
        return true;
    }
    return false;
}
