#include "platform/timers/steady_timer_service.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <ctime>
#include <pthread.h>
#include <sched.h>
#include <sys/prctl.h>

namespace dittaro {
namespace {

// The last stretch before a deadline is slept with clock_nanosleep, which wakes more
// precisely than a condition variable; before it, the wait can be cut short by a new timer.
constexpr long long kFinalSleepNs = 300'000;
// Above ordinary threads, below the audio servers' threads.
constexpr int kRealTimePriority = 10;

} // namespace

long long SteadyTimerService::nowNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

SteadyTimerService::SteadyTimerService() : thread_([this] { run(); }) {}

SteadyTimerService::~SteadyTimerService() {
    {
        std::lock_guard lock(wakeMutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    thread_.join();
}

TimerId SteadyTimerService::startOneShot(int delayMs, Callback callback) {
    return start(delayMs, false, std::move(callback));
}

TimerId SteadyTimerService::startPeriodic(int periodMs, Callback callback) {
    return start(periodMs, true, std::move(callback));
}

TimerId SteadyTimerService::start(int ms, bool periodic, Callback callback) {
    const long long stepNs = std::max(ms, 1) * timers::kNsPerMs;
    const TimerId id = queue_.add(nowNs() + stepNs, periodic ? stepNs : 0, std::move(callback));
    {
        std::lock_guard lock(wakeMutex_);
        added_ = true;
    }
    wake_.notify_all();
    return id;
}

void SteadyTimerService::cancel(TimerId id) {
    queue_.cancel(id);
}

void SteadyTimerService::run() {
    // The default slack of 50 us would be added to every wake-up.
    prctl(PR_SET_TIMERSLACK, 1UL);
    // On a busy machine an ordinary thread waits for a time slice after its deadline, often
    // for milliseconds. The callbacks are short, so a low real-time priority costs the rest
    // of the system nothing; where the user may not have it, the thread runs as it is.
    const sched_param realTime{kRealTimePriority};
    pthread_setschedparam(pthread_self(), SCHED_FIFO, &realTime);
    while (true) {
        while (!stopping_ && queue_.runOneDue(nowNs())) {
        }
        const std::optional<long long> next = queue_.nextDeadline();
        std::unique_lock lock(wakeMutex_);
        if (stopping_) {
            return;
        }
        if (added_) {
            added_ = false;
            continue;
        }
        const auto woken = [this] { return stopping_ || added_; };
        if (!next) {
            wake_.wait(lock, woken);
            continue;
        }
        const long long early = *next - kFinalSleepNs - nowNs();
        if (early > 0) {
            wake_.wait_for(lock, std::chrono::nanoseconds(early), woken);
            continue;
        }
        lock.unlock();
        const timespec deadline{static_cast<time_t>(*next / 1'000'000'000),
                                static_cast<long>(*next % 1'000'000'000)};
        while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &deadline, nullptr) == EINTR) {
        }
    }
}

} // namespace dittaro
