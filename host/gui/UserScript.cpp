#include "host/gui/UserScript.h"

namespace zuhost::gui {

int32_t UserScript::takeMenuChoice() {
    if (menuChoices_.empty()) return -1;
    const int32_t id = menuChoices_.front();
    menuChoices_.pop_front();
    return id;
}

std::optional<std::string> UserScript::takeTypedText() {
    if (typedTexts_.empty()) return std::nullopt;
    std::string text = std::move(typedTexts_.front());
    typedTexts_.pop_front();
    return text;
}

int32_t UserScript::answerMenu(const ShownMenu& menu) {
    if (!menuChoices_.empty() || liveUser_ == nullptr) return takeMenuChoice();
    return liveUser_->chooseFrom(menu);
}

std::optional<std::string> UserScript::answerTextEntry(const ShownTextEntry& entry) {
    if (!typedTexts_.empty() || liveUser_ == nullptr) return takeTypedText();
    return liveUser_->typeInto(entry);
}

}  // namespace zuhost::gui
