#include "platform/KeyState.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include "platform/HostPlatform.h"
#endif

namespace platform {

int16_t getKeyState(int32_t virtualKey) {
#if defined(_WIN32)
    return GetKeyState(virtualKey);
#else
    static const auto hostGetKeyState = hostFunction<ZuPlatformGetKeyStateFunction>("ZuPlatformGetKeyState");
    return hostGetKeyState ? hostGetKeyState(virtualKey) : 0;
#endif
}

}  // namespace platform
