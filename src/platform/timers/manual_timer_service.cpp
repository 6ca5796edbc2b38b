#include "platform/timers/manual_timer_service.h"

#include <algorithm>

namespace dittaro {

TimerId ManualTimerService::startOneShot(int delayMs, Callback callback) {
    return start(delayMs, false, std::move(callback));
}

TimerId ManualTimerService::startPeriodic(int periodMs, Callback callback) {
    return start(periodMs, true, std::move(callback));
}

TimerId ManualTimerService::start(int ms, bool periodic, Callback callback) {
    const long long stepNs = std::max(ms, 1) * timers::kNsPerMs;
    return queue_.add(nowNs_ + stepNs, periodic ? stepNs : 0, std::move(callback));
}

void ManualTimerService::cancel(TimerId id) {
    queue_.cancel(id);
}

void ManualTimerService::advance(int ms) {
    const long long target = nowNs_ + std::max(ms, 0) * timers::kNsPerMs;
    while (true) {
        const std::optional<long long> next = queue_.nextDeadline();
        if (!next || *next > target) {
            break;
        }
        nowNs_ = std::max<long long>(nowNs_, *next);
        queue_.runOneDue(nowNs_);
    }
    nowNs_ = target;
}

} // namespace dittaro
