// The handle of the module that holds the library's code: on Windows the
// HINSTANCE that DllMain receives, or, where the code is linked into an
// executable, that executable's; elsewhere null. Window classes are
// registered under it, so it must name the module whose code they call.
#pragma once

namespace platform {

void* moduleHandle();
void setModuleHandle(void* handle);

}  // namespace platform
