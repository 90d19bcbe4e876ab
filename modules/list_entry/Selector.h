// "Selector": a button that steps to the next item, wrapping, beside a
// label with the current item.
#pragma once

#include "modules/list_entry/ItemLabel.h"
#include "modules/list_entry/WidgetAppearance.h"
#include "skin/BitmapWidget.h"

namespace zu {

class Selector final : public WidgetAppearance {
public:
    explicit Selector(ListPanel& panel);

    gmpi_gui::MpSize measure() override;  // wide enough for the button and any item's label
    void arrange(gmpi_gui::MpSize size) override;
    void pointerUp(skin::Widget& released) override;
    void refresh(const gmpi::EnumListIterator& current) override { label_.show(current); }
    // The label follows the list; the layout waits for the next change of appearance.
    bool rebuildsWithList() const override { return false; }

private:
    skin::BitmapWidget button_;
    ItemLabel label_;
};

}  // namespace zu
