// The substitute host's stand-in for the services Windows gives a panel:
// timers, modifier keys and a clock, all in virtual time so that what a
// panel does over time is the same on every run.
//
// Contract: one per process, used from the GUI thread. Timers started by the
// library tick only when advance() moves virtual time past them, in the
// order they fall due. On Linux the process exports the ZuPlatform functions
// that the library looks up; on Windows the library calls the system, so
// keys go through the thread's keyboard state and advance() runs the
// thread's message loop for that long in real time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zuhost::gui {

class VirtualPlatform {
public:
    static VirtualPlatform& instance();

    void setKeyDown(int32_t virtualKey, bool down);
    int16_t keyState(int32_t virtualKey) const;

    // Moves virtual time on, running every timer tick that falls due.
    void advance(int64_t milliseconds);
    int64_t nowNanoseconds() const { return nowNs_; }

    uintptr_t startTimer(uint32_t periodMs, void (*tick)());
    void killTimer(uintptr_t id);
    size_t runningTimerCount() const { return timers_.size(); }
    uint32_t timerPeriod(uintptr_t id) const;  // 0 for no such timer
    // When the next tick falls due, in virtual nanoseconds; -1 with no timer running.
    int64_t nextDueNanoseconds() const;

private:
    struct Timer {
        uintptr_t id;
        uint32_t periodMs;
        void (*tick)();
        int64_t dueNs;
    };

    VirtualPlatform() = default;
    Timer* nextDue(int64_t untilNs);

    int64_t nowNs_ = 0;
    uintptr_t nextId_ = 1;
    std::vector<Timer> timers_;
    std::vector<int32_t> keysDown_;
};

}  // namespace zuhost::gui
