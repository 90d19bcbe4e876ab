#include "modules/list_entry/ButtonStack.h"

#include <algorithm>
#include <cmath>

namespace zu {

using gmpi_gui::MpSize;

ButtonStack::ButtonStack(ListPanel& panel, int32_t itemCount) : WidgetAppearance(panel) {
    showBitmaps(buttons_, itemCount, "button_sm");
    for (const auto& button : buttons_) button->setToggle(true);
    showItemLabels(labels_, itemCount);
}

float ButtonStack::labelHeight() { return std::ceil(labels_.empty() ? 0.0f : labels_.back()->measure().height); }

float ButtonStack::rowHeight() { return std::max(std::ceil(buttons_.front()->measure().height), labelHeight()); }

MpSize ButtonStack::measure() {
    if (buttons_.empty()) return {0, 0};
    const MpSize button = buttons_.front()->measure();
    float width = button.width;
    for (const auto& label : labels_) width = std::max(width, std::ceil(label->measure().width) + button.width);
    return {width, float(buttons_.size()) * rowHeight()};
}

void ButtonStack::arrange(MpSize size) {
    if (buttons_.empty()) return;
    const MpSize button = buttons_.front()->measure();
    const float buttonHeight = std::ceil(button.height);
    const float textHeight = labelHeight();
    const float row = rowHeight();
    const float buttonOffset = std::floor((row - buttonHeight) * 0.5f + 0.5f);
    const float labelOffset = std::floor((row - textHeight) * 0.5f + 0.5f);
    for (size_t i = 0; i < buttons_.size(); ++i) {
        place(*buttons_[i], 0, float(i) * row + buttonOffset, button.width, buttonHeight);
        if (i < labels_.size())
            place(*labels_[i], button.width, float(i) * row + labelOffset, size.width - button.width, textHeight);
    }
}

// A button that toggled on chooses its item and turns the others off; one
// that toggled off changes nothing else.
void ButtonStack::pointerUp(skin::Widget& released) {
    const auto pressed =
        std::find_if(buttons_.begin(), buttons_.end(), [&](const auto& button) { return button.get() == &released; });
    if (pressed == buttons_.end() || (*pressed)->getNormalised() <= 0) return;
    for (const auto& button : buttons_)
        if (button != *pressed) button->setNormalised(0);
    panel_.chooseIndex(static_cast<int32_t>(pressed - buttons_.begin()));
}

void ButtonStack::refresh(const gmpi::EnumListIterator& current) {
    const int32_t lit = current.isDone() ? 0 : current.index();
    for (size_t i = 0; i < buttons_.size(); ++i) buttons_[i]->setNormalised(int32_t(i) == lit ? 1.0f : 0.0f);
}

}  // namespace zu
