// Where a rotary switch's item labels and their leader lines go around its
// knob, worked out alike for measuring the switch and for drawing it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "gui/GuiInterfaces.h"

namespace zu {

// An item's text and the size it takes in the label format.
struct SizedText {
    std::string text;  // UTF-8
    gmpi_gui::MpSize size;
};

struct RotaryLabel {
    std::string text;       // UTF-8
    gmpi_gui::MpRect rect;  // where the text goes
    // From the knob outwards: two points, and a third where the line runs level into the label.
    std::vector<gmpi_gui::MpPoint> leader;
};

struct RotaryLayout {
    gmpi_gui::MpRect extent;  // of the knob and every label
    std::vector<RotaryLabel> labels;

    // The knob of the given size with its top left at -offset, and the
    // labels of the first texts of a list that counts itemCount items.
    static RotaryLayout of(gmpi_gui::MpSize knob, gmpi_gui::MpPoint offset, int32_t itemCount,
                           const std::vector<SizedText>& texts);
};

}  // namespace zu
