// The drawable elements a panel is made of: a rectangle in the panel, drawn
// in render and fed with the panel's pointer events.
//
// Contract: the owning panel sets the bounds, forwards pointer events and,
// after each, takes the dirty flag (raised whenever what the widget draws
// changed) to ask the host for a repaint. setHost may be called again; the
// hosts held before are released. GUI thread only.
#pragma once

#include <cstdint>
#include <utility>

#include "framework/ComRef.h"
#include "gui/GuiInterfaces.h"

namespace skin {

class Widget {
public:
    Widget() = default;
    Widget(const Widget&) = delete;
    Widget& operator=(const Widget&) = delete;
    virtual ~Widget() = default;

    virtual int32_t setHost(gmpi::IMpUnknown* host);  // keeps the graphics host and the GUI host; 0
    virtual gmpi_gui::MpSize measure() = 0;           // the size the widget wants
    virtual void render(gmpi_gui::IMpDrawingContext& context) = 0;
    virtual bool onPointerDown(uint32_t flags, gmpi_gui::MpPoint point);  // true: capture the pointer for this widget
    virtual void onPointerMove(uint32_t flags, gmpi_gui::MpPoint point);
    virtual void onPointerUp(uint32_t flags, gmpi_gui::MpPoint point);

    bool hitTest(gmpi_gui::MpPoint point) const;  // left and top inclusive, right and bottom exclusive
    const gmpi_gui::MpRect& getBounds() const { return bounds_; }
    void setBounds(const gmpi_gui::MpRect& bounds) { bounds_ = bounds; }
    float width() const { return bounds_.right - bounds_.left; }
    float height() const { return bounds_.bottom - bounds_.top; }

    bool isDirty() const { return dirty_; }
    bool takeDirty() { return std::exchange(dirty_, false); }  // reads and clears the flag

protected:
    void markDirty() { dirty_ = true; }
    gmpi_gui::IMpGraphicsHost* graphicsHost() const { return graphicsHost_.get(); }
    gmpi::IMpUserInterfaceHost2* guiHost() const { return guiHost_.get(); }

private:
    gmpi_gui::MpRect bounds_{0, 0, 0, 0};
    bool dirty_ = true;
    gmpi::ComRef<gmpi_gui::IMpGraphicsHost> graphicsHost_;
    gmpi::ComRef<gmpi::IMpUserInterfaceHost2> guiHost_;
};

}  // namespace skin
