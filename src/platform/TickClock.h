#pragma once

#include <cstdint>

// The millisecond tick counter the game loop paces itself by. It wraps at
// 2^32 like the platform's counter; the virtual clock lets tests and the
// headless simulator decide what time it is.
class ITickClock {
public:
    virtual ~ITickClock() = default;
    virtual std::uint32_t Ticks() const = 0;
};

class TRealTickClock final : public ITickClock {
public:
    std::uint32_t Ticks() const override;
};

class TVirtualTickClock final : public ITickClock {
public:
    explicit TVirtualTickClock(std::uint32_t start = 0) : now(start) {}
    std::uint32_t Ticks() const override { return now; }
    void Set(std::uint32_t ticks) { now = ticks; }
    void Advance(std::uint32_t milliseconds) { now += milliseconds; }

private:
    std::uint32_t now;
};
