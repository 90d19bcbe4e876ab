// A panel laid out and drawn as a host window would show it: the host fills
// the window with the skin's dark panel colour, since panels draw no
// background of their own.
//
// Contract: openPanel's session may have failed to create the panel; see
// its createResult(). A panel that measures itself as nothing is laid out at
// fallbackSize, so that a picture always has pixels.
#pragma once

#include <memory>
#include <optional>

#include "host/description/PluginDescription.h"
#include "host/description/PluginLibrary.h"
#include "host/gui/PanelSession.h"
#include "host/gui/cairo/CairoContext.h"

namespace zuhost {

inline constexpr gmpi_gui::MpSize fallbackSize{200, 150};
inline constexpr gmpi_gui::MpColor panelBackground{0x1C / 255.0f, 0x20 / 255.0f, 0x26 / 255.0f, 1.0f};

// The panel of `plugin`, over the skin in `skinFolder`, given its pins'
// defaults; the session keeps the library loaded.
std::unique_ptr<gui::PanelSession> openPanel(std::shared_ptr<const PluginLibrary> library,
                                             const PluginDescription& plugin, const std::filesystem::path& skinFolder);

// Arranges the panel at `size`, or at what it measures within `available`, and answers the size.
gmpi_gui::MpSize layOutPanel(gui::PanelSession& session, std::optional<gmpi_gui::MpSize> size,
                             gmpi_gui::MpSize available = {400, 300});

std::unique_ptr<gui::CairoContext> picturePanel(gui::PanelSession& session, gmpi_gui::MpSize size);

}  // namespace zuhost
