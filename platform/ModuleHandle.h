// The handle of the loaded library, recorded by the platform's entry hook.
// On Windows it is the HINSTANCE that DllMain receives; elsewhere it stays null.
#pragma once

namespace platform {

void* moduleHandle();
void setModuleHandle(void* handle);

}  // namespace platform
