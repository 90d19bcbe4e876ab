// "Rot Switch" and "Rot Switch (no labels)": a stepped knob with a step per
// item, the labelled one with the items' texts around it, each joined to
// its step by a leader line. Releasing the knob chooses the item it points at.
#pragma once

#include <vector>

#include "framework/ComRef.h"
#include "modules/list_entry/RotaryLayout.h"
#include "modules/list_entry/WidgetAppearance.h"
#include "skin/BitmapWidget.h"

namespace zu {

class RotarySwitch final : public WidgetAppearance {
public:
    RotarySwitch(ListPanel& panel, int32_t itemCount, Labels labels);

    gmpi_gui::MpSize measure() override;  // the knob and its labels; places the knob among them
    void arrange(gmpi_gui::MpSize size) override;
    void render(gmpi_gui::IMpDrawingContext& context) override;
    void pointerUp(skin::Widget& released) override;
    void refresh(const gmpi::EnumListIterator& current) override;

private:
    gmpi::ComRef<gmpi_gui::IMpTextFormat> labelFormat() const;
    RotaryLayout layOut(gmpi_gui::IMpTextFormat* format, gmpi_gui::MpPoint offset);
    void placeKnob();

    skin::BitmapWidget knob_;
    int32_t itemCount_;
    Labels labels_;
    gmpi_gui::MpPoint offset_{0, 0};  // the knob's top left is at -offset_, so that the labels fit
};

}  // namespace zu
