#include "platform/qt/QtWorkerThread.h"

#include "platform/FailureReport.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <chrono>
#include <iostream>

namespace {

QThread::Priority QtPriority(TThreadPriority priority) {
    switch (priority) {
    case TThreadPriority::Normal:
        return QThread::NormalPriority;
    case TThreadPriority::Lower:
        return QThread::LowPriority;
    case TThreadPriority::Lowest:
        return QThread::LowestPriority;
    }
    return QThread::NormalPriority;
}

} // namespace

TQtWorkerThread::TQtWorkerThread(TWorkerBody workerBody)
    : body(std::move(workerBody)), runner(*this) {}

TQtWorkerThread::~TQtWorkerThread() {
    TerminateAndWait();
}

TWorkerThreadFactory TQtWorkerThread::Factory() {
    return [](TWorkerBody workerBody) -> std::unique_ptr<IWorkerThread> {
        return std::make_unique<TQtWorkerThread>(std::move(workerBody));
    };
}

void TQtWorkerThread::TRunner::run() {
    try {
        owner.body();
    } catch (...) {
        ReportThreadFailure(std::current_exception(), std::cerr);
    }
}

void TQtWorkerThread::Suspend() {
    std::lock_guard lock(mutex);
    suspended = true;
}

void TQtWorkerThread::Resume() {
    bool start = false;
    {
        std::lock_guard lock(mutex);
        suspended = false;
        wakePending = true;
        start = !started && !terminated;
        started = started || start;
    }
    changed.notify_all();
    if (start) {
        runner.start(QtPriority(Priority()));
    }
}

bool TQtWorkerThread::Suspended() const {
    std::lock_guard lock(mutex);
    return suspended;
}

void TQtWorkerThread::SetPriority(TThreadPriority newPriority) {
    bool running = false;
    {
        std::lock_guard lock(mutex);
        priority = newPriority;
        running = started;
    }
    if (running && runner.isRunning()) {
        runner.setPriority(QtPriority(newPriority));
    }
}

TThreadPriority TQtWorkerThread::Priority() const {
    std::lock_guard lock(mutex);
    return priority;
}

void TQtWorkerThread::Wake() {
    {
        std::lock_guard lock(mutex);
        wakePending = true;
    }
    changed.notify_all();
}

void TQtWorkerThread::TerminateAndWait() {
    bool wasStarted = false;
    {
        std::lock_guard lock(mutex);
        terminated = true;
        suspended = false;
        wasStarted = started;
    }
    changed.notify_all();
    if (!wasStarted) {
        return;
    }
    // The body may be blocked in a hand-over that only this thread can run:
    // deliver those while waiting (they see the terminated flag and return).
    while (!runner.wait(QDeadlineTimer(5))) {
        QCoreApplication::sendPostedEvents(&receiver, QEvent::MetaCall);
    }
}

bool TQtWorkerThread::WaitWhileSuspended() {
    std::unique_lock lock(mutex);
    changed.wait(lock, [this] { return !suspended || terminated; });
    wakePending = false;
    return !terminated;
}

bool TQtWorkerThread::Terminated() const {
    return terminated;
}

void TQtWorkerThread::Synchronize(const std::function<void()>& work) {
    // A blocking call into one's own thread would wait for itself.
    if (QThread::currentThread() == receiver.thread()) {
        work();
        return;
    }
    std::exception_ptr failure;
    QMetaObject::invokeMethod(
        &receiver,
        [&] {
            if (terminated) {
                return;
            }
            try {
                work();
            } catch (...) {
                failure = std::current_exception();
            }
        },
        Qt::BlockingQueuedConnection);
    if (failure) {
        std::rethrow_exception(failure);
    }
}

void TQtWorkerThread::SleepFor(std::uint32_t milliseconds) {
    std::unique_lock lock(mutex);
    changed.wait_for(lock, std::chrono::milliseconds(milliseconds),
                     [this] { return wakePending || terminated; });
    wakePending = false;
}
