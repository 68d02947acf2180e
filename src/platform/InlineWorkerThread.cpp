#include "platform/InlineWorkerThread.h"

TInlineWorkerThread::TInlineWorkerThread(TWorkerBody workerBody) : body(std::move(workerBody)) {}

TWorkerThreadFactory TInlineWorkerThread::Factory(TInlineWorkerThread*& made) {
    return [&made](TWorkerBody workerBody) -> std::unique_ptr<IWorkerThread> {
        auto thread = std::make_unique<TInlineWorkerThread>(std::move(workerBody));
        made = thread.get();
        return thread;
    };
}

std::optional<std::uint32_t> TInlineWorkerThread::RunPass() {
    if (suspended || terminated) {
        return std::nullopt;
    }
    passAdmitted = true;
    sleep = 0;
    body();
    return sleep;
}

bool TInlineWorkerThread::WaitWhileSuspended() {
    const bool admitted = passAdmitted && !suspended && !terminated;
    passAdmitted = false;
    return admitted;
}
