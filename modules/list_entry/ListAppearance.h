// The ways the list entry panel shows its list, and what they ask of the
// panel. An appearance owns its widgets, lays them out, draws them and says
// what a release of one of them chooses; the panel owns the pins, the
// pointer capture and the choosing, and makes a new appearance whenever the
// appearance code changes (and, for most, when the list does).
//
// Contract: an appearance is made for one list and one set of hosts; the
// widget a pointer-down captured stays valid for the appearance's life.
// arrange is only given a finite size. GUI thread only.
#pragma once

#include <cstdint>

#include "framework/EnumListIterator.h"
#include "gui/GuiInterfaces.h"
#include "skin/Widget.h"

namespace zu {

// Whether the stacks and the rotary switch show the items' texts.
enum class Labels { without, with };

// The panel as its appearances see it.
class ListPanel {
public:
    virtual gmpi::EnumListIterator items() const = 0;        // at the first item
    virtual gmpi::EnumListIterator currentItem() const = 0;  // at the item of the current value; done when none has it
    virtual void chooseIndex(int32_t index) = 0;             // sends the item's value when it is not the current one
    virtual void stepSelection(int32_t delta) = 0;           // to the next (+1) or previous (-1) item, wrapping
    virtual void refreshDisplay() = 0;                       // shows the current item again
    // Gives the pointer-down to widget and, when the widget takes it, captures the pointer for it.
    virtual void press(skin::Widget& widget, uint32_t flags, gmpi_gui::MpPoint point) = 0;
    virtual void repaint() = 0;                                   // the whole panel
    virtual gmpi::IMpUnknown* widgetHost() const = 0;             // what widgets load their images and styles through
    virtual gmpi_gui::IMpGraphicsHost* graphicsHost() const = 0;  // null when the host offers none
    virtual const gmpi_gui::MpRect& bounds() const = 0;           // the arranged rectangle

protected:
    ~ListPanel() = default;
};

class ListAppearance {
public:
    // Stacks and switches show the first items only, so that a list of
    // thousands still lays out.
    static constexpr int32_t maxShownItems = 256;

    virtual ~ListAppearance() = default;

    virtual gmpi_gui::MpSize measure() = 0;  // the desired size
    virtual void arrange(gmpi_gui::MpSize size) = 0;
    virtual void render(gmpi_gui::IMpDrawingContext& context) = 0;
    // Presses the widgets under the point through the panel (or acts at once, as the drop-down's menu does).
    virtual void pointerDown(uint32_t flags, gmpi_gui::MpPoint point) = 0;
    // What releasing the captured widget chooses; the widget has had the release.
    virtual void pointerUp(skin::Widget& released) = 0;
    // Shows current, the item of the current value (done when the list has none).
    virtual void refresh(const gmpi::EnumListIterator& current) = 0;

    virtual bool takeDirty() = 0;       // clears every widget's dirty flag; true when any was raised
    virtual bool takeFirstDirty() = 0;  // clears the first raised flag only; true when there was one
    // Whether a new list needs a new appearance, or a refresh is enough.
    virtual bool rebuildsWithList() const = 0;
};

}  // namespace zu
