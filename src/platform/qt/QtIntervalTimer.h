#pragma once

#include "platform/IntervalTimer.h"

#include <QTimer>

// The interval timer on the desktop: a Qt timer on the real clock.
class TQtIntervalTimer final : public IIntervalTimer {
public:
    TQtIntervalTimer(std::uint32_t intervalMs, std::function<void()> onTick);

    static TIntervalTimerFactory Factory();

    void Start() override { timer.start(); }
    void Stop() override { timer.stop(); }
    bool Active() const override { return timer.isActive(); }

private:
    QTimer timer;
};
