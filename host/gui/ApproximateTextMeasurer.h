// Measures text without fonts: each character is half the font size wide and
// a line is 1.2 times the font size high, close to Arial's average advance
// and line spacing. Good enough for layouts under Wine, where no font
// machinery of this host runs; never for pixel comparisons.
#pragma once

#include "host/gui/TextMeasurer.h"

namespace zuhost::gui {

class ApproximateTextMeasurer final : public TextMeasurer {
public:
    static constexpr float advancePerEm = 0.5f;
    static constexpr float lineHeightPerEm = 1.2f;

    gmpi_gui::MpSize measure(const TextFormatSettings& format, std::string_view text) override;
};

}  // namespace zuhost::gui
