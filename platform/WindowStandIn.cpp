// The native-window calls where there is no Windows: windows are records in
// this process, and messages reach a window's procedure only when sent.
#include "platform/WindowStandIn.h"

#if !defined(_WIN32)

#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace platform {

namespace {

struct WindowRecord {
    std::u16string className;
    void* instance;
    WindowProcedure procedure;
    WindowHandle parent;
    uint32_t style;
    WindowRect bounds;
    void* userData = nullptr;
    bool needsPaint = true;
    bool destroying = false;
};

struct StandIn {
    std::map<std::pair<std::u16string, void*>, WindowProcedure> classes;
    std::map<WindowHandle, WindowRecord> windows;
    uintptr_t nextHandle = 0x10;
    WindowHandle captured = nullptr;
    int32_t quitRequests = 0;

    WindowRecord* find(WindowHandle window) {
        const auto found = windows.find(window);
        return found == windows.end() ? nullptr : &found->second;
    }

    WindowHandle newHandle() {
        nextHandle += 0x10;
        return reinterpret_cast<WindowHandle>(nextHandle);
    }

    std::vector<WindowHandle> childrenOf(WindowHandle window) const {
        std::vector<WindowHandle> children;
        for (const auto& [handle, record] : windows)
            if (record.parent == window) children.push_back(handle);
        return children;
    }
};

StandIn& standIn() {
    static StandIn instance;
    return instance;
}

// What painting lends as a device context and the class takes as a cursor:
// distinct addresses that nothing draws with.
struct StandInObject {
} lentDeviceContext, cursor;

}  // namespace

bool registerWindowClass(const WindowClass& windowClass) {
    if (windowClass.className == nullptr || windowClass.procedure == nullptr) return false;
    return standIn().classes.try_emplace({windowClass.className, windowClass.instance}, windowClass.procedure).second;
}

bool unregisterWindowClass(const char16_t* className, void* instance) {
    auto& state = standIn();
    const auto found = state.classes.find({className, instance});
    if (found == state.classes.end()) return false;
    const bool inUse = std::any_of(state.windows.begin(), state.windows.end(), [&](const auto& window) {
        return window.second.className == className && window.second.instance == instance;
    });
    if (inUse) return false;
    state.classes.erase(found);
    return true;
}

void* arrowCursor() { return &cursor; }

WindowHandle createWindow(uint32_t extendedStyle, const char16_t* className, uint32_t style, WindowRect bounds,
                          WindowHandle parent, void* instance) {
    (void)extendedStyle;
    auto& state = standIn();
    const auto windowClass = state.classes.find({className, instance});
    if (windowClass == state.classes.end()) return nullptr;
    const bool child = (style & window_style::child) != 0;
    if (child ? state.find(parent) == nullptr : parent != nullptr && state.find(parent) == nullptr) return nullptr;
    const WindowRect placed{bounds.left, bounds.top, bounds.left + windowExtent(bounds.left, bounds.right),
                            bounds.top + windowExtent(bounds.top, bounds.bottom)};
    const WindowHandle window = state.newHandle();
    state.windows.emplace(window, WindowRecord{className, instance, windowClass->second, parent, style, placed});
    standin::sendMessage(window, window_message::create, 0, 0);
    return window;
}

bool destroyWindow(WindowHandle window) {
    auto& state = standIn();
    WindowRecord* record = state.find(window);
    if (record == nullptr || record->destroying) return false;
    record->destroying = true;
    standin::sendMessage(window, window_message::destroy, 0, 0);
    for (WindowHandle child : state.childrenOf(window)) destroyWindow(child);
    standin::sendMessage(window, window_message::finalDestroy, 0, 0);
    if (state.captured == window) state.captured = nullptr;
    state.windows.erase(window);
    return true;
}

WindowHandle parentWindow(WindowHandle window) {
    const WindowRecord* record = standIn().find(window);
    return record != nullptr ? record->parent : nullptr;
}

void setWindowUserData(WindowHandle window, void* data) {
    if (WindowRecord* record = standIn().find(window)) record->userData = data;
}

void* windowUserData(WindowHandle window) {
    const WindowRecord* record = standIn().find(window);
    return record != nullptr ? record->userData : nullptr;
}

intptr_t defaultWindowProcedure(WindowHandle window, uint32_t message, uintptr_t, intptr_t) {
    if (message == window_message::close) destroyWindow(window);
    return 0;
}

void postQuitMessage(int32_t) { ++standIn().quitRequests; }

void invalidateWindow(WindowHandle window, const WindowRect*, bool) {
    if (WindowRecord* record = standIn().find(window)) record->needsPaint = true;
}

void setCapture(WindowHandle window) {
    if (standIn().find(window) != nullptr) standIn().captured = window;
}

void releaseCapture() { standIn().captured = nullptr; }
WindowHandle capture() { return standIn().captured; }

WindowPaint::WindowPaint(WindowHandle window) : window_(window), deviceContext_(nullptr), paintStruct_{} {
    if (WindowRecord* record = standIn().find(window_)) {
        record->needsPaint = false;
        deviceContext_ = reinterpret_cast<DeviceContext>(&lentDeviceContext);
    }
}

WindowPaint::~WindowPaint() = default;

namespace standin {

intptr_t sendMessage(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
    const WindowRecord* record = standIn().find(window);
    return record != nullptr ? record->procedure(window, message, wParam, lParam) : 0;
}

bool isClassRegistered(const char16_t* className, void* instance) {
    return standIn().classes.contains({className, instance});
}

std::optional<WindowState> windowState(WindowHandle window) {
    auto& state = standIn();
    const WindowRecord* record = state.find(window);
    if (record == nullptr) return std::nullopt;
    bool visible = (record->style & window_style::visible) != 0;
    for (const WindowRecord* shown = record; visible && (shown->style & window_style::child) != 0;) {
        shown = state.find(shown->parent);
        visible = shown != nullptr && (shown->style & window_style::visible) != 0;
    }
    return WindowState{record->parent, record->bounds, visible, record->needsPaint};
}

int32_t quitRequests() { return standIn().quitRequests; }

}  // namespace standin

}  // namespace platform

#endif
