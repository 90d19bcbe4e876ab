// "LED Stack" and "LED Stack (labelled)": a button that steps to the next
// item, wrapping, beside a column of LEDs, one per item, the current one
// lit; the labelled stack has each item's text beside its LED.
//
// Contract: a row for every item the list counts. The plain stack has at
// least one LED and is at least as tall as its button; the labelled one
// has a label only for the items the list yields and is as tall as its rows.
#pragma once

#include <memory>
#include <vector>

#include "modules/list_entry/WidgetAppearance.h"
#include "skin/BitmapWidget.h"
#include "skin/TextWidget.h"

namespace zu {

class LedStack final : public WidgetAppearance {
public:
    LedStack(ListPanel& panel, int32_t itemCount, Labels labels);

    gmpi_gui::MpSize measure() override;
    void arrange(gmpi_gui::MpSize size) override;
    void pointerUp(skin::Widget& released) override;
    void refresh(const gmpi::EnumListIterator& current) override;

private:
    static constexpr float rowSpacing = 4;

    float labelHeight();  // of the first label; 0 without labels
    static float columnHeight(size_t rows, float rowHeight);

    skin::BitmapWidget button_;
    std::vector<std::unique_ptr<skin::BitmapWidget>> leds_;
    std::vector<std::unique_ptr<skin::TextWidget>> labels_;
    int32_t itemCount_;
    bool labelled_;
};

}  // namespace zu
