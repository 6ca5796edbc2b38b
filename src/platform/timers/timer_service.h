#pragma once

// Millisecond timers whose callbacks run on a timer thread of their own, away from the
// user-interface thread: the display delay of the player, the keyer's element clock, the
// straight-key sampler, the RTS line.

#include <cstdint>
#include <functional>

namespace dittaro {

// 0 is never a valid timer; ids are not reused.
using TimerId = std::uint64_t;

class TimerService {
public:
    using Callback = std::function<void()>;

    virtual ~TimerService() = default;

    // Runs `callback` once, `delayMs` (at least 1) after now.
    virtual TimerId startOneShot(int delayMs, Callback callback) = 0;
    // Runs `callback` every `periodMs` (at least 1) from now on. The schedule is kept: a tick
    // that comes late is followed by catch-up ticks, so N ticks always span N periods.
    virtual TimerId startPeriodic(int periodMs, Callback callback) = 0;
    // After cancel returns, the timer's callback is not running and will not run again.
    // Called from a callback (on the timer thread) it cannot wait for itself: the callback
    // that called it finishes, and the timer does not fire again. Unknown or finished ids
    // are ignored. The callback must not hold a lock that the canceller holds.
    virtual void cancel(TimerId id) = 0;
};

} // namespace dittaro
