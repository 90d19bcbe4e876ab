// Functions through which a host process stands in for Windows where the
// library runs elsewhere. A host executable may export any of them; the
// library looks each up once, on first use, and falls back when it is absent
// (no timer ticks, no key down, the real steady clock). The names and
// signatures are fixed: hosts outside this tree are written against them.
//
//   uintptr_t ZuPlatformSetTimer(uint32_t periodMs, void (*tick)(void))
//       starts a timer that calls tick on the GUI thread every periodMs;
//       answers a non-zero id, or 0 when no timer can run
//   void ZuPlatformKillTimer(uintptr_t id)
//       stops that timer
//   int16_t ZuPlatformGetKeyState(int32_t virtualKey)
//       0x10 Shift, 0x11 Control, 0x12 Alt; bit 15 set while the key is down
//   int64_t ZuPlatformSteadyNanoseconds(void)
//       a monotonic clock
#pragma once

#include <cstdint>

// Marks a host executable's definitions of these functions for export.
#define ZU_HOST_EXPORT __attribute__((visibility("default")))

extern "C" {
using ZuPlatformSetTimerFunction = uintptr_t (*)(uint32_t periodMs, void (*tick)(void));
using ZuPlatformKillTimerFunction = void (*)(uintptr_t id);
using ZuPlatformGetKeyStateFunction = int16_t (*)(int32_t virtualKey);
using ZuPlatformSteadyNanosecondsFunction = int64_t (*)(void);
}

namespace platform {

// The host's function of that name, or null when the process has none.
// Always null on Windows, where the library calls the system itself.
void* findHostFunction(const char* name);

template <class Function>
Function hostFunction(const char* name) {
    return reinterpret_cast<Function>(findHostFunction(name));
}

}  // namespace platform
