// Menus and text entries that a panel shows, drawn in the play window and
// modal as the platform's are: until the user answers, pointer and keys go
// to the popup alone while the host keeps its timers and figures going.
// A menu takes a click on an item, or Up, Down and Enter; a text entry takes
// typing, Backspace and Enter (or a click outside); Escape cancels both, and
// a click outside a menu cancels it.
//
// Contract: GUI thread; called from inside a panel's own call (showMenu,
// showEditor). The panels under a popup are not drawn while it is open; the
// caller redraws the window once shown() has moved on. Closing the window,
// or keepRunning answering false (the run is over), cancels the popup and
// sets quitAsked(). F12 writes the window, popup and all, as a screenshot.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "host/gui/UserScript.h"
#include "host/play/PlayWindow.h"

namespace zuhost::play {

class ModalPopups final : public gui::LiveUser {
public:
    using KeepRunning = std::function<bool()>;

    ModalPopups(PlayWindow& window, KeepRunning keepRunning, std::filesystem::path screenshot);

    // Where the panel that may show a popup stands in the window, in layout units.
    void setOrigin(gmpi_gui::MpPoint origin) { origin_ = origin; }
    int64_t shown() const { return shown_; }
    bool quitAsked() const { return quitAsked_; }

    int32_t chooseFrom(const gui::ShownMenu& menu) override;
    std::optional<std::string> typeInto(const gui::ShownTextEntry& entry) override;

private:
    // Runs the popup until `handle` says it is answered; answers false when
    // the window was closed.
    bool runModal(const std::function<bool(const SDL_Event&)>& handle, const std::function<void()>& draw);
    gmpi_gui::MpPoint toWindow(const SDL_Event& event) const;

    PlayWindow& window_;
    KeepRunning keepRunning_;
    std::filesystem::path screenshot_;
    gmpi_gui::MpPoint origin_{0, 0};
    int64_t shown_ = 0;
    bool quitAsked_ = false;
};

}  // namespace zuhost::play
