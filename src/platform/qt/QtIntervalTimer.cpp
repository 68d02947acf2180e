#include "platform/qt/QtIntervalTimer.h"

TQtIntervalTimer::TQtIntervalTimer(std::uint32_t intervalMs, std::function<void()> onTick) {
    timer.setInterval(static_cast<int>(intervalMs));
    QObject::connect(&timer, &QTimer::timeout, std::move(onTick));
}

TIntervalTimerFactory TQtIntervalTimer::Factory() {
    return [](std::uint32_t intervalMs,
              std::function<void()> onTick) -> std::unique_ptr<IIntervalTimer> {
        return std::make_unique<TQtIntervalTimer>(intervalMs, std::move(onTick));
    };
}
