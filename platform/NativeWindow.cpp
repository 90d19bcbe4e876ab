#include "platform/NativeWindow.h"

#if defined(_WIN32)

#include <windows.h>

#include <new>
#include <type_traits>

namespace platform {

static_assert(std::is_same_v<WindowProcedure, WNDPROC>);
static_assert(std::is_same_v<WindowHandle, HWND> && std::is_same_v<DeviceContext, HDC>);
static_assert(sizeof(WindowClass) == sizeof(WNDCLASSEXW));

namespace {
const wchar_t* wide(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }
}  // namespace

bool registerWindowClass(const WindowClass& windowClass) {
    WNDCLASSEXW native{};
    native.cbSize = windowClass.size;
    native.style = windowClass.style;
    native.lpfnWndProc = windowClass.procedure;
    native.cbClsExtra = windowClass.classExtraBytes;
    native.cbWndExtra = windowClass.windowExtraBytes;
    native.hInstance = static_cast<HINSTANCE>(windowClass.instance);
    native.hIcon = static_cast<HICON>(windowClass.icon);
    native.hCursor = static_cast<HCURSOR>(windowClass.cursor);
    native.hbrBackground = static_cast<HBRUSH>(windowClass.background);
    native.lpszMenuName = wide(windowClass.menuName);
    native.lpszClassName = wide(windowClass.className);
    native.hIconSm = static_cast<HICON>(windowClass.smallIcon);
    return RegisterClassExW(&native) != 0;
}

bool unregisterWindowClass(const char16_t* className, void* instance) {
    return UnregisterClassW(wide(className), static_cast<HINSTANCE>(instance)) != 0;
}

// IDC_ARROW is a resource number, not text, whichever character width it is declared for.
void* arrowCursor() { return LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW)); }

WindowHandle createWindow(uint32_t extendedStyle, const char16_t* className, uint32_t style, WindowRect bounds,
                          WindowHandle parent, void* instance) {
    return CreateWindowExW(extendedStyle, wide(className), nullptr, style, bounds.left, bounds.top,
                           windowExtent(bounds.left, bounds.right), windowExtent(bounds.top, bounds.bottom), parent,
                           nullptr, static_cast<HINSTANCE>(instance), nullptr);
}

bool destroyWindow(WindowHandle window) { return DestroyWindow(window) != 0; }
WindowHandle parentWindow(WindowHandle window) { return GetParent(window); }

void setWindowUserData(WindowHandle window, void* data) {
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(data));
}

void* windowUserData(WindowHandle window) { return reinterpret_cast<void*>(GetWindowLongPtrW(window, GWLP_USERDATA)); }

intptr_t defaultWindowProcedure(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
    return DefWindowProcW(window, message, wParam, lParam);
}

void postQuitMessage(int32_t exitCode) { PostQuitMessage(exitCode); }

void invalidateWindow(WindowHandle window, const WindowRect* rect, bool erase) {
    static_assert(sizeof(WindowRect) == sizeof(RECT));
    RECT area{};
    if (rect != nullptr) area = {rect->left, rect->top, rect->right, rect->bottom};
    InvalidateRect(window, rect != nullptr ? &area : nullptr, erase);
}

void setCapture(WindowHandle window) { SetCapture(window); }
void releaseCapture() { ReleaseCapture(); }
WindowHandle capture() { return GetCapture(); }

WindowPaint::WindowPaint(WindowHandle window) : window_(window) {
    static_assert(sizeof(PAINTSTRUCT) <= sizeof(paintStruct_) && alignof(PAINTSTRUCT) <= 8);
    deviceContext_ = BeginPaint(window_, new (paintStruct_) PAINTSTRUCT{});
}

WindowPaint::~WindowPaint() { EndPaint(window_, std::launder(reinterpret_cast<PAINTSTRUCT*>(paintStruct_))); }

}  // namespace platform

#endif
