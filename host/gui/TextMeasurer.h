// What a text format holds, and the strategy that measures text in it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "gui/GuiInterfaces.h"

namespace zuhost::gui {

struct TextFormatSettings {
    std::string family;
    int32_t weight = 400;  // 100 thin .. 900 black
    int32_t style = 0;     // 0 normal, 1 oblique, 2 italic
    int32_t stretch = 5;   // 1 ultra-condensed .. 5 normal .. 9 ultra-expanded
    float size = 12.0f;    // em height in pixels
    int32_t textAlignment = gmpi_gui::MP_TEXT_ALIGN_LEADING;
    int32_t paragraphAlignment = gmpi_gui::MP_PARAGRAPH_ALIGN_NEAR;
};

class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;
    // Width and height of one paragraph of UTF-8 text, laid out without a width limit.
    virtual gmpi_gui::MpSize measure(const TextFormatSettings& format, std::string_view text) = 0;
};

// The platform's measurer: real font metrics through Pango on Linux, the
// ApproximateTextMeasurer on Windows.
std::shared_ptr<TextMeasurer> makePlatformTextMeasurer();

}  // namespace zuhost::gui
