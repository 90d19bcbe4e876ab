#include "host/gui/VirtualPlatform.h"

#include <algorithm>

#if defined(_WIN32)
#include <windows.h>
#else
#include "platform/HostPlatform.h"
#endif

namespace zuhost::gui {

namespace {
constexpr int64_t nanosecondsPerMs = 1'000'000;
}

VirtualPlatform& VirtualPlatform::instance() {
    static VirtualPlatform platform;
    return platform;
}

void VirtualPlatform::setKeyDown(int32_t virtualKey, bool down) {
    std::erase(keysDown_, virtualKey);
    if (down) keysDown_.push_back(virtualKey);
#if defined(_WIN32)
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[virtualKey & 0xFF] = down ? 0x80 : 0;
    SetKeyboardState(keys);
#endif
}

int16_t VirtualPlatform::keyState(int32_t virtualKey) const {
    const bool down = std::find(keysDown_.begin(), keysDown_.end(), virtualKey) != keysDown_.end();
    return down ? static_cast<int16_t>(0x8000) : 0;
}

uintptr_t VirtualPlatform::startTimer(uint32_t periodMs, void (*tick)()) {
    if (tick == nullptr || periodMs == 0) return 0;
    const uintptr_t id = nextId_++;
    timers_.push_back({id, periodMs, tick, nowNs_ + periodMs * nanosecondsPerMs});
    return id;
}

void VirtualPlatform::killTimer(uintptr_t id) {
    std::erase_if(timers_, [id](const Timer& timer) { return timer.id == id; });
}

uint32_t VirtualPlatform::timerPeriod(uintptr_t id) const {
    const auto found = std::find_if(timers_.begin(), timers_.end(), [id](const Timer& t) { return t.id == id; });
    return found == timers_.end() ? 0 : found->periodMs;
}

int64_t VirtualPlatform::nextDueNanoseconds() const {
    int64_t next = -1;
    for (const Timer& timer : timers_)
        if (next < 0 || timer.dueNs < next) next = timer.dueNs;
    return next;
}

VirtualPlatform::Timer* VirtualPlatform::nextDue(int64_t untilNs) {
    Timer* next = nullptr;
    for (Timer& timer : timers_)
        if (timer.dueNs <= untilNs && (next == nullptr || timer.dueNs < next->dueNs)) next = &timer;
    return next;
}

void VirtualPlatform::advance(int64_t milliseconds) {
    const int64_t untilNs = nowNs_ + std::max<int64_t>(milliseconds, 0) * nanosecondsPerMs;
#if defined(_WIN32)
    const DWORD end = GetTickCount() + static_cast<DWORD>(std::max<int64_t>(milliseconds, 0));
    for (MSG message;;) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        const auto now = GetTickCount();
        if (static_cast<int32_t>(end - now) <= 0) break;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, end - now, QS_ALLINPUT);
    }
#endif
    // A tick may start or kill timers, so the next one due is looked up afresh each time.
    while (Timer* timer = nextDue(untilNs)) {
        nowNs_ = timer->dueNs;
        timer->dueNs += timer->periodMs * nanosecondsPerMs;
        timer->tick();
    }
    nowNs_ = untilNs;
}

}  // namespace zuhost::gui

#if !defined(_WIN32)
using zuhost::gui::VirtualPlatform;

extern "C" ZU_HOST_EXPORT uintptr_t ZuPlatformSetTimer(uint32_t periodMs, void (*tick)(void)) {
    return VirtualPlatform::instance().startTimer(periodMs, tick);
}
extern "C" ZU_HOST_EXPORT void ZuPlatformKillTimer(uintptr_t id) { VirtualPlatform::instance().killTimer(id); }
extern "C" ZU_HOST_EXPORT int16_t ZuPlatformGetKeyState(int32_t virtualKey) {
    return VirtualPlatform::instance().keyState(virtualKey);
}
extern "C" ZU_HOST_EXPORT int64_t ZuPlatformSteadyNanoseconds(void) {
    return VirtualPlatform::instance().nowNanoseconds();
}
#endif
