#include "platform/ModuleHandle.h"

#if defined(_WIN32)
#include <windows.h>
#endif

namespace platform {

namespace {
void* loadedModule = nullptr;
}

void* moduleHandle() { return loadedModule; }
void setModuleHandle(void* handle) { loadedModule = handle; }

}  // namespace platform

#if defined(_WIN32)
// The library's entry hook: remembers the module handle for every reason and
// does no other work.
extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD, LPVOID) {
    platform::setModuleHandle(instance);
    return TRUE;
}
#endif
