#include "platform/VirtualTimers.h"

#include <gtest/gtest.h>
#include <string>

namespace {

class VirtualTimers : public testing::Test {
protected:
    // Moves the clock and fires every timer that came due on the way, each
    // at its own time.
    void RunUntil(std::uint32_t time) {
        while (const auto due = timers.NextDue()) {
            if (static_cast<std::int32_t>(*due - time) > 0) {
                break;
            }
            clock.Set(*due);
            ASSERT_TRUE(timers.FireNext());
        }
        clock.Set(time);
    }

    TVirtualTickClock clock{1000};
    TVirtualTimers timers{clock};
    std::string fired;
};

TEST_F(VirtualTimers, FireInTheOrderOfTheirDueTimesThenOfTheirMaking) {
    auto a = timers.Factory()(50, [&] { fired += "a" + std::to_string(clock.Ticks()) + " "; });
    auto b = timers.Factory()(20, [&] { fired += "b" + std::to_string(clock.Ticks()) + " "; });
    a->Start();
    b->Start();
    EXPECT_FALSE(timers.FireNext()) << "nothing is due before its time";
    RunUntil(1100);
    EXPECT_EQ(fired, "b1020 b1040 a1050 b1060 b1080 a1100 b1100 ");
}

TEST_F(VirtualTimers, StoppedTimersAreSilentAndStartAgainAFullIntervalLater) {
    auto timer = timers.Factory()(50, [&] { fired += std::to_string(clock.Ticks()) + " "; });
    EXPECT_FALSE(timer->Active()) << "made stopped";
    EXPECT_FALSE(timers.NextDue().has_value());
    timer->Start();
    RunUntil(1060);
    timer->Stop();
    RunUntil(1200);
    timer->Start();
    RunUntil(1260);
    EXPECT_EQ(fired, "1050 1250 ");
}

TEST_F(VirtualTimers, ATickMayStopOrDestroyItsOwnTimer) {
    std::unique_ptr<IIntervalTimer> once;
    once = timers.Factory()(10, [&] {
        fired += "once ";
        once.reset();
    });
    std::unique_ptr<IIntervalTimer> twice;
    int count = 0;
    twice = timers.Factory()(10, [&] {
        fired += "twice ";
        if (++count == 2) {
            twice->Stop();
        }
    });
    once->Start();
    twice->Start();
    RunUntil(1100);
    EXPECT_EQ(fired, "once twice twice ");
    EXPECT_FALSE(timers.NextDue().has_value());
}

TEST_F(VirtualTimers, DueTimesWrapWithTheClock) {
    clock.Set(0xFFFFFFF0u);
    auto timer = timers.Factory()(50, [&] { fired += std::to_string(clock.Ticks()) + " "; });
    timer->Start();
    RunUntil(100);
    EXPECT_EQ(fired, "34 84 ");
}

} // namespace
