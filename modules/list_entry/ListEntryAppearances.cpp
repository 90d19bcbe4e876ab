// Layouts of the list entry's widget appearances, and the rotary switch's
// labels and leader lines around its knob.
#include <algorithm>
#include <cmath>

#include "modules/list_entry/ListEntryGui.h"
#include "modules/list_entry/RotaryGeometry.h"
#include "platform/TextConversion.h"
#include "skin/Drawing.h"
#include "skin/FontCache.h"

namespace zu {

using gmpi_gui::MpPoint;
using gmpi_gui::MpRect;
using gmpi_gui::MpSize;

namespace {

MpSize sizeOf(skin::Widget* widget) { return widget != nullptr ? widget->measure() : MpSize{0, 0}; }

void place(skin::Widget* widget, float left, float top, float width, float height) {
    if (widget != nullptr) widget->setBounds({left, top, left + width, top + height});
}

void include(MpRect& extent, const MpRect& r) {
    extent = {std::min(extent.left, r.left), std::min(extent.top, r.top), std::max(extent.right, r.right),
              std::max(extent.bottom, r.bottom)};
}

}  // namespace

MpSize ListEntryGui::measureAppearance() {
    switch (appearance_) {
        case LED_STACK: return measureLedStack();
        case LED_STACK_LABELLED: return measureLabelledLedStack();
        case SELECTOR: return measureSelector();
        case BUTTON_STACK: return measureButtonStack();
        case UP_DOWN: return measureUpDown();
        default: return measureRotary();
    }
}

void ListEntryGui::arrangeAppearance(float width, float height) {
    switch (appearance_) {
        case LED_STACK: arrangeLedStack(); break;
        case LED_STACK_LABELLED: arrangeLabelledLedStack(width); break;
        case SELECTOR: arrangeSelector(width, height); break;
        case BUTTON_STACK: arrangeButtonStack(width); break;
        case UP_DOWN: arrangeUpDown(width, height); break;
        default: placeKnob(); break;
    }
}

// Button, then a column of LEDs (at least one).
MpSize ListEntryGui::measureLedStack() {
    const MpSize button = sizeOf(bitmapAt(0));
    const int32_t leds = static_cast<int32_t>(widgets_.size()) - 1;
    if (leds <= 0) return button;
    const MpSize led = sizeOf(bitmapAt(1));
    const float column = float(leds - 1) * rowSpacing_ + float(leds) * led.height;
    return {button.width + led.width, std::max(button.height, column)};
}

void ListEntryGui::arrangeLedStack() {
    const MpSize button = sizeOf(bitmapAt(0));
    const MpSize led = sizeOf(bitmapAt(1));
    const int32_t leds = static_cast<int32_t>(widgets_.size()) - 1;
    const float column = float(std::max(leds, 1) - 1) * rowSpacing_ + float(std::max(leds, 1)) * led.height;
    place(bitmapAt(0), 0, (column - button.height) * 0.5f, button.width, button.height);
    for (int32_t i = 0; i < leds; ++i) place(bitmapAt(i + 1), button.width, i * (led.height + rowSpacing_), led.width, led.height);
}

// Button, a column of LEDs and a column of labels beside them. There is a row
// for every item the list counts; a list whose count outruns its items has
// rows without a label.
MpSize ListEntryGui::measureLabelledLedStack() {
    const int32_t n = shownCount();
    const MpSize button = sizeOf(bitmapAt(0));
    if (n <= 0) return button;
    const MpSize led = sizeOf(bitmapAt(1));
    const float row = std::max(sizeOf(widgetAt(1 + n)).height, led.height);
    float width = button.width + led.width;
    for (int32_t i = 0; i < n; ++i)
        if (skin::Widget* label = widgetAt(1 + n + i))
            width = std::max(width, std::ceil(label->measure().width) + button.width + led.width + 2);
    return {width, float(n - 1) * rowSpacing_ + float(n) * row};
}

void ListEntryGui::arrangeLabelledLedStack(float width) {
    const int32_t n = shownCount();
    const MpSize button = sizeOf(bitmapAt(0));
    const MpSize led = n > 0 ? sizeOf(bitmapAt(1)) : MpSize{0, 0};
    const float labelHeight = n > 0 ? sizeOf(widgetAt(1 + n)).height : 0;
    const float row = std::max(labelHeight, led.height);
    const int32_t rows = std::max(n, 1);
    const float column = float(rows - 1) * rowSpacing_ + float(rows) * row;
    place(bitmapAt(0), 0, (column - button.height) * 0.5f, button.width, button.height);
    for (int32_t i = 0; i < n; ++i) {
        const float y = float(i) * (row + rowSpacing_);
        place(bitmapAt(1 + i), button.width, y + (row - led.height) * 0.5f, led.width, led.height);
        const float left = button.width + led.width;
        place(widgetAt(1 + n + i), left, y + (row - labelHeight) * 0.5f - 2, width - left, labelHeight);
    }
}

// The label's size with text in it, leaving it as it was.
MpSize ListEntryGui::labelSizeFor(const std::u16string& text) {
    skin::TextWidget* widget = label();
    if (widget == nullptr) return {0, 0};
    const std::string previous = widget->getText();
    const bool wasDirty = widget->isDirty();
    widget->setText(platform::toUtf8(text));
    const MpSize size = widget->measure();
    widget->setText(previous);
    if (!wasDirty) widget->takeDirty();
    return size;
}

// Button and one label wide enough for any item.
MpSize ListEntryGui::measureSelector() {
    const MpSize button = sizeOf(bitmapAt(0));
    float width = button.width;
    for (gmpi::EnumListIterator item = items(); !item.isDone() && item.index() < maxShownItems; item.next())
        width = std::max(width, button.width + labelSizeFor(item.text()).width);
    return {width, button.height};
}

void ListEntryGui::arrangeSelector(float width, float height) {
    const MpSize button = sizeOf(bitmapAt(0));
    const MpSize text = sizeOf(label());
    place(bitmapAt(0), 0, (height - button.height) * 0.5f, button.width, button.height);
    place(label(), button.width, (height - text.height) * 0.5f, width - button.width, text.height);
}

// One toggle button per item, each with its label, rows without gaps. A
// row is as high as its button or, when taller, its label, so that the last
// label is not cut off. As in the LED stack, an item the list counts but
// does not yield has a button and no label.
MpSize ListEntryGui::measureButtonStack() {
    const int32_t n = shownCount();
    if (n == 0) return {0, 0};
    const MpSize button = sizeOf(bitmapAt(0));
    float width = button.width;
    for (int32_t i = 0; i < n; ++i)
        if (skin::Widget* label = widgetAt(n + i)) width = std::max(width, std::ceil(label->measure().width) + button.width);
    const float row = std::max(std::ceil(button.height), std::ceil(sizeOf(lastStackLabel(n)).height));
    return {width, float(n) * row};
}

void ListEntryGui::arrangeButtonStack(float width) {
    const int32_t n = shownCount();
    if (n == 0) return;
    const MpSize button = sizeOf(bitmapAt(0));
    const float buttonHeight = std::ceil(button.height);
    const float labelHeight = std::ceil(sizeOf(lastStackLabel(n)).height);
    const float row = std::max(buttonHeight, labelHeight);
    const float buttonOffset = std::floor((row - buttonHeight) * 0.5f + 0.5f);
    const float labelOffset = std::floor((row - labelHeight) * 0.5f + 0.5f);
    for (int32_t i = 0; i < n; ++i) {
        place(bitmapAt(i), 0, float(i) * row + buttonOffset, button.width, buttonHeight);
        place(widgetAt(n + i), button.width, float(i) * row + labelOffset, width - button.width, labelHeight);
    }
}

// The labels follow the n buttons; none when the list yields no item.
skin::Widget* ListEntryGui::lastStackLabel(int32_t buttons) const {
    return widgets_.size() > size_t(buttons) ? widgets_.back().get() : nullptr;
}

// Left arrow, right arrow and a label wide and tall enough for any item.
MpSize ListEntryGui::measureUpDown() {
    const MpSize left = sizeOf(bitmapAt(0));
    const MpSize right = sizeOf(bitmapAt(1));
    MpSize size{left.width + right.width + sizeOf(label()).width, std::max({left.height, right.height, sizeOf(label()).height})};
    gmpi::EnumListIterator item = items();
    if (!item.isDone()) size.width = 0;
    for (; !item.isDone() && item.index() < maxShownItems; item.next()) {
        const MpSize text = labelSizeFor(item.text());
        size.width = std::max(size.width, left.width + right.width + text.width);
        size.height = std::max(size.height, text.height);
    }
    return size;
}

void ListEntryGui::arrangeUpDown(float width, float height) {
    float x = 0;
    for (size_t i = 0; i < widgets_.size(); ++i) {
        const MpSize size = widgets_[i]->measure();
        const float top = (height - size.height) * 0.5f;
        const bool last = i + 1 == widgets_.size();
        place(widgets_[i].get(), x, top, last ? width - x : size.width, size.height);
        x += size.width;
    }
}

// The knob with its labels: the extent of both, the knob placed inside it.
MpSize ListEntryGui::measureRotary() {
    const MpRect extent = drawRotary(nullptr, {0, 0});
    rotaryOffset_ = {extent.left, extent.top};
    placeKnob();
    return {extent.right - extent.left, extent.bottom - extent.top};
}

void ListEntryGui::placeKnob() {
    const MpSize knob = sizeOf(bitmapAt(0));
    place(bitmapAt(0), -rotaryOffset_.x, -rotaryOffset_.y, knob.width, knob.height);
}

// Draws the labels, leader lines and knob (or, without a context, only
// measures them) with the knob's top left at -offset; answers the extent.
MpRect ListEntryGui::drawRotary(gmpi_gui::IMpDrawingContext* context, MpPoint offset) {
    gmpi::HostRef<gmpi_gui::IMpTextFormat> format;
    if (getGraphicsHost() != nullptr) format = skin::createTextFormat(*getGraphicsHost(), "Segoe UI", 400, 8.0f);
    if (format) {
        format->setTextAlignment(gmpi_gui::MP_TEXT_ALIGN_LEADING);
        format->setParagraphAlignment(gmpi_gui::MP_PARAGRAPH_ALIGN_CENTER);
    }
    gmpi::HostRef<gmpi_gui::IMpSolidColorBrush> brush;
    if (context != nullptr) brush = skin::createBrush(*context, {1, 1, 1, 1});

    const MpSize knob = sizeOf(bitmapAt(0));
    MpRect extent{-offset.x, -offset.y, knob.width - offset.x, knob.height - offset.y};
    const MpPoint centre{knob.width * 0.5f - offset.x, knob.height * 0.5f - offset.y};
    const float innerRadius = 0.4f * knob.width;

    if (appearance_ == ROTARY_SWITCH) {
        const int32_t n = shownCount();
        const RotaryGeometry g = RotaryGeometry::of(n);
        for (gmpi::EnumListIterator item = items(); !item.isDone() && item.index() < n; item.next()) {
            const int32_t i = item.index();
            const std::string text = platform::toUtf8(item.text());
            MpSize label{50, 8};
            if (format) label = skin::textExtent(format.get(), text);

            const float y = (i < g.perColumn ? float(i) - (g.perColumn - 1) * 0.5f
                                             : float(n - i - 1) - (g.perColumn - 1) * 0.5f) * g.pitch;
            float x = std::abs(y) < g.radius ? std::sqrt(g.radius * g.radius - y * y) : 0.0f;
            if (g.twoColumns && float(i) > float(n - 1) * 0.5f) x = -x;

            // The leader line bends to run level into a label between its two ends.
            const float angle = g.startAngle + float(i) * g.angleStep;
            const float c = std::cos(angle), s = std::sin(angle);
            const MpPoint inner{innerRadius * c, innerRadius * s};
            MpPoint outer{g.radius * c, g.radius * s};
            const bool bends = (y - 0.8f > outer.y && inner.y > y) || (outer.y > y + 0.8f && y > inner.y);
            if (bends) outer = {g.radius * c * y / (g.radius * s), y};
            if (brush) {
                std::vector<MpPoint> path{{centre.x + inner.x, centre.y + inner.y}, {centre.x + outer.x, centre.y + outer.y}};
                if (bends && x != 0 && y != 0) path.push_back({centre.x + x, centre.y + y});
                skin::drawPath(*context, path, false, brush.get(), 1.0f);
            }

            float left, top;
            if (x > -1 && x < 1) {
                left = x - label.width * 0.5f;
                top = y > 0 ? y + 4 - label.height * 0.5f : y - label.height;
            } else {
                left = x >= 1 ? x + 4 : x - label.width - 4;
                top = y - label.height * 0.5f;
            }
            const MpRect rect{left + centre.x, top + centre.y, left + centre.x + label.width, top + centre.y + label.height};
            if (brush)
                skin::drawText(*context, text, format.get(), rect, brush.get());
            else if (context == nullptr)
                include(extent, rect);
        }
    }
    if (context != nullptr && bitmapAt(0) != nullptr) bitmapAt(0)->render(*context);
    return extent;
}

}  // namespace zu
