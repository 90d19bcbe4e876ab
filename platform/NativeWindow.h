// Native child windows for panels that paint with GDI and read the mouse
// themselves: class registration, creation, painting and mouse capture.
//
// Contract: GUI thread only. On Windows each function is the Win32 call of the
// same purpose. Elsewhere an in-process stand-in keeps windows as records and
// follows the Win32 rules that panels rely on (a class registers once and
// unregisters only while no window of it exists; a child window needs an
// existing parent; creation sends WM_CREATE before the creator gets the
// handle); tests deliver messages and read its records through
// platform/WindowStandIn.h.
#pragma once

#include <cstdint>

// The system's own handle types, so that a WindowProcedure is a WNDPROC and a
// DeviceContext an HDC while this header stays free of the system's.
struct HWND__;
struct HDC__;

namespace platform {

using WindowHandle = HWND__*;
using DeviceContext = HDC__*;
using WindowProcedure = intptr_t (*)(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam);

// Message numbers and styles that the panel bases use.
namespace window_message {
inline constexpr uint32_t create = 0x0001;
inline constexpr uint32_t destroy = 0x0002;
inline constexpr uint32_t paint = 0x000F;
inline constexpr uint32_t close = 0x0010;
inline constexpr uint32_t finalDestroy = 0x0082;  // WM_NCDESTROY, the last message a window gets
inline constexpr uint32_t timer = 0x0113;
inline constexpr uint32_t mouseMove = 0x0200;
inline constexpr uint32_t leftButtonDown = 0x0201;
inline constexpr uint32_t leftButtonUp = 0x0202;
}  // namespace window_message

namespace window_style {
inline constexpr uint32_t classHorizontalRedraw = 0x0001;
inline constexpr uint32_t classVerticalRedraw = 0x0002;
inline constexpr uint32_t child = 0x40000000;
inline constexpr uint32_t visible = 0x10000000;
}  // namespace window_style

// The fields of WNDCLASSEXW in its order and sizes.
struct WindowClass {
    uint32_t size;
    uint32_t style;
    WindowProcedure procedure;
    int32_t classExtraBytes;
    int32_t windowExtraBytes;
    void* instance;
    void* icon;
    void* cursor;
    void* background;
    const char16_t* menuName;
    const char16_t* className;
    void* smallIcon;
};
static_assert(sizeof(void*) != 8 || sizeof(WindowClass) == 80);

// RECT and POINT: client coordinates in pixels.
struct WindowRect {
    int32_t left, top, right, bottom;
};
struct WindowPoint {
    int32_t x, y;
};

// The mouse position a mouse message carries: x in the low 16 bits of
// lParam, y in the next 16, each signed (positions left of or above the
// window are negative).
constexpr WindowPoint pointFromMessage(intptr_t lParam) {
    const auto bits = static_cast<uintptr_t>(lParam);
    return {static_cast<int16_t>(bits & 0xFFFF), static_cast<int16_t>((bits >> 16) & 0xFFFF)};
}

// The width or height between two edges: 0 when the far edge comes first,
// at most the largest int32.
constexpr int32_t windowExtent(int32_t from, int32_t to) {
    const int64_t extent = int64_t{to} - from;
    return extent < 0 ? 0 : extent > INT32_MAX ? INT32_MAX : static_cast<int32_t>(extent);
}

bool registerWindowClass(const WindowClass& windowClass);
bool unregisterWindowClass(const char16_t* className, void* instance);
void* arrowCursor();

// A window with no title and no menu at bounds (in the parent's client
// coordinates), or null when it cannot be made (no such class, a child without
// a parent). A right or bottom edge before its left or top gives a size of 0.
WindowHandle createWindow(uint32_t extendedStyle, const char16_t* className, uint32_t style, WindowRect bounds,
                          WindowHandle parent, void* instance);
bool destroyWindow(WindowHandle window);
WindowHandle parentWindow(WindowHandle window);

// The pointer a window carries for its procedure (GWLP_USERDATA); null when none.
void setWindowUserData(WindowHandle window, void* data);
void* windowUserData(WindowHandle window);

intptr_t defaultWindowProcedure(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam);
void postQuitMessage(int32_t exitCode);

// Marks part of a window (all of it for null) for repainting.
void invalidateWindow(WindowHandle window, const WindowRect* rect, bool erase);

void setCapture(WindowHandle window);
void releaseCapture();
WindowHandle capture();

// BeginPaint to EndPaint: validates the window and lends its device context.
class WindowPaint {
public:
    explicit WindowPaint(WindowHandle window);
    ~WindowPaint();
    WindowPaint(const WindowPaint&) = delete;
    WindowPaint& operator=(const WindowPaint&) = delete;

    DeviceContext deviceContext() const { return deviceContext_; }

private:
    WindowHandle window_;
    DeviceContext deviceContext_;
    alignas(8) unsigned char paintStruct_[72];  // PAINTSTRUCT
};

}  // namespace platform
