// One panel run the way a host window runs it: made through the library's
// factory and given its pins' defaults, then (once the caller has set its
// pins) initialised, measured and arranged, drawn as often as wanted over
// the skin's dark panel colour (panels draw no background of their own),
// and released with a warning naming whatever it kept.
//
// Contract: the constructor throws PanelUnavailable when the library makes
// no panel for the plug-in, or one that cannot draw; the runner keeps the
// library loaded while it lives. start() comes before picture(). The panel
// is always measured before it is arranged, and measured again whenever it
// asks (invalidateMeasure) before its next picture. A panel that measures
// itself as nothing is laid out at fallbackSize, so that a picture always
// has pixels; one that measures more than largestPanelSide a side is laid
// out at that, with one warning naming the skin images that asked for more.
// Warnings go to the stream given at construction, after the command line
// given there ("zuhost render"). GUI thread; one runner at a time.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>

#include "host/description/PluginDescription.h"
#include "host/description/PluginLibrary.h"
#include "host/gui/PanelSession.h"
#include "host/gui/cairo/CairoContext.h"

namespace zuhost {

inline constexpr gmpi_gui::MpSize fallbackSize{200, 150};
inline constexpr float largestPanelSide = 4096;
inline constexpr gmpi_gui::MpColor panelBackground{0x1C / 255.0f, 0x20 / 255.0f, 0x26 / 255.0f, 1.0f};

class PanelUnavailable : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class PanelRunner {
public:
    PanelRunner(std::shared_ptr<const PluginLibrary> library, const PluginDescription& plugin,
                const std::filesystem::path& skinFolder, std::ostream& warnings, std::string_view commandLine);

    gui::PanelSession& session() { return *session_; }

    // Initialises the panel, measures it within `size` (or `available`) and
    // arranges it at `size` (or at what it measured); answers the size it was given.
    gmpi_gui::MpSize start(std::optional<gmpi_gui::MpSize> size, gmpi_gui::MpSize available = {400, 300});
    gmpi_gui::MpSize size() const { return size_; }

    // Measures and arranges the panel again if it asked for that since it
    // was last laid out, as a host does before it draws or hands the panel
    // the next event; answers whether it did.
    bool layOutAgainIfAsked();

    // The panel as it looks now, at its size, laid out again first if it asked.
    std::unique_ptr<gui::CairoContext> picture();

    // Releases the panel; what it kept is a warning.
    void release();

private:
    void layOut();
    void warnOfOversize(gmpi_gui::MpSize measured);

    std::unique_ptr<gui::PanelSession> session_;
    std::ostream& warnings_;
    std::string commandLine_;
    std::optional<gmpi_gui::MpSize> fixedSize_;
    gmpi_gui::MpSize available_{0, 0};
    gmpi_gui::MpSize size_{0, 0};
    int32_t measureRequestsSeen_ = 0;
    bool warnedOfOversize_ = false;
};

}  // namespace zuhost
