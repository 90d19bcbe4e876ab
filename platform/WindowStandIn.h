// Where there is no Windows, what tests see of the native-window stand-in:
// they deliver messages to its windows and read back what a real system
// would show through GetClassInfoExW, GetParent, GetWindowRect,
// IsWindowVisible and GetUpdateRect.
#pragma once

#if !defined(_WIN32)

#include <optional>

#include "platform/NativeWindow.h"

namespace platform::standin {

struct WindowState {
    WindowHandle parent;
    WindowRect bounds;  // in the parent's client coordinates
    bool visible;       // the window and all its ancestors have the visible style
    bool needsPaint;    // invalidated and not painted since
};

// Calls the window's procedure as SendMessageW would; 0 for no such window.
intptr_t sendMessage(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam);

bool isClassRegistered(const char16_t* className, void* instance);
std::optional<WindowState> windowState(WindowHandle window);
int32_t quitRequests();  // PostQuitMessage calls so far

}  // namespace platform::standin

#endif
