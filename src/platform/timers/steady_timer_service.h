#pragma once

// The timer service of the program: one thread that sleeps to absolute deadlines on the
// monotonic clock and runs the callbacks that are due.

#include "platform/timers/timer_queue.h"
#include "platform/timers/timer_service.h"

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace dittaro {

class SteadyTimerService : public TimerService {
public:
    SteadyTimerService();
    // Drops the timers still scheduled; waits for a running callback. Not from a callback.
    ~SteadyTimerService() override;
    SteadyTimerService(const SteadyTimerService&) = delete;
    SteadyTimerService& operator=(const SteadyTimerService&) = delete;

    TimerId startOneShot(int delayMs, Callback callback) override;
    TimerId startPeriodic(int periodMs, Callback callback) override;
    void cancel(TimerId id) override;

    // Monotonic clock in ns, the clock of the deadlines.
    static long long nowNs();

private:
    TimerId start(int ms, bool periodic, Callback callback);
    void run();

    timers::TimerQueue queue_;
    std::mutex wakeMutex_;
    std::condition_variable wake_;
    bool added_ = false;
    std::atomic<bool> stopping_{false};
    std::thread thread_;
};

} // namespace dittaro
