#include "platform/timers/timer_queue.h"

namespace dittaro::timers {

TimerId TimerQueue::add(long long firstDeadlineNs, long long periodNs,
                        TimerService::Callback callback) {
    std::lock_guard lock(mutex_);
    const TimerId id = nextId_++;
    timers_[id] = Timer{firstDeadlineNs, periodNs,
                        std::make_shared<TimerService::Callback>(std::move(callback))};
    order_[{firstDeadlineNs, id}] = id;
    return id;
}

void TimerQueue::cancel(TimerId id) {
    if (id == 0) {
        return; // never issued; also the value of `running_` while nothing runs
    }
    std::unique_lock lock(mutex_);
    const auto it = timers_.find(id);
    if (it != timers_.end()) {
        order_.erase({it->second.deadlineNs, id});
        timers_.erase(it);
    }
    if (runningThread_ != std::this_thread::get_id()) {
        finished_.wait(lock, [this, id] { return running_ != id; });
    }
}

bool TimerQueue::runOneDue(long long nowNs) {
    std::unique_lock lock(mutex_);
    if (order_.empty() || order_.begin()->first.first > nowNs) {
        return false;
    }
    const TimerId id = order_.begin()->second;
    order_.erase(order_.begin());
    Timer& timer = timers_.at(id);
    // Shared, so that a cancel from inside the callback does not free the running function.
    const std::shared_ptr<TimerService::Callback> callback = timer.callback;
    if (timer.periodNs > 0) {
        timer.deadlineNs += timer.periodNs;
        order_[{timer.deadlineNs, id}] = id;
    } else {
        timers_.erase(id);
    }
    running_ = id;
    runningThread_ = std::this_thread::get_id();
    lock.unlock();
    (*callback)();
    lock.lock();
    running_ = 0;
    runningThread_ = {};
    finished_.notify_all();
    return true;
}

std::optional<long long> TimerQueue::nextDeadline() {
    std::lock_guard lock(mutex_);
    if (order_.empty()) {
        return std::nullopt;
    }
    return order_.begin()->first.first;
}

} // namespace dittaro::timers
