// Drives one panel the way a host does: creates it through a library's
// factory (kind 2), gives it a GuiHost and a GraphicsHost, delivers pin
// values, initialises, lays it out, renders it into a drawing context, plays
// pointer gestures with modifier keys, and moves virtual time on.
//
// Contract: whoever makes the session keeps the library's code loaded for its
// lifetime (or passes something that does as keepLoaded, released last). The
// panel is released by releasePanel() or at destruction; afterwards
// leaks() names every host reference or host object the panel still holds.
// Calls that need the panel answer -2 when it was not created or lacks
// the interface. GUI thread; one session at a time uses the VirtualPlatform.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "framework/ComRef.h"
#include "framework/MpInterfaces.h"
#include "host/gui/DrawingContextBase.h"
#include "host/gui/GraphicsHost.h"
#include "host/gui/GuiHost.h"
#include "host/gui/SkinFolder.h"

namespace zuhost::gui {

struct PanelSessionOptions {
    std::filesystem::path skinFolder = SkinFolder::besideExecutable();
    bool offerGraphicsHost = true;               // false: the host answers no graphics host
    std::shared_ptr<TextMeasurer> textMeasurer;  // null: the platform's
};

// Modifier keys held during a pointer call, as a bit set.
enum Modifier : uint32_t { NoModifier = 0, ShiftKey = 1, ControlKey = 2, AltKey = 4 };

class PanelSession {
public:
    using GetFactoryFunction = int32_t (*)(void**);

    // The IMpFactory2 that a library's MP_GetFactory hands out, or null.
    static gmpi::IMpFactory2* factoryFrom(GetFactoryFunction getFactory);

    PanelSession(gmpi::IMpFactory2& factory, std::u16string_view id, PanelSessionOptions options = {},
                 std::shared_ptr<const void> keepLoaded = nullptr);
    ~PanelSession();
    PanelSession(const PanelSession&) = delete;
    PanelSession& operator=(const PanelSession&) = delete;

    int32_t createResult() const { return createResult_; }    // the factory's answer
    int32_t setHostResult() const { return setHostResult_; }  // the panel's answer to setHost
    gmpi::IMpUserInterface2* panel() const { return panel_.get(); }
    gmpi_gui::IMpGraphics* graphics() const { return graphics_.get(); }

    int32_t setPin(int32_t pinId, std::span<const uint8_t> bytes, int32_t voice = 0);
    int32_t setInt(int32_t pinId, int32_t value, int32_t voice = 0);
    int32_t setFloat(int32_t pinId, float value, int32_t voice = 0);
    int32_t setBool(int32_t pinId, bool value, int32_t voice = 0);  // one byte
    int32_t setString(int32_t pinId, std::u16string_view value, int32_t voice = 0);
    int32_t setBlob(int32_t pinId, std::span<const uint8_t> value, int32_t voice = 0);
    int32_t initialize();

    gmpi_gui::MpSize measure(gmpi_gui::MpSize available);  // 0 by 0 when the panel fails
    int32_t arrange(const gmpi_gui::MpRect& rect);
    int32_t render(DrawingContextBase& context);

    int32_t pointerDown(gmpi_gui::MpPoint point, uint32_t modifiers = NoModifier, uint32_t flags = 0);
    int32_t pointerMove(gmpi_gui::MpPoint point, uint32_t modifiers = NoModifier, uint32_t flags = 0);
    int32_t pointerUp(gmpi_gui::MpPoint point, uint32_t modifiers = NoModifier, uint32_t flags = 0);
    // Down at from, `moves` evenly spaced moves ending at to, up at to, with
    // the keys held throughout. Answers the down's result.
    int32_t drag(gmpi_gui::MpPoint from, gmpi_gui::MpPoint to, int32_t moves, uint32_t modifiers = NoModifier);

    // Moves virtual time on, running the timer ticks that fall due.
    void advance(int64_t milliseconds);

    // Releases every reference the session holds on the panel.
    void releasePanel();
    // What the released panel still holds: empty when it gave everything back.
    std::string leaks() const;

    GuiHost& guiHost() { return guiHost_; }
    GraphicsHost& graphicsHost() { return graphicsHost_; }
    UserScript& script() { return graphicsHost_.script(); }

private:
    using PointerCall = int32_t (gmpi_gui::IMpGraphics::*)(uint32_t, gmpi_gui::MpPoint);
    int32_t pointer(PointerCall call, gmpi_gui::MpPoint point, uint32_t modifiers, uint32_t flags);

    std::shared_ptr<const void> keepLoaded_;  // first member: let go of last
    GuiHost guiHost_;
    GraphicsHost graphicsHost_;
    gmpi::ComRef<gmpi::IMpUnknown> object_;
    gmpi::ComRef<gmpi::IMpUserInterface2> panel_;
    gmpi::ComRef<gmpi_gui::IMpGraphics> graphics_;
    int32_t createResult_ = gmpi::MP_FAIL;
    int32_t setHostResult_ = gmpi::MP_NOSUPPORT;
};

}  // namespace zuhost::gui
