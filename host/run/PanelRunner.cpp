#include "host/run/PanelRunner.h"

#include <cmath>
#include <string>

#include "host/command/UsageError.h"
#include "host/description/TextEncoding.h"
#include "host/run/PanelPinText.h"

namespace zuhost {

namespace {

// A host sends every pin its default from the description first.
void deliverDefaults(gui::PanelSession& session, const PluginDescription& plugin) {
    for (const PinDescription& pin : plugin.guiPins) {
        const auto value = pin.attribute("default");
        if (!value) continue;
        try {
            session.setPin(pin.index, panelPinBytes(pin, *value));
        } catch (const UsageError&) {
            // A default that does not fit its datatype is left for the panel's own.
        }
    }
}

}  // namespace

PanelRunner::PanelRunner(std::shared_ptr<const PluginLibrary> library, const PluginDescription& plugin,
                         const std::filesystem::path& skinFolder) {
    gui::PanelSessionOptions options;
    options.skinFolder = skinFolder;
    gmpi::IMpFactory2& factory = library->factory();
    session_ = std::make_unique<gui::PanelSession>(factory, utf8ToUtf16(plugin.id), options, std::move(library));
    if (session_->createResult() != gmpi::MP_OK || session_->graphics() == nullptr)
        throw PanelUnavailable("\"" + plugin.id + "\" has no drawable panel (result " +
                               std::to_string(session_->createResult()) + ")");
    deliverDefaults(*session_, plugin);
}

gmpi_gui::MpSize PanelRunner::start(std::optional<gmpi_gui::MpSize> size, gmpi_gui::MpSize available) {
    session_->initialize();
    gmpi_gui::MpSize chosen = size ? *size : session_->measure(available);
    if (!(chosen.width >= 1 && chosen.height >= 1)) chosen = fallbackSize;
    size_ = {std::ceil(chosen.width), std::ceil(chosen.height)};
    session_->arrange({0, 0, size_.width, size_.height});
    return size_;
}

std::unique_ptr<gui::CairoContext> PanelRunner::picture() {
    auto picture = std::make_unique<gui::CairoContext>(static_cast<int32_t>(size_.width), static_cast<int32_t>(size_.height));
    picture->clear(panelBackground);
    session_->render(*picture);
    return picture;
}

void PanelRunner::release(std::ostream& err, std::string_view commandLine) {
    session_->releasePanel();
    if (const std::string leaks = session_->leaks(); !leaks.empty()) err << commandLine << ": warning: " << leaks << "\n";
}

}  // namespace zuhost
