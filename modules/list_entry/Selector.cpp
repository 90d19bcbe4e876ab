#include "modules/list_entry/Selector.h"

#include <algorithm>

namespace zu {

using gmpi_gui::MpSize;

Selector::Selector(ListPanel& panel)
    : WidgetAppearance(panel), button_(panel.widgetHost(), "button_sm"), label_(panel.widgetHost()) {
    show(button_);
    show(label_);
}

MpSize Selector::measure() {
    const MpSize button = button_.measure();
    float width = button.width;
    for (gmpi::EnumListIterator item = panel_.items(); !item.isDone() && item.index() < maxShownItems; item.next())
        width = std::max(width, button.width + label_.sizeFor(item.text()).width);
    return {width, button.height};
}

void Selector::arrange(MpSize size) {
    const MpSize button = button_.measure();
    const MpSize text = label_.measure();
    place(button_, 0, (size.height - button.height) * 0.5f, button.width, button.height);
    place(label_, button.width, (size.height - text.height) * 0.5f, size.width - button.width, text.height);
}

void Selector::pointerUp(skin::Widget& released) {
    if (&released == &button_) panel_.stepSelection(+1);
}

}  // namespace zu
