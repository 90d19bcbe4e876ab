#include "host/gui/PlatformTextEdit.h"

#include "framework/ComRef.h"

namespace zuhost::gui {

PlatformTextEdit::PlatformTextEdit(std::shared_ptr<ObjectTally> tally, std::shared_ptr<UserScript> script)
    : HostObject(std::move(tally), &gmpi_gui::MP_IID_PLATFORM_TEXT), script_(std::move(script)) {}

int32_t PlatformTextEdit::setAlignment(int32_t alignment) {
    entry_.alignment = alignment;
    return gmpi::MP_OK;
}

int32_t PlatformTextEdit::setText(const char* text) {
    entry_.startingText = text != nullptr ? text : "";
    return gmpi::MP_OK;
}

int32_t PlatformTextEdit::showEditor(float left, float top, float width, float height, gmpi::IMpUnknown* returnString) {
    const auto result = gmpi::ComRef<gmpi::IMpString>::query(returnString, gmpi::MP_IID_RETURNSTRING);
    if (!result) return gmpi::MP_FAIL;
    entry_.left = left;
    entry_.top = top;
    entry_.width = width;
    entry_.height = height;
    entry_.typedText = script_->answerTextEntry(entry_);
    if (entry_.typedText) result->setData(entry_.typedText->data(), static_cast<int32_t>(entry_.typedText->size()));
    script_->recordTextEntry(entry_);
    return gmpi::MP_OK;
}

}  // namespace zuhost::gui
