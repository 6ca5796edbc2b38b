// The real timer thread. No timing is asserted here: the machine is shared and noisy; the
// schedule itself is tested on the manual clock, which shares its queue.

#include "audio_test_support.h"
#include "platform/timers/steady_timer_service.h"

#include <atomic>
#include <gtest/gtest.h>
#include <thread>

namespace dittaro {
namespace {

using testing::waitUntil;

TEST(SteadyTimers, OneShotAndPeriodicFireOnTheTimerThreadAndStopAfterCancel) {
    SteadyTimerService timers;
    std::atomic<int> ticks{0};
    std::atomic<bool> fired{false};
    std::atomic<bool> onCallerThread{false};
    const auto caller = std::this_thread::get_id();
    const TimerId periodic = timers.startPeriodic(1, [&] {
        onCallerThread = onCallerThread || std::this_thread::get_id() == caller;
        ++ticks;
    });
    timers.startOneShot(5, [&] { fired = true; });
    ASSERT_TRUE(waitUntil([&] { return ticks >= 5 && fired; }));
    timers.cancel(periodic);
    const int atCancel = ticks;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(ticks, atCancel);
    EXPECT_FALSE(onCallerThread);
}

TEST(SteadyTimers, CancelFromAnotherThreadWaitsForTheRunningCallback) {
    SteadyTimerService timers;
    std::atomic<bool> entered{false};
    std::atomic<bool> returned{false};
    const TimerId id = timers.startOneShot(1, [&] {
        entered = true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        returned = true;
    });
    ASSERT_TRUE(waitUntil([&] { return entered.load(); }));
    timers.cancel(id);
    EXPECT_TRUE(returned) << "cancel returned while the callback still ran";
}

TEST(SteadyTimers, CancelFromInsideItsOwnCallbackDoesNotWaitForItself) {
    SteadyTimerService timers;
    std::atomic<int> ticks{0};
    std::atomic<TimerId> id{0};
    std::atomic<bool> later{false};
    id = timers.startPeriodic(1, [&] {
        while (id == 0) {
            std::this_thread::yield();
        }
        if (++ticks == 2) {
            timers.cancel(id);
            timers.startOneShot(1, [&] { later = true; });
        }
    });
    ASSERT_TRUE(waitUntil([&] { return later.load(); }));
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(ticks, 2);
}

TEST(SteadyTimers, ATimerAddedWhileTheThreadWaitsForALaterOneIsNotHeldBack) {
    SteadyTimerService timers;
    std::atomic<bool> early{false};
    std::atomic<bool> late{false};
    timers.startOneShot(60'000, [&] { late = true; });
    timers.startOneShot(1, [&] { early = true; });
    EXPECT_TRUE(waitUntil([&] { return early.load(); }));
    EXPECT_FALSE(late);
}

TEST(SteadyTimers, DestroyingTheServiceDropsPendingTimers) {
    std::atomic<int> calls{0};
    {
        SteadyTimerService timers;
        timers.startOneShot(1, [&] { ++calls; });
        timers.startPeriodic(1, [&] { ++calls; });
        timers.startOneShot(60'000, [&] { ++calls; });
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    const int atDestruction = calls;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(calls, atDestruction);
}

} // namespace
} // namespace dittaro
