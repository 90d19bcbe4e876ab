// A popup menu (IMpPlatformMenu) whose user follows a UserScript.
#pragma once

#include <memory>

#include "host/gui/HostObject.h"
#include "host/gui/UserScript.h"

namespace zuhost::gui {

class PlatformMenu final : public HostObject<gmpi_gui::IMpPlatformMenu> {
public:
    PlatformMenu(std::shared_ptr<ObjectTally> tally, std::shared_ptr<UserScript> script);

    int32_t addItem(const char* text, int32_t id) override;  // a null text adds an empty item
    int32_t setAlignment(int32_t alignment) override;
    int32_t showMenu(int32_t* chosenId, float x, float y) override;  // -1 without chosenId

private:
    std::shared_ptr<UserScript> script_;
    ShownMenu menu_{{}, gmpi_gui::MP_TEXT_ALIGN_LEADING, 0, 0, -1};
};

}  // namespace zuhost::gui
