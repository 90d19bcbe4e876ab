#include "modules/list_entry/RotarySwitch.h"

#include <algorithm>
#include <numbers>

#include "gui/FloatToInt.h"
#include "modules/list_entry/RotaryGeometry.h"
#include "platform/TextConversion.h"
#include "skin/Drawing.h"
#include "skin/FontCache.h"

namespace zu {

using gmpi_gui::MpPoint;
using gmpi_gui::MpSize;

RotarySwitch::RotarySwitch(ListPanel& panel, int32_t itemCount, Labels labels)
    : WidgetAppearance(panel), knob_(panel.widgetHost(), "switch_rotary"), itemCount_(itemCount), labels_(labels) {
    show(knob_);
    // The knob's steps point where the leader lines start.
    const RotaryGeometry geometry = RotaryGeometry::of(itemCount);
    constexpr float fullTurn = 2 * std::numbers::pi_v<float>;
    knob_.setSteppedRotary(itemCount, geometry.startAngle / fullTurn,
                           float(itemCount - 1) * geometry.angleStep / fullTurn);
}

MpSize RotarySwitch::measure() {
    const RotaryLayout layout = layOut(labelFormat().get(), {0, 0});
    offset_ = {layout.extent.left, layout.extent.top};
    placeKnob();
    return {layout.extent.right - layout.extent.left, layout.extent.bottom - layout.extent.top};
}

void RotarySwitch::arrange(MpSize) { placeKnob(); }

void RotarySwitch::placeKnob() {
    const MpSize knob = knob_.measure();
    place(knob_, -offset_.x, -offset_.y, knob.width, knob.height);
}

// The lines and labels, then the knob over the lines.
void RotarySwitch::render(gmpi_gui::IMpDrawingContext& context) {
    const auto format = labelFormat();
    const auto brush = skin::createBrush(context, {1, 1, 1, 1});
    const RotaryLayout layout = layOut(format.get(), offset_);
    if (brush) {
        for (const RotaryLabel& label : layout.labels) {
            skin::drawPath(context, label.leader, false, brush.get(), 1.0f);
            skin::drawText(context, label.text, format.get(), label.rect, brush.get());
        }
    }
    knob_.render(context);
}

gmpi::ComRef<gmpi_gui::IMpTextFormat> RotarySwitch::labelFormat() const {
    gmpi::ComRef<gmpi_gui::IMpTextFormat> format;
    if (panel_.graphicsHost() != nullptr)
        format = skin::createTextFormat(*panel_.graphicsHost(), "Segoe UI", 400, 8.0f);
    if (format) {
        format->setTextAlignment(gmpi_gui::MP_TEXT_ALIGN_LEADING);
        format->setParagraphAlignment(gmpi_gui::MP_PARAGRAPH_ALIGN_CENTER);
    }
    return format;
}

// Without a format every label is taken to be 50 by 8.
RotaryLayout RotarySwitch::layOut(gmpi_gui::IMpTextFormat* format, MpPoint offset) {
    std::vector<SizedText> texts;
    if (labels_ == Labels::with) {
        for (gmpi::EnumListIterator item = panel_.items(); !item.isDone() && item.index() < itemCount_; item.next()) {
            std::string text = platform::toUtf8(item.text());
            const MpSize size = format != nullptr ? skin::textExtent(format, text) : MpSize{50, 8};
            texts.push_back({std::move(text), size});
        }
    }
    return RotaryLayout::of(knob_.measure(), offset, itemCount_, texts);
}

// The knob shows the current item: the value whose step is that item's.
void RotarySwitch::refresh(const gmpi::EnumListIterator& current) {
    const int32_t index = current.isDone() ? 0 : current.index();
    knob_.setNormalised(itemCount_ > 1 ? float(std::min(index, itemCount_ - 1)) / float(itemCount_ - 1) : 0.0f);
}

// The knob chooses the item it points at when released.
void RotarySwitch::pointerUp(skin::Widget&) {
    if (itemCount_ <= 0) return;
    const float position = knob_.getNormalised();
    panel_.chooseIndex(std::min(gmpi_gui::floorToInt(double(itemCount_) * position), itemCount_ - 1));
    panel_.refreshDisplay();
}

}  // namespace zu
