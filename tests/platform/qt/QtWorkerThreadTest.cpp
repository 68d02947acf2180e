#include "platform/qt/QtWorkerThread.h"

#include "platform/GameError.h"
#include "platform/SjisText.h"
#include "support/qt/EventLoop.h"

#include <QCoreApplication>
#include <QThread>
#include <atomic>
#include <gtest/gtest.h>
#include <iostream>
#include <sstream>

namespace {

// Redirects standard error for the life of the object.
class TCapturedStandardError {
public:
    TCapturedStandardError() : previous(std::cerr.rdbuf(captured.rdbuf())) {}
    ~TCapturedStandardError() { std::cerr.rdbuf(previous); }
    std::string Text() const { return captured.str(); }

private:
    std::ostringstream captured;
    std::streambuf* previous;
};

} // namespace

TEST(QtWorkerThread, BodyStartsOnlyWithTheFirstResume) {
    std::atomic<int> passes = 0;
    TQtWorkerThread thread([&] {
        while (thread.WaitWhileSuspended()) {
            ++passes;
            thread.SleepFor(1);
        }
    });
    ProcessEventsFor(30);
    EXPECT_EQ(passes, 0);
    EXPECT_TRUE(thread.Suspended());
    thread.Resume();
    EXPECT_TRUE(ProcessEventsUntil([&] { return passes > 0; }, 2000));
}

TEST(QtWorkerThread, HandOverRunsOnTheUserInterfaceThreadAndRaisesInTheWorker) {
    QThread* uiThread = QThread::currentThread();
    std::atomic<bool> ranOnUi = false;
    std::atomic<bool> caught = false;
    std::atomic<bool> finished = false;
    TQtWorkerThread thread([&] {
        thread.Synchronize([&] { ranOnUi = QThread::currentThread() == uiThread; });
        try {
            thread.Synchronize([] { throw TGameError(Sjis("ステップ失敗")); });
        } catch (const TGameError& error) {
            caught = std::string(error.what()) == Sjis("ステップ失敗");
        }
        finished = true;
    });
    thread.Resume();
    ASSERT_TRUE(ProcessEventsUntil([&] { return finished.load(); }, 2000));
    EXPECT_TRUE(ranOnUi);
    EXPECT_TRUE(caught);
}

TEST(QtWorkerThread, HandOverFromTheUserInterfaceThreadRunsDirectly) {
    TQtWorkerThread thread([] {});
    bool ran = false;
    thread.Synchronize([&] { ran = true; });
    EXPECT_TRUE(ran);
    EXPECT_THROW(thread.Synchronize([] { throw TGameError("x"); }), TGameError);
}

TEST(QtWorkerThread, SuspendStopsTheBodyBeforeItsNextPass) {
    std::atomic<int> passes = 0;
    TQtWorkerThread thread([&] {
        while (thread.WaitWhileSuspended()) {
            thread.Synchronize([&] {
                ++passes;
                thread.Suspend();
            });
        }
    });
    thread.Resume();
    ASSERT_TRUE(ProcessEventsUntil([&] { return passes == 1; }, 2000));
    ProcessEventsFor(50);
    EXPECT_EQ(passes, 1);
    thread.Resume();
    EXPECT_TRUE(ProcessEventsUntil([&] { return passes == 2; }, 2000));
}

TEST(QtWorkerThread, TerminatingWhileTheBodyWaitsForAHandOverDoesNotDeadlock) {
    std::atomic<bool> handOverQueued = false;
    std::atomic<bool> workRan = false;
    std::unique_ptr<TQtWorkerThread> thread;
    thread = std::make_unique<TQtWorkerThread>([&] {
        while (!thread->Terminated()) {
            handOverQueued = true;
            thread->Synchronize([&] { workRan = true; });
        }
    });
    thread->Resume();
    // The user-interface thread runs no events, so the hand-over stays pending.
    while (!handOverQueued) {
        QThread::msleep(1);
    }
    QThread::msleep(20);
    thread->TerminateAndWait();
    EXPECT_FALSE(workRan);
}

TEST(QtWorkerThread, SleepEndsEarlyOnWakeAndOnTermination) {
    std::atomic<bool> asleep = false;
    std::atomic<bool> woke = false;
    TQtWorkerThread thread([&] {
        asleep = true;
        thread.SleepFor(60000);
        woke = true;
        thread.SleepFor(60000);
    });
    thread.Resume();
    ASSERT_TRUE(ProcessEventsUntil([&] { return asleep.load(); }, 2000));
    QThread::msleep(10);
    thread.Wake();
    ASSERT_TRUE(ProcessEventsUntil([&] { return woke.load(); }, 2000));
    thread.TerminateAndWait();
}

TEST(QtWorkerThread, PriorityIsKeptBeforeAndAfterTheStart) {
    TQtWorkerThread thread([&] { thread.WaitWhileSuspended(); });
    EXPECT_EQ(thread.Priority(), TThreadPriority::Normal);
    thread.SetPriority(TThreadPriority::Lowest);
    thread.Resume();
    thread.SetPriority(TThreadPriority::Lower);
    EXPECT_EQ(thread.Priority(), TThreadPriority::Lower);
}

TEST(QtWorkerThread, AnExceptionEndingTheBodyIsWrittenToStandardError) {
    TCapturedStandardError captured;
    {
        TQtWorkerThread thread([] { throw TGameError(Sjis("アクティブマップ異常")); });
        thread.Resume();
        thread.TerminateAndWait();
    }
    EXPECT_NE(captured.Text().find("アクティブマップ異常"), std::string::npos) << captured.Text();
}
