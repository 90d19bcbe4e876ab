// A text entry box (IMpPlatformText) whose user follows a UserScript.
//
// Contract: showEditor writes the scripted text into the return string's
// IMpString; with nothing scripted it leaves the string as it was. Both
// answer 0; a return string without IMpString answers -1.
#pragma once

#include <memory>

#include "host/gui/HostObject.h"
#include "host/gui/UserScript.h"

namespace zuhost::gui {

class PlatformTextEdit final : public HostObject<gmpi_gui::IMpPlatformText> {
public:
    PlatformTextEdit(std::shared_ptr<ObjectTally> tally, std::shared_ptr<UserScript> script);

    int32_t setAlignment(int32_t alignment) override;
    int32_t setText(const char* text) override;  // null: empty
    int32_t showEditor(float left, float top, float width, float height, gmpi::IMpUnknown* returnString) override;

private:
    std::shared_ptr<UserScript> script_;
    ShownTextEntry entry_{{}, gmpi_gui::MP_TEXT_ALIGN_LEADING, 0, 0, 0, 0, std::nullopt};
};

}  // namespace zuhost::gui
