#include "platform/VirtualTimers.h"

#include <algorithm>

namespace {

// Times wrap at 2^32 like the tick count: compared by their distance.
bool Earlier(std::uint32_t a, std::uint32_t b) {
    return static_cast<std::int32_t>(a - b) < 0;
}

} // namespace

class TVirtualTimers::TTimer final : public IIntervalTimer {
public:
    TTimer(TVirtualTimers& owner, std::uint32_t intervalMs, std::function<void()> tick)
        : timers(owner), interval(intervalMs), onTick(std::move(tick)) {
        timers.timers.push_back(this);
    }
    ~TTimer() override { std::erase(timers.timers, this); }
    TTimer(const TTimer&) = delete;
    TTimer& operator=(const TTimer&) = delete;

    void Start() override {
        running = true;
        due = timers.clock.Ticks() + interval;
    }
    void Stop() override { running = false; }
    bool Active() const override { return running; }

    std::uint32_t Due() const { return due; }
    void Fire() {
        due += interval;
        // The tick may stop this timer, or end its owner and with it the timer.
        const auto tick = onTick;
        tick();
    }

private:
    TVirtualTimers& timers;
    std::uint32_t interval;
    std::function<void()> onTick;
    bool running = false;
    std::uint32_t due = 0;
};

TVirtualTimers::TVirtualTimers(const TVirtualTickClock& tickClock) : clock(tickClock) {}

TVirtualTimers::~TVirtualTimers() = default;

TIntervalTimerFactory TVirtualTimers::Factory() {
    return [this](std::uint32_t intervalMs,
                  std::function<void()> onTick) -> std::unique_ptr<IIntervalTimer> {
        return std::make_unique<TTimer>(*this, intervalMs, std::move(onTick));
    };
}

TVirtualTimers::TTimer* TVirtualTimers::Next() const {
    TTimer* next = nullptr;
    for (TTimer* timer : timers) {
        if (timer->Active() && (!next || Earlier(timer->Due(), next->Due()))) {
            next = timer;
        }
    }
    return next;
}

std::optional<std::uint32_t> TVirtualTimers::NextDue() const {
    if (const TTimer* next = Next()) {
        return next->Due();
    }
    return std::nullopt;
}

bool TVirtualTimers::FireNext() {
    TTimer* next = Next();
    if (!next || Earlier(clock.Ticks(), next->Due())) {
        return false;
    }
    next->Fire();
    return true;
}
