#include "host/gui/PlatformMenu.h"

namespace zuhost::gui {

PlatformMenu::PlatformMenu(std::shared_ptr<ObjectTally> tally, std::shared_ptr<UserScript> script)
    : HostObject(std::move(tally), &gmpi_gui::MP_IID_PLATFORM_MENU), script_(std::move(script)) {}

int32_t PlatformMenu::addItem(const char* text, int32_t id) {
    menu_.items.push_back({text != nullptr ? text : "", id});
    return gmpi::MP_OK;
}

int32_t PlatformMenu::setAlignment(int32_t alignment) {
    menu_.alignment = alignment;
    return gmpi::MP_OK;
}

int32_t PlatformMenu::showMenu(int32_t* chosenId, float x, float y) {
    if (chosenId == nullptr) return gmpi::MP_FAIL;
    menu_.x = x;
    menu_.y = y;
    menu_.chosenId = script_->answerMenu(menu_);
    *chosenId = menu_.chosenId;
    script_->recordMenu(menu_);
    return gmpi::MP_OK;
}

}  // namespace zuhost::gui
