// What the "user" does with popup menus and text entries, decided in advance
// by a test, and what the panel showed them.
//
// Contract: each showMenu takes the next scripted choice (-1, nothing
// chosen, when none is left); each showEditor takes the next scripted text
// (the return string stays as it was when none is left). Where a live user
// is given (a host with a real window), what the script leaves unanswered
// is asked of them instead. Every menu and editor shown is recorded with
// what the panel put into it and what was answered.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace zuhost::gui {

struct MenuItem {
    std::string text;
    int32_t id;
};

struct ShownMenu {
    std::vector<MenuItem> items;
    int32_t alignment;
    float x, y;
    int32_t chosenId;
};

struct ShownTextEntry {
    std::string startingText;
    int32_t alignment;
    float left, top, width, height;
    std::optional<std::string> typedText;  // none: the user typed nothing
};

// Someone who answers menus and text entries as they are shown.
class LiveUser {
public:
    virtual ~LiveUser() = default;
    virtual int32_t chooseFrom(const ShownMenu& menu) = 0;                         // the id chosen, or -1
    virtual std::optional<std::string> typeInto(const ShownTextEntry& entry) = 0;  // none: cancelled
};

class UserScript {
public:
    void chooseMenuItem(int32_t id) { menuChoices_.push_back(id); }
    void typeText(std::string text) { typedTexts_.push_back(std::move(text)); }

    int32_t takeMenuChoice();
    std::optional<std::string> takeTypedText();
    // What no menu or editor has taken yet: the last ones scripted.
    const std::deque<int32_t>& unusedMenuChoices() const { return menuChoices_; }
    const std::deque<std::string>& unusedTypedTexts() const { return typedTexts_; }

    // Null: nobody but the script answers.
    void answerLiveWith(LiveUser* user) { liveUser_ = user; }
    int32_t answerMenu(const ShownMenu& menu);
    std::optional<std::string> answerTextEntry(const ShownTextEntry& entry);

    void recordMenu(ShownMenu menu) { menus_.push_back(std::move(menu)); }
    void recordTextEntry(ShownTextEntry entry) { textEntries_.push_back(std::move(entry)); }
    const std::vector<ShownMenu>& menus() const { return menus_; }
    const std::vector<ShownTextEntry>& textEntries() const { return textEntries_; }

private:
    LiveUser* liveUser_ = nullptr;
    std::deque<int32_t> menuChoices_;
    std::deque<std::string> typedTexts_;
    std::vector<ShownMenu> menus_;
    std::vector<ShownTextEntry> textEntries_;
};

}  // namespace zuhost::gui
