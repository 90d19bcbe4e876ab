// A periodic timer delivered on the GUI thread through its message loop.
//
// Contract: one tick function serves the process (the shared timer is its
// only user); starting a timer replaces the tick function of any earlier one.
#pragma once

#include <cstdint>

namespace platform {

using TimerTick = void (*)();

// Starts a timer that calls tick every periodMs. Answers its id, 0 when no
// timer can run.
uintptr_t startThreadTimer(uint32_t periodMs, TimerTick tick);

// Stops the timer with that id; 0 is ignored.
void stopThreadTimer(uintptr_t id);

}  // namespace platform
