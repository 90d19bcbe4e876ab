#include "gui/MpGuiWindowsGfxBase.h"

#include "gui/PanelLayout.h"
#include "platform/ModuleHandle.h"

namespace gmpi_gui {

namespace {

constexpr char16_t windowClassName[] = u"DefaultMpWClass";

// Panel windows open in this process, of both window bases; the class is
// registered while there is at least one.
int32_t openPanelWindows = 0;

}  // namespace

int32_t MpGuiWindowsGfxBase::queryInterface(const MpGuid& iid, void** out) {
    return gmpi::answerQuery(iid, out, {{MP_IID_GRAPHICS_WIN_GDI, static_cast<IMpGraphicsWinGdi*>(this)}},
                             [&] { return MpGuiBase::queryInterface(iid, out); });
}

int32_t MpGuiWindowsGfxBase::setHost(IMpUnknown* host) {
    MpGuiBase::setHost(host);
    windowHost_ = requireHostInterface<IMpUnknown>(host, MP_IID_WINDOW_HOST);
    return gmpi::MP_OK;
}

int32_t MpGuiWindowsGfxBase::measure(MpSizeI available, MpSizeI* desired) { return measurePanel(available, desired); }

int32_t MpGuiWindowsGfxBase::arrange(const MpRectI* rect) { return arrangePanel(rect, windowRect_); }

int32_t MpGuiWindowsGfxBase::openWindow(void* parentWindow, void** window) {
    if (window == nullptr) return gmpi::MP_FAIL;
    *window = nullptr;
    // A window left open here would stay attached to this panel, counted but never closed.
    closeWindow();
    if (openPanelWindows == 0) registerWindowClass();
    uint32_t style = 0;
    uint32_t extendedStyle = 0;
    getWindowStyles(style, extendedStyle);
    const platform::WindowRect bounds{windowRect_.left, windowRect_.top, windowRect_.right, windowRect_.bottom};
    window_ = platform::createWindow(extendedStyle, windowClassName, style, bounds,
                                     static_cast<platform::WindowHandle>(parentWindow), platform::moduleHandle());
    if (window_ == nullptr) {
        // Without a window there is nothing to close later, so nothing is counted.
        if (openPanelWindows == 0) unregisterWindowClass();
        return gmpi::MP_OK;
    }
    ++openPanelWindows;
    *window = window_;
    platform::setWindowUserData(window_, static_cast<MpGuiWindowsGfxBase*>(this));
    return gmpi::MP_OK;
}

int32_t MpGuiWindowsGfxBase::closeWindow() {
    if (window_ == nullptr) return gmpi::MP_OK;
    platform::destroyWindow(window_);
    window_ = nullptr;
    if (--openPanelWindows == 0) unregisterWindowClass();
    return gmpi::MP_OK;
}

MpGuiWindowsGfxBase::~MpGuiWindowsGfxBase() {
    // What derives from this base is gone: the window's last messages get the default handling.
    if (window_ != nullptr) platform::setWindowUserData(window_, nullptr);
    closeWindow();
}

intptr_t MpGuiWindowsGfxBase::windowProcedure(platform::WindowHandle window, uint32_t message, uintptr_t wParam,
                                              intptr_t lParam) {
    auto* panel = static_cast<MpGuiWindowsGfxBase*>(platform::windowUserData(window));
    if (panel == nullptr) return platform::defaultWindowProcedure(window, message, wParam, lParam);
    const intptr_t answer = panel->onWindowMessage(window, message, wParam, lParam);
    // A window can outlive its panel's interest in it (its parent destroys it,
    // or it closes itself); from here on no message may reach the panel.
    if (message == platform::window_message::destroy) platform::setWindowUserData(window, nullptr);
    return answer;
}

intptr_t MpGuiWindowsGfxBase::onWindowMessage(platform::WindowHandle window, uint32_t message, uintptr_t wParam,
                                              intptr_t lParam) {
    namespace wm = platform::window_message;
    const auto flags = static_cast<uint32_t>(wParam);
    switch (message) {
        case wm::destroy:
            if (platform::parentWindow(window) == nullptr) platform::postQuitMessage(0);
            return 1;
        case wm::paint: {
            const platform::WindowPaint paint(window);
            onPaint(paint.deviceContext());
            return 1;
        }
        case wm::close: platform::destroyWindow(window); return 1;
        case wm::timer: onWindowTimer(window, message, wParam); return 1;
        case wm::mouseMove: onMouseMove(flags, platform::pointFromMessage(lParam)); return 1;
        case wm::leftButtonDown: onLButtonDown(flags, platform::pointFromMessage(lParam)); return 1;
        case wm::leftButtonUp: onLButtonUp(flags, platform::pointFromMessage(lParam)); return 1;
        default: return platform::defaultWindowProcedure(window, message, wParam, lParam);
    }
}

void MpGuiWindowsGfxBase::fillWindowClass(platform::WindowClass& windowClass) {
    windowClass.style = platform::window_style::classHorizontalRedraw | platform::window_style::classVerticalRedraw;
    windowClass.procedure = &windowProcedure;
    windowClass.instance = platform::moduleHandle();
    windowClass.cursor = platform::arrowCursor();
    windowClass.className = windowClassName;
}

void MpGuiWindowsGfxBase::getWindowStyles(uint32_t& style, uint32_t& extendedStyle) {
    style = platform::window_style::child | platform::window_style::visible;
    extendedStyle = 0;
}

void MpGuiWindowsGfxBase::registerWindowClass() {
    platform::WindowClass windowClass{};
    windowClass.size = sizeof(windowClass);
    fillWindowClass(windowClass);
    platform::registerWindowClass(windowClass);
}

void MpGuiWindowsGfxBase::unregisterWindowClass() {
    platform::unregisterWindowClass(windowClassName, platform::moduleHandle());
}

void MpGuiWindowsGfxBase::invalidateRect(const platform::WindowRect* rect, bool erase) {
    if (window_ != nullptr) platform::invalidateWindow(window_, rect, erase);
}

void MpGuiWindowsGfxBase::setCapture() {
    if (window_ != nullptr) platform::setCapture(window_);
}

void MpGuiWindowsGfxBase::releaseCapture() { platform::releaseCapture(); }

bool MpGuiWindowsGfxBase::getCapture() const { return window_ != nullptr && platform::capture() == window_; }

}  // namespace gmpi_gui
