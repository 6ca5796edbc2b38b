#pragma once

// The schedule shared by the real and the manual timer service: timers ordered by their
// absolute deadline in ns, run one at a time outside the lock, and a cancel that waits for
// the callback of its timer unless that callback runs on the caller's own thread.

#include "platform/timers/timer_service.h"

#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>

namespace dittaro::timers {

constexpr long long kNsPerMs = 1'000'000;

class TimerQueue {
public:
    TimerId add(long long firstDeadlineNs, long long periodNs, TimerService::Callback callback);
    void cancel(TimerId id);

    // Runs the earliest timer due at `nowNs`, if any; true when one ran. A periodic timer
    // is moved on by one period before its callback runs, so it may cancel itself.
    bool runOneDue(long long nowNs);

    std::optional<long long> nextDeadline();

private:
    using Key = std::pair<long long, TimerId>; // deadline, then creation order

    struct Timer {
        long long deadlineNs = 0;
        long long periodNs = 0; // 0: one-shot
        std::shared_ptr<TimerService::Callback> callback;
    };

    std::mutex mutex_;
    std::condition_variable finished_;
    std::map<Key, TimerId> order_;
    std::map<TimerId, Timer> timers_;
    TimerId nextId_ = 1;
    TimerId running_ = 0;
    std::thread::id runningThread_;
};

} // namespace dittaro::timers
