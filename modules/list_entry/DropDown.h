// "Dropdown", also shown for any code that names no other appearance: a box
// with the current item's text and a chevron; a click opens the host's popup
// menu of the items and the item picked there is chosen.
//
// Contract: only the drop-down chosen by its own code keeps its layout when
// the list changes; as the stand-in for an unknown code it is rebuilt, and so
// asks for a new measure, as any other appearance is. The menu offers the
// first maxMenuItems items, since a range list may hold billions and a menu
// of more is of no use to anyone. The box's text format lives in the panel,
// made on first use and kept for the panel's life whatever the appearance
// does meanwhile. Without a graphics host, or in a rectangle that is not
// finite, no menu opens.
#pragma once

#include "framework/ComRef.h"
#include "modules/list_entry/ListAppearance.h"

namespace zu {

class DropDown final : public ListAppearance {
public:
    static constexpr int32_t maxMenuItems = 4096;

    enum class Chosen { byItsCode, asStandIn };

    DropDown(ListPanel& panel, gmpi::ComRef<gmpi_gui::IMpTextFormat>& format, Chosen chosen)
        : panel_(panel), format_(format), chosen_(chosen) {}

    gmpi_gui::MpSize measure() override;  // 100 wide, as high as a line of text
    void arrange(gmpi_gui::MpSize) override {}
    void render(gmpi_gui::IMpDrawingContext& context) override;
    void pointerDown(uint32_t flags, gmpi_gui::MpPoint point) override;  // the menu, wherever the click is
    void pointerUp(skin::Widget&) override {}
    void refresh(const gmpi::EnumListIterator&) override {}  // the box shows the current item when drawn
    bool takeDirty() override { return false; }
    bool takeFirstDirty() override { return false; }
    bool rebuildsWithList() const override { return chosen_ == Chosen::asStandIn; }

private:
    gmpi_gui::IMpTextFormat* format();

    ListPanel& panel_;
    gmpi::ComRef<gmpi_gui::IMpTextFormat>& format_;
    Chosen chosen_;
};

}  // namespace zu
