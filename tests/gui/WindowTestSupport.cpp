#include "tests/gui/WindowTestSupport.h"

#include "platform/ModuleHandle.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include "platform/WindowStandIn.h"
#endif

namespace windowtest {

namespace {
constexpr char16_t panelClassName[] = u"DefaultMpWClass";
constexpr platform::WindowRect unattachedBounds{0, 0, 20, 20};
}  // namespace

#if defined(_WIN32)

namespace {

const wchar_t* wide(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }

// The library's code is linked into this executable, so its classes belong here.
HINSTANCE libraryModule() { return GetModuleHandleW(nullptr); }

const wchar_t* parentClassName() {
    static const bool registered = [] {
        WNDCLASSEXW parentClass{};
        parentClass.cbSize = sizeof(parentClass);
        parentClass.lpfnWndProc = DefWindowProcW;
        parentClass.hInstance = GetModuleHandleW(nullptr);
        parentClass.lpszClassName = L"ZuTestParentWindow";
        return RegisterClassExW(&parentClass) != 0;
    }();
    return registered ? L"ZuTestParentWindow" : nullptr;
}

}  // namespace

WindowHandle createParentWindow(bool shown) {
    if (parentClassName() == nullptr) return nullptr;
    return CreateWindowExW(0, parentClassName(), L"panel window tests", WS_OVERLAPPEDWINDOW | (shown ? WS_VISIBLE : 0),
                           0, 0, 300, 200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

void destroyWindow(WindowHandle window) { DestroyWindow(window); }

bool isPanelClassRegistered() {
    WNDCLASSEXW found{};
    found.cbSize = sizeof(found);
    return GetClassInfoExW(libraryModule(), wide(panelClassName), &found) != 0;
}

WindowHandle createUnattachedPanelClassWindow(WindowHandle parent) {
    return CreateWindowExW(0, wide(panelClassName), nullptr, WS_CHILD | WS_VISIBLE, unattachedBounds.left,
                           unattachedBounds.top, unattachedBounds.right, unattachedBounds.bottom, parent, nullptr,
                           libraryModule(), nullptr);
}

WindowState stateOf(WindowHandle window) {
    if (!IsWindow(window)) return {};
    RECT rect{};
    GetWindowRect(window, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return {true,
            GetParent(window),
            {rect.left, rect.top, rect.right, rect.bottom},
            IsWindowVisible(window) != 0,
            GetUpdateRect(window, nullptr, FALSE) != 0};
}

WindowHandle captured() { return GetCapture(); }

void repaintNow(WindowHandle window) { RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); }

intptr_t send(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
    return SendMessageW(window, message, wParam, lParam);
}

void postAndRunMessageLoop(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
    PostMessageW(window, message, wParam, lParam);
    for (MSG queued; PeekMessageW(&queued, nullptr, 0, 0, PM_REMOVE);) {
        TranslateMessage(&queued);
        DispatchMessageW(&queued);
    }
}

bool takeQuitRequest() {
    MSG quit;
    return PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != 0;
}

#else

namespace {
constexpr char16_t parentClassName[] = u"ZuTestParentWindow";
constexpr uint32_t overlappedWindowStyle = 0x00CF0000;
}  // namespace

WindowHandle createParentWindow(bool shown) {
    platform::WindowClass parentClass{};
    parentClass.size = sizeof(parentClass);
    parentClass.procedure = &platform::defaultWindowProcedure;
    parentClass.className = parentClassName;
    platform::registerWindowClass(parentClass);
    const uint32_t style = overlappedWindowStyle | (shown ? platform::window_style::visible : 0);
    return platform::createWindow(0, parentClassName, style, {0, 0, 300, 200}, nullptr, nullptr);
}

void destroyWindow(WindowHandle window) { platform::destroyWindow(window); }

bool isPanelClassRegistered() { return platform::standin::isClassRegistered(panelClassName, platform::moduleHandle()); }

WindowHandle createUnattachedPanelClassWindow(WindowHandle parent) {
    return platform::createWindow(0, panelClassName, platform::window_style::child | platform::window_style::visible,
                                  unattachedBounds, parent, platform::moduleHandle());
}

WindowState stateOf(WindowHandle window) {
    const auto state = platform::standin::windowState(window);
    if (!state) return {};
    return {true, state->parent, state->bounds, state->visible, state->needsPaint};
}

WindowHandle captured() { return platform::capture(); }

void repaintNow(WindowHandle window) {
    platform::invalidateWindow(window, nullptr, false);
    platform::standin::sendMessage(window, platform::window_message::paint, 0, 0);
}

intptr_t send(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
    return platform::standin::sendMessage(window, message, wParam, lParam);
}

void postAndRunMessageLoop(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
    platform::standin::sendMessage(window, message, wParam, lParam);
}

bool takeQuitRequest() {
    static int32_t seen = 0;
    const int32_t requests = platform::standin::quitRequests();
    const bool requested = requests != seen;
    seen = requests;
    return requested;
}

#endif

}  // namespace windowtest
