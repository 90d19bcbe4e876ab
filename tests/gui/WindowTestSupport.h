// What the window tests see of native windows: real Win32 windows on Windows
// (the tests then need a display), the library's stand-in elsewhere. Every
// check goes through the system's own calls where there is a system.
#pragma once

#include <cstdint>

#include "platform/NativeWindow.h"

namespace windowtest {

using platform::WindowHandle;

// A top-level window to hold panel windows; null where no display can be
// had. Without a window manager, taking a shown top-level window down costs
// seconds, so tests show only the parents that they need to.
WindowHandle createParentWindow(bool shown);
void destroyWindow(WindowHandle window);
// A window of the panel class that no panel is attached to.
WindowHandle createUnattachedPanelClassWindow(WindowHandle parent);

// The panel window class, under the module that holds the library's code (GetClassInfoExW).
bool isPanelClassRegistered();

struct WindowState {
    bool exists;                     // IsWindow
    WindowHandle parent;             // GetParent
    platform::WindowRect placement;  // GetWindowRect, in the parent's client coordinates
    bool visible;                    // IsWindowVisible
    bool needsPaint;                 // GetUpdateRect
};
WindowState stateOf(WindowHandle window);
WindowHandle captured();  // GetCapture

// Invalidates the whole window and paints it before returning (RedrawWindow).
void repaintNow(WindowHandle window);
intptr_t send(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam);
// Posts the message and runs the thread's message loop until it is empty
// (where there is no message loop, the message is delivered at once).
void postAndRunMessageLoop(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam);
// Whether PostQuitMessage was called since the last look (the quit is taken off the queue).
bool takeQuitRequest();

// lParam of a mouse message at (x, y), each kept to 16 bits as the system does.
constexpr intptr_t mousePosition(int32_t x, int32_t y) {
    return static_cast<intptr_t>((static_cast<uint32_t>(y) & 0xFFFF) << 16 | (static_cast<uint32_t>(x) & 0xFFFF));
}

}  // namespace windowtest
