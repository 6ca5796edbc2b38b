#include "platform/timers/manual_timer_service.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace dittaro {
namespace {

// "deadline:name" of every callback, in the order they ran.
struct Log {
    ManualTimerService& timers;
    std::string text;

    TimerService::Callback entry(std::string name) {
        return [this, name] { text += std::to_string(timers.nowMs()) + ':' + name + ' '; };
    }
};

TEST(ManualTimers, CallbacksRunInDeadlineOrderAndPeriodicTimersKeepTheirSchedule) {
    struct Timer {
        int ms;
        bool periodic;
        const char* name;
    };
    const struct {
        const char* label;
        std::vector<Timer> timers;
        std::vector<int> advances;
        std::string expected;
    } cases[] = {
        {"one-shots by deadline",
         {{5, false, "a"}, {2, false, "b"}, {9, false, "c"}},
         {10},
         "2:b 5:a 9:c "},
        {"not before the deadline", {{10, false, "a"}}, {9}, ""},
        {"exactly at the deadline", {{10, false, "a"}}, {9, 1}, "10:a "},
        {"a one-shot fires once", {{3, false, "a"}}, {5, 5, 5}, "3:a "},
        {"periodic between one-shots", {{3, true, "p"}, {7, false, "o"}}, {10}, "3:p 6:p 7:o 9:p "},
        {"catch-up ticks, each at its own deadline", {{1, true, "p"}}, {5}, "1:p 2:p 3:p 4:p 5:p "},
        {"the same ticks in small steps", {{1, true, "p"}}, {2, 1, 2}, "1:p 2:p 3:p 4:p 5:p "},
        {"equal deadlines in creation order",
         {{4, false, "a"}, {4, false, "b"}, {2, true, "p"}},
         {4},
         "2:p 4:a 4:b 4:p "},
        {"a delay of 0 counts as 1 ms", {{0, false, "a"}, {0, true, "p"}}, {3}, "1:a 1:p 2:p 3:p "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        ManualTimerService timers;
        Log log{timers, {}};
        for (const Timer& t : c.timers) {
            if (t.periodic) {
                timers.startPeriodic(t.ms, log.entry(t.name));
            } else {
                timers.startOneShot(t.ms, log.entry(t.name));
            }
        }
        for (int ms : c.advances) {
            timers.advance(ms);
        }
        EXPECT_EQ(log.text, c.expected);
    }
}

TEST(ManualTimers, TimerStartedInACallbackCountsFromThatCallbacksDeadline) {
    ManualTimerService timers;
    Log log{timers, {}};
    timers.startOneShot(3, [&] {
        log.entry("a")();
        timers.startOneShot(2, log.entry("b"));
        timers.startPeriodic(4, log.entry("p"));
    });
    timers.advance(12);
    EXPECT_EQ(log.text, "3:a 5:b 7:p 11:p ");
    EXPECT_EQ(timers.nowMs(), 12);
}

TEST(ManualTimers, CancelStopsATimerFromOutsideAndFromInsideCallbacks) {
    ManualTimerService timers;
    Log log{timers, {}};
    int ticks = 0;
    TimerId periodic = 0;
    periodic = timers.startPeriodic(1, [&] {
        if (++ticks == 3) {
            timers.cancel(periodic); // its own timer, while it runs
        }
    });
    // Due at the same time as `victim`, but created first: cancels it before it runs.
    TimerId victim = 0;
    timers.startOneShot(5, [&] { timers.cancel(victim); });
    victim = timers.startOneShot(5, log.entry("victim"));
    const TimerId outside = timers.startOneShot(6, log.entry("outside"));
    timers.startOneShot(7, log.entry("survivor"));
    timers.advance(2);
    timers.cancel(outside);
    timers.cancel(outside); // twice, and ids never issued: ignored
    timers.cancel(0);
    timers.cancel(9999);
    timers.advance(20);
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(log.text, "7:survivor ");
}

} // namespace
} // namespace dittaro
