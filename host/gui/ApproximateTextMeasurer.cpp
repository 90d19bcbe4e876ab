#include "host/gui/ApproximateTextMeasurer.h"

#include <algorithm>

namespace zuhost::gui {

gmpi_gui::MpSize ApproximateTextMeasurer::measure(const TextFormatSettings& format, std::string_view text) {
    // UTF-8 continuation bytes (10xxxxxx) do not start a character.
    const auto characters = std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; });
    return {static_cast<float>(characters) * format.size * advancePerEm, format.size * lineHeightPerEm};
}

}  // namespace zuhost::gui
