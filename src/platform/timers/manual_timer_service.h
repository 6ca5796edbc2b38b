#pragma once

// A timer service on a clock that moves only when told: advance(ms) runs every callback
// that falls due, in deadline order, on the calling thread. For tests.

#include "platform/timers/timer_queue.h"
#include "platform/timers/timer_service.h"

#include <atomic>

namespace dittaro {

class ManualTimerService : public TimerService {
public:
    TimerId startOneShot(int delayMs, Callback callback) override;
    TimerId startPeriodic(int periodMs, Callback callback) override;
    void cancel(TimerId id) override;

    // Moves the clock on by `ms`, running each due callback with the clock at its deadline,
    // so timers started from a callback count from there. One thread advances at a time.
    void advance(int ms);
    long long nowMs() const { return nowNs_ / timers::kNsPerMs; }

private:
    TimerId start(int ms, bool periodic, Callback callback);

    timers::TimerQueue queue_;
    std::atomic<long long> nowNs_{0};
};

} // namespace dittaro
