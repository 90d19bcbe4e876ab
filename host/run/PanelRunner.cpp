#include "host/run/PanelRunner.h"

#include <cmath>

#include "host/description/TextEncoding.h"
#include "host/run/PanelPinText.h"

namespace zuhost {

std::unique_ptr<gui::PanelSession> openPanel(std::shared_ptr<const PluginLibrary> library,
                                             const PluginDescription& plugin, const std::filesystem::path& skinFolder) {
    gui::PanelSessionOptions options;
    options.skinFolder = skinFolder;
    gmpi::IMpFactory2& factory = library->factory();
    auto session = std::make_unique<gui::PanelSession>(factory, utf8ToUtf16(plugin.id), options, std::move(library));
    deliverDefaults(*session, plugin);
    return session;
}

gmpi_gui::MpSize layOutPanel(gui::PanelSession& session, std::optional<gmpi_gui::MpSize> size,
                             gmpi_gui::MpSize available) {
    gmpi_gui::MpSize chosen = size ? *size : session.measure(available);
    if (!(chosen.width >= 1 && chosen.height >= 1)) chosen = fallbackSize;
    chosen = {std::ceil(chosen.width), std::ceil(chosen.height)};
    session.arrange({0, 0, chosen.width, chosen.height});
    return chosen;
}

std::unique_ptr<gui::CairoContext> picturePanel(gui::PanelSession& session, gmpi_gui::MpSize size) {
    auto picture = std::make_unique<gui::CairoContext>(static_cast<int32_t>(size.width), static_cast<int32_t>(size.height));
    picture->clear(panelBackground);
    session.render(*picture);
    return picture;
}

}  // namespace zuhost
