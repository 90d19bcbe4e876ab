#include "modules/list_entry/UpDownSelect.h"

#include <algorithm>

namespace zu {

using gmpi_gui::MpSize;

UpDownSelect::UpDownSelect(ListPanel& panel)
    : WidgetAppearance(panel),
      left_(panel.widgetHost(), "arrow_left"),
      right_(panel.widgetHost(), "arrow_right"),
      label_(panel.widgetHost()) {
    show(left_);
    show(right_);
    show(label_);
}

MpSize UpDownSelect::measure() {
    const MpSize left = left_.measure();
    const MpSize right = right_.measure();
    const MpSize label = label_.measure();
    MpSize size{left.width + right.width + label.width, std::max({left.height, right.height, label.height})};
    gmpi::EnumListIterator item = panel_.items();
    if (!item.isDone()) size.width = 0;
    for (; !item.isDone() && item.index() < maxShownItems; item.next()) {
        const MpSize text = label_.sizeFor(item.text());
        size.width = std::max(size.width, left.width + right.width + text.width);
        size.height = std::max(size.height, text.height);
    }
    return size;
}

// The arrows side by side at their own widths, the label from there to the right edge, each centred in the height.
void UpDownSelect::arrange(MpSize size) {
    const MpSize left = left_.measure();
    const MpSize right = right_.measure();
    const MpSize label = label_.measure();
    place(left_, 0, (size.height - left.height) * 0.5f, left.width, left.height);
    place(right_, left.width, (size.height - right.height) * 0.5f, right.width, right.height);
    const float x = left.width + right.width;
    place(label_, x, (size.height - label.height) * 0.5f, size.width - x, label.height);
}

void UpDownSelect::pointerUp(skin::Widget& released) { panel_.stepSelection(&released == &right_ ? +1 : -1); }

}  // namespace zu
