#include "support/qt/EventLoop.h"

#include <QCoreApplication>
#include <QElapsedTimer>

bool ProcessEventsUntil(const std::function<bool()>& done, int timeoutMilliseconds) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() >= timeoutMilliseconds) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

void ProcessEventsFor(int milliseconds) {
    ProcessEventsUntil([] { return false; }, milliseconds);
}
