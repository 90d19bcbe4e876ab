// A text format the graphics host made (IMpTextFormat): the font and the
// alignments that drawing contexts lay text out with.
//
// Contract: alignment codes outside their enumerations are refused (-1) and
// leave the setting alone. getTextExtent takes length bytes of UTF-8, or a
// terminated text when length is negative, and measures it with the
// format's TextMeasurer.
#pragma once

#include <memory>

#include "host/gui/HostObject.h"
#include "host/gui/TextMeasurer.h"

namespace zuhost::gui {

class HostTextFormat final : public HostObject<gmpi_gui::IMpTextFormat> {
public:
    HostTextFormat(std::shared_ptr<ObjectTally> tally, TextFormatSettings settings,
                   std::shared_ptr<TextMeasurer> measurer);

    int32_t setTextAlignment(int32_t alignment) override;
    int32_t setParagraphAlignment(int32_t alignment) override;
    int32_t getTextExtent(const char* text, int32_t length, gmpi_gui::MpSize* extent) override;

    const TextFormatSettings& settings() const { return settings_; }

private:
    TextFormatSettings settings_;
    std::shared_ptr<TextMeasurer> measurer_;
};

// length bytes of text, or up to its terminator when length is negative;
// empty for a null text.
std::string_view textOfLength(const char* text, int32_t length);

}  // namespace zuhost::gui
