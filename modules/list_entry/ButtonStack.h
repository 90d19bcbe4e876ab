// "Button Stack": a toggle button per item with the item's text beside it,
// in rows without gaps; pressing a button chooses its item.
//
// Contract: a row for every item the list counts; only the items the list
// yields have a label. A row is as high as its button or, when taller, the
// last label, so that no label is cut off.
#pragma once

#include <memory>
#include <vector>

#include "modules/list_entry/WidgetAppearance.h"
#include "skin/BitmapWidget.h"
#include "skin/TextWidget.h"

namespace zu {

class ButtonStack final : public WidgetAppearance {
public:
    ButtonStack(ListPanel& panel, int32_t itemCount);

    gmpi_gui::MpSize measure() override;
    void arrange(gmpi_gui::MpSize size) override;
    void pointerUp(skin::Widget& released) override;
    void refresh(const gmpi::EnumListIterator& current) override;

private:
    float labelHeight();  // of the last label, in whole pixels; 0 without labels
    float rowHeight();    // whole pixels

    std::vector<std::unique_ptr<skin::BitmapWidget>> buttons_;
    std::vector<std::unique_ptr<skin::TextWidget>> labels_;
};

}  // namespace zu
