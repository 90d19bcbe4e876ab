// The library's timers at the pace of a real clock: the virtual platform
// (which the library's timer and clock functions reach) is moved on to the
// clock's time from the GUI thread's event loop, so that every tick runs
// there, in the order the ticks fall due, and the panels' clock reads the
// time since the run began.
//
// Contract: GUI thread only; one per process at a time. Time moves in whole
// milliseconds; the fraction left over is carried to the next call.
#pragma once

#include <cstdint>
#include <functional>

namespace zuhost::play {

class RealTimeTimers {
public:
    using Clock = std::function<int64_t()>;  // nanoseconds, monotonic

    explicit RealTimeTimers(Clock clock);

    // Runs every tick that has fallen due by now.
    void runDue();
    // Nanoseconds from now until the next tick falls due (0 if one is due
    // already), or -1 with no timer running.
    int64_t nanosecondsToNextTick() const;

private:
    Clock clock_;
    int64_t startNs_;
    int64_t movedNs_ = 0;  // how far the virtual platform has been moved on
};

}  // namespace zuhost::play
