#pragma once

#include "platform/IntervalTimer.h"
#include "platform/TickClock.h"

#include <cstdint>
#include <optional>
#include <vector>

// Interval timers on a virtual clock. Nothing fires by itself: whoever moves
// the clock fires the timers that have come due, one at a time, in the order
// of their due times and, for equal times, of their making. It must outlive
// the timers it makes.
class TVirtualTimers {
public:
    explicit TVirtualTimers(const TVirtualTickClock& clock);
    ~TVirtualTimers();
    TVirtualTimers(const TVirtualTimers&) = delete;
    TVirtualTimers& operator=(const TVirtualTimers&) = delete;

    TIntervalTimerFactory Factory();

    // The due time of the running timer that fires next, if any runs.
    std::optional<std::uint32_t> NextDue() const;
    // Fires the next timer if it is due by the clock's time; answers whether
    // one fired. Its next tick is due one interval after this one.
    bool FireNext();

private:
    class TTimer;
    TTimer* Next() const;

    const TVirtualTickClock& clock;
    // In the order of making.
    std::vector<TTimer*> timers;
};
