#include "platform/ModuleHandle.h"

#if defined(_WIN32)
#include <windows.h>
#endif

namespace platform {

namespace {
void* loadedModule = nullptr;
}

void* moduleHandle() {
#if defined(_WIN32)
    // Linked into an executable, this code never sees DllMain: the module that
    // holds it is the executable, found from the address of its own data.
    if (loadedModule == nullptr) {
        HMODULE holder = nullptr;
        GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                           reinterpret_cast<LPCWSTR>(&loadedModule), &holder);
        loadedModule = holder;
    }
#endif
    return loadedModule;
}

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
