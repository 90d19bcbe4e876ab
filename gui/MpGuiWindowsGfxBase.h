// A first-generation panel that owns a native child window of the class
// "DefaultMpWClass", paints it with GDI and reads mouse messages itself.
//
// Contract: the factory hands the host over right after creation; a host
// without the first-generation GUI host or the window host ends the creation
// with "host Interfaces not supported". The class is registered while at
// least one panel window exists in the process. A window's messages reach its
// panel from the moment openWindow returns until the window is destroyed;
// before and after, the system's default handling answers them. A panel
// destroyed with its window open closes the window first. The destructor
// releases the hosts. GUI thread only.
#pragma once

#include "framework/ComObject.h"
#include "gui/MpGuiBase.h"
#include "platform/NativeWindow.h"

namespace gmpi_gui {

// clang-format off
class MpGuiWindowsGfxBase : public gmpi::MpGuiBase, public IMpGraphicsWinGdi {
public:
    MpGuiWindowsGfxBase() = default;
    MpGuiWindowsGfxBase(const MpGuiWindowsGfxBase&) = delete;
    MpGuiWindowsGfxBase& operator=(const MpGuiWindowsGfxBase&) = delete;

    int32_t queryInterface(const MpGuid& iid, void** out) override;  // IMpGraphicsWinGdi: the window face; else as MpGuiBase
    int32_t addRef() override { return references_.addRef(); }       // either face; returns the new count
    int32_t release() override { return references_.release(this); } // either face; deletes the object at 0
    int32_t setHost(IMpUnknown* host) override;                       // GUI host, then window host; throws without either

    int32_t measure(MpSizeI available, MpSizeI* desired) override;   // available kept within 15..100 each way
    int32_t arrange(const MpRectI* rect) override;                    // where openWindow places the window
    int32_t openWindow(void* parentWindow, void** window) override;  // a child of parentWindow; null out when none could be made
    int32_t closeWindow() override;                                   // destroys the window; nothing without one

    ~MpGuiWindowsGfxBase() override;

    // Window operations for derived panels to refine. Mouse handlers get the
    // message's wParam as flags and the point in client pixels, negative left
    // of or above the window.
    virtual intptr_t onWindowMessage(platform::WindowHandle window, uint32_t message, uintptr_t wParam,
                                     intptr_t lParam);  // paint, close, timer, left button and move; else the default
    virtual void fillWindowClass(platform::WindowClass& windowClass);        // styles, procedure, module, cursor, name
    virtual void getWindowStyles(uint32_t& style, uint32_t& extendedStyle);  // a visible child, no extended style
    virtual void registerWindowClass();    // the class fillWindowClass describes
    virtual void unregisterWindowClass();
    virtual int32_t onPaint(platform::DeviceContext) { return gmpi::MP_OK; }  // between BeginPaint and EndPaint
    virtual int32_t onLButtonDown(uint32_t, platform::WindowPoint) { return gmpi::MP_OK; }
    virtual int32_t onLButtonUp(uint32_t, platform::WindowPoint) { return gmpi::MP_OK; }
    virtual int32_t onMouseMove(uint32_t, platform::WindowPoint) { return gmpi::MP_OK; }
    virtual int32_t onWindowTimer(platform::WindowHandle, uint32_t, uintptr_t) { return gmpi::MP_OK; }  // id: wParam

    // The one procedure of the window class.
    static intptr_t windowProcedure(platform::WindowHandle window, uint32_t message, uintptr_t wParam,
                                    intptr_t lParam);

protected:
    platform::WindowHandle getWindow() const { return window_; }
    IMpUnknown* getWindowHost() const { return windowHost_.get(); }

    // Asks for a repaint of rect (the whole window for null); nothing without a window.
    void invalidateRect(const platform::WindowRect* rect = nullptr, bool erase = false);
    void setCapture();
    void releaseCapture();
    bool getCapture() const;  // true while this panel's window holds the mouse

private:
    gmpi::ReferenceCount references_;
    platform::WindowHandle window_ = nullptr;
    gmpi::ComRef<IMpUnknown> windowHost_;
    MpRectI windowRect_{0, 0, 0, 0};
};
// clang-format on

}  // namespace gmpi_gui
