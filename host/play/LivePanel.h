// One plug-in node's panel in the play window: run by a PanelRunner over a
// skin folder, given the connection's values, laid out at its measured size
// (again whenever it asks) and drawn into the window's pixels.
//
// Contract: GUI thread. The constructor throws PanelUnavailable for a plug-in
// without a drawable panel; the caller leaves it out of the window. release()
// lets go of the panel and says on `err` what it failed to give back.
#pragma once

#include <filesystem>
#include <memory>
#include <ostream>
#include <set>
#include <string>

#include "host/description/PluginDescription.h"
#include "host/description/PluginLibrary.h"
#include "host/gui/cairo/CairoContext.h"
#include "host/play/PanelConnection.h"
#include "host/play/PlayWindow.h"
#include "host/run/PanelRunner.h"

namespace zuhost::play {

class LivePanel {
public:
    LivePanel(std::shared_ptr<const PluginLibrary> library, const PluginDescription& plugin, std::string title,
              const std::filesystem::path& skin, PanelConnection& connection, std::ostream& warnings);

    gui::PanelSession& session() { return runner_.session(); }
    PanelConnection& connection() { return connection_; }
    const std::string& title() const { return title_; }
    gmpi_gui::MpSize size() const { return runner_.size(); }

    // Initialises the panel and lays it out at what it measures.
    void start() { runner_.start(std::nullopt); }
    // Lays the panel out again if it asked for a new measure; answers whether its size changed.
    bool layOutIfAsked();
    // Whether the panel asked to be drawn since the last call.
    bool takeRedrawRequest();

    void draw(const PlayWindow& window, const gmpi_gui::MpRect& where);
    // Draws the panel once off screen, so that it loads all it draws, and
    // names each resource that would not load: "no Image \"knob\"", or
    // "knob.png would not decode".
    std::set<std::string> loadFailures();
    void release();

private:
    std::string title_;
    PanelConnection& connection_;
    PanelRunner runner_;
    std::unique_ptr<gui::CairoContext> context_;
    int64_t contextGeneration_ = -1;
    gmpi_gui::MpRect contextPlace_{0, 0, 0, 0};
};

}  // namespace zuhost::play
