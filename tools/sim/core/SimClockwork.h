#pragma once

#include <cstdint>
#include <functional>

class TInlineWorkerThread;
class TVirtualTickClock;
class TVirtualTimers;

// Runs the game's time on the virtual clock, with no real waiting: the game
// loop's passes and the interval timers each at its own time, in a fixed
// order, so the same commands always give the same game. One step is 80 ms
// of that time; with a map attached on time it holds exactly one game step.
class TSimClockwork {
public:
    static constexpr std::uint32_t StepMilliseconds = 80;

    // `thread` is where the bundle's thread factory leaves the game loop's
    // thread once the game has made it. `settle` runs after every pass and
    // every timer tick, as the event loop would run between them.
    TSimClockwork(TVirtualTickClock& clock, TVirtualTimers& timers,
                  TInlineWorkerThread* const& thread, std::function<void()> settle);

    // Something happened outside the loop (a command, a timer): the loop's
    // thread looks again at once, as a woken thread does.
    void Wake();
    // Runs 80 ms of game time. An exception of the game reaches the caller.
    void Step();
    std::uint64_t Steps() const { return steps; }

private:
    // Runs the earliest of the next pass and the next timer tick if it comes
    // before `end`; answers whether anything ran.
    bool RunNextBefore(std::uint32_t end);

    TVirtualTickClock& clock;
    TVirtualTimers& timers;
    TInlineWorkerThread* const& thread;
    std::function<void()> settle;
    // When the loop's thread asks again; a resumed thread asks at once.
    std::uint32_t nextPass = 0;
    std::uint64_t steps = 0;
};
