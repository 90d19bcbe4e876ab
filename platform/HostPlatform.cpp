#include "platform/HostPlatform.h"

#if !defined(_WIN32)
#include <dlfcn.h>
#endif

namespace platform {

void* findHostFunction([[maybe_unused]] const char* name) {
#if defined(_WIN32)
    return nullptr;
#else
    return dlsym(RTLD_DEFAULT, name);
#endif
}

}  // namespace platform
