#include "host/play/LivePanel.h"

namespace zuhost::play {

namespace {

bool samePlace(const gmpi_gui::MpRect& a, const gmpi_gui::MpRect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

}  // namespace

LivePanel::LivePanel(std::shared_ptr<const PluginLibrary> library, const PluginDescription& plugin, std::string title,
                     const std::filesystem::path& skin, PanelConnection& connection, std::ostream& warnings)
    : title_(std::move(title)),
      connection_(connection),
      runner_(std::move(library), plugin, skin, warnings, "zuhost play") {
    connection_.attach(runner_.session());
}

bool LivePanel::layOutIfAsked() {
    const gmpi_gui::MpSize before = runner_.size();
    if (!runner_.layOutAgainIfAsked()) return false;
    return before.width != runner_.size().width || before.height != runner_.size().height;
}

bool LivePanel::takeRedrawRequest() {
    gui::GraphicsHost& host = session().graphicsHost();
    const bool asked = !host.invalidations().empty();
    host.clearInvalidations();
    host.forgetRequests();
    return asked;
}

void LivePanel::draw(const PlayWindow& window, const gmpi_gui::MpRect& where) {
    if (context_ == nullptr || contextGeneration_ != window.generation() || !samePlace(contextPlace_, where)) {
        context_.reset();
        const CairoSurfacePtr region = window.region(where);
        if (region == nullptr) return;
        context_ = std::make_unique<gui::CairoContext>(region.get(), window.scale());
        contextGeneration_ = window.generation();
        contextPlace_ = where;
    }
    context_->clear(panelBackground);
    session().render(*context_);
}

std::set<std::string> LivePanel::loadFailures() {
    runner_.picture();
    std::set<std::string> failures;
    for (const gui::ResourceLookup& lookup : session().guiHost().lookups())
        if (lookup.fullName.empty()) failures.insert("no " + lookup.type + " \"" + lookup.shortName + "\"");
    for (const std::string& image : session().graphicsHost().imageFailures())
        failures.insert(gui::pathFromUtf8(image).filename().string() + " would not decode");
    return failures;
}

void LivePanel::release() {
    context_.reset();
    runner_.release();
}

}  // namespace zuhost::play
