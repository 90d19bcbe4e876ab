// "Up/Down Select": a left arrow that steps back, a right arrow that steps
// forward, both wrapping, and a label with the current item.
#pragma once

#include "modules/list_entry/ItemLabel.h"
#include "modules/list_entry/WidgetAppearance.h"
#include "skin/BitmapWidget.h"

namespace zu {

class UpDownSelect final : public WidgetAppearance {
public:
    explicit UpDownSelect(ListPanel& panel);

    gmpi_gui::MpSize measure() override;  // the arrows and a label wide and tall enough for any item
    void arrange(gmpi_gui::MpSize size) override;
    void pointerUp(skin::Widget& released) override;
    void refresh(const gmpi::EnumListIterator& current) override { label_.show(current); }

private:
    skin::BitmapWidget left_;
    skin::BitmapWidget right_;
    ItemLabel label_;
};

}  // namespace zu
