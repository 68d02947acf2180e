#pragma once

#include <cstdint>
#include <functional>
#include <memory>

// A repeating timer of the user-interface thread, as the story screens scroll
// by. On the desktop it is a toolkit timer on the real clock; the headless
// simulator runs it on its virtual clock, so that a story plays in no time.
class IIntervalTimer {
public:
    virtual ~IIntervalTimer() = default;
    // Starts, or restarts, a full interval from now.
    virtual void Start() = 0;
    virtual void Stop() = 0;
    virtual bool Active() const = 0;
};

// Makes a stopped timer that calls `onTick` every `intervalMs` while running.
using TIntervalTimerFactory = std::function<std::unique_ptr<IIntervalTimer>(
    std::uint32_t intervalMs, std::function<void()> onTick)>;
