#include "modules/list_entry/LedStack.h"

#include <algorithm>
#include <cmath>

namespace zu {

using gmpi_gui::MpSize;

LedStack::LedStack(ListPanel& panel, int32_t itemCount, Labels labels)
    : WidgetAppearance(panel),
      button_(panel.widgetHost(), "button_sm"),
      itemCount_(itemCount),
      labelled_(labels == Labels::with) {
    show(button_);
    showBitmaps(leds_, labelled_ ? itemCount : std::max(itemCount, 1), "led");
    if (labelled_) showItemLabels(labels_, itemCount);
}

float LedStack::labelHeight() { return labels_.empty() ? 0.0f : labels_.front()->measure().height; }

float LedStack::columnHeight(size_t rows, float rowHeight) {
    return float(rows - 1) * rowSpacing + float(rows) * rowHeight;
}

MpSize LedStack::measure() {
    const MpSize button = button_.measure();
    if (leds_.empty()) return button;
    const MpSize led = leds_.front()->measure();
    float width = button.width + led.width;
    for (const auto& label : labels_)
        width = std::max(width, std::ceil(label->measure().width) + button.width + led.width + 2);
    const float column = columnHeight(leds_.size(), std::max(labelHeight(), led.height));
    return {width, labelled_ ? column : std::max(button.height, column)};
}

// The button centred on the column, which starts at the top whatever the height.
void LedStack::arrange(MpSize size) {
    const MpSize button = button_.measure();
    const MpSize led = leds_.empty() ? MpSize{0, 0} : leds_.front()->measure();
    const float textHeight = labelHeight();
    const float row = std::max(textHeight, led.height);
    const float column = columnHeight(std::max<size_t>(leds_.size(), 1), row);
    place(button_, 0, (column - button.height) * 0.5f, button.width, button.height);
    const float labelLeft = button.width + led.width;
    for (size_t i = 0; i < leds_.size(); ++i) {
        const float y = float(i) * (row + rowSpacing);
        place(*leds_[i], button.width, y + (row - led.height) * 0.5f, led.width, led.height);
        if (i < labels_.size())
            place(*labels_[i], labelLeft, y + (row - textHeight) * 0.5f - 2, size.width - labelLeft, textHeight);
    }
}

// LEDs that a click toggled show the current item again.
void LedStack::pointerUp(skin::Widget& released) {
    if (&released == &button_) panel_.stepSelection(+1);
    panel_.refreshDisplay();
}

void LedStack::refresh(const gmpi::EnumListIterator& current) {
    const int32_t lit = current.isDone() ? 0 : current.index();
    for (int32_t i = 0; i < itemCount_; ++i) leds_[i]->setNormalised(i == lit ? 1.0f : 0.0f);
}

}  // namespace zu
