#include "platform/SteadyClock.h"

#include <chrono>

#if !defined(_WIN32)
#include "platform/HostPlatform.h"
#endif

namespace platform {

int64_t steadyNanoseconds() {
#if !defined(_WIN32)
    static const auto hostClock = hostFunction<ZuPlatformSteadyNanosecondsFunction>("ZuPlatformSteadyNanoseconds");
    if (hostClock) return hostClock();
#endif
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

}  // namespace platform
