#include "host/gui/HostTextFormat.h"

namespace zuhost::gui {

namespace {

bool isAlignmentCode(int32_t alignment) { return alignment >= 0 && alignment <= 2; }

}  // namespace

std::string_view textOfLength(const char* text, int32_t length) {
    if (text == nullptr) return {};
    return length < 0 ? std::string_view(text) : std::string_view(text, static_cast<size_t>(length));
}

HostTextFormat::HostTextFormat(std::shared_ptr<ObjectTally> tally, TextFormatSettings settings,
                               std::shared_ptr<TextMeasurer> measurer)
    : HostObject(std::move(tally), nullptr), settings_(std::move(settings)), measurer_(std::move(measurer)) {}

int32_t HostTextFormat::setTextAlignment(int32_t alignment) {
    if (!isAlignmentCode(alignment)) return gmpi::MP_FAIL;
    settings_.textAlignment = alignment;
    return gmpi::MP_OK;
}

int32_t HostTextFormat::setParagraphAlignment(int32_t alignment) {
    if (!isAlignmentCode(alignment)) return gmpi::MP_FAIL;
    settings_.paragraphAlignment = alignment;
    return gmpi::MP_OK;
}

int32_t HostTextFormat::getTextExtent(const char* text, int32_t length, gmpi_gui::MpSize* extent) {
    if (extent == nullptr || (text == nullptr && length > 0)) return gmpi::MP_FAIL;
    *extent = measurer_->measure(settings_, textOfLength(text, length));
    return gmpi::MP_OK;
}

}  // namespace zuhost::gui
