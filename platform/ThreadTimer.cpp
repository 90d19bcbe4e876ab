#include "platform/ThreadTimer.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include "platform/HostPlatform.h"
#endif

namespace platform {

#if defined(_WIN32)

namespace {
TimerTick currentTick = nullptr;

void CALLBACK onThreadTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (currentTick != nullptr) currentTick();
}
}  // namespace

uintptr_t startThreadTimer(uint32_t periodMs, TimerTick tick) {
    currentTick = tick;
    return SetTimer(nullptr, 0, periodMs, onThreadTimer);
}

void stopThreadTimer(uintptr_t id) {
    if (id != 0) KillTimer(nullptr, id);
}

#else

uintptr_t startThreadTimer(uint32_t periodMs, TimerTick tick) {
    static const auto hostSetTimer = hostFunction<ZuPlatformSetTimerFunction>("ZuPlatformSetTimer");
    return hostSetTimer ? hostSetTimer(periodMs, tick) : 0;
}

void stopThreadTimer(uintptr_t id) {
    static const auto hostKillTimer = hostFunction<ZuPlatformKillTimerFunction>("ZuPlatformKillTimer");
    if (id != 0 && hostKillTimer) hostKillTimer(id);
}

#endif

}  // namespace platform
