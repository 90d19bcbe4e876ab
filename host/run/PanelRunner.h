// One panel run the way a host window runs it: made through the library's
// factory and given its pins' defaults, then (once the caller has set its
// pins) initialised and laid out, drawn as often as wanted over the skin's
// dark panel colour (panels draw no background of their own), and released
// with a warning naming whatever it kept.
//
// Contract: the constructor throws PanelUnavailable when the library makes
// no panel for the plug-in, or one that cannot draw; the runner keeps the
// library loaded while it lives. start() comes before picture(). A panel
// that measures itself as nothing is laid out at fallbackSize, so that a
// picture always has pixels. GUI thread; one runner at a time.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string_view>

#include "host/description/PluginDescription.h"
#include "host/description/PluginLibrary.h"
#include "host/gui/PanelSession.h"
#include "host/gui/cairo/CairoContext.h"

namespace zuhost {

inline constexpr gmpi_gui::MpSize fallbackSize{200, 150};
inline constexpr gmpi_gui::MpColor panelBackground{0x1C / 255.0f, 0x20 / 255.0f, 0x26 / 255.0f, 1.0f};

class PanelUnavailable : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class PanelRunner {
public:
    PanelRunner(std::shared_ptr<const PluginLibrary> library, const PluginDescription& plugin,
                const std::filesystem::path& skinFolder);

    gui::PanelSession& session() { return *session_; }

    // Initialises the panel and arranges it at `size`, or at what it measures
    // within `available`; answers the size it was given.
    gmpi_gui::MpSize start(std::optional<gmpi_gui::MpSize> size, gmpi_gui::MpSize available = {400, 300});
    gmpi_gui::MpSize size() const { return size_; }

    // The panel as it looks now, at its size.
    std::unique_ptr<gui::CairoContext> picture();

    // Releases the panel; what it kept is a warning on `err` from `commandLine` ("zuhost render").
    void release(std::ostream& err, std::string_view commandLine);

private:
    std::unique_ptr<gui::PanelSession> session_;
    gmpi_gui::MpSize size_{0, 0};
};

}  // namespace zuhost
