#include "host/run/PanelRunner.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "host/command/NumberText.h"
#include "host/command/UsageError.h"
#include "host/description/TextEncoding.h"
#include "host/gui/HostFile.h"
#include "host/run/PanelPinText.h"
#include "skin/ImageMetadata.h"

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

bool oversized(gmpi_gui::MpSize size) { return size.width > largestPanelSide || size.height > largestPanelSide; }

// What a panel that measured `size` is laid out at.
gmpi_gui::MpSize usable(gmpi_gui::MpSize size) {
    if (!(size.width >= 1 && size.height >= 1)) return fallbackSize;
    return {std::min(size.width, largestPanelSide), std::min(size.height, largestPanelSide)};
}

// In whole pixels, as a picture has them.
std::string sizeText(gmpi_gui::MpSize size) {
    return shortestText(std::ceil(size.width), std::chars_format::fixed) + "x" +
           shortestText(std::ceil(size.height), std::chars_format::fixed);
}

// The skin images the panel read whose metadata asks for frames larger than a panel may be.
std::vector<std::string> oversizedSkinImages(const gui::GuiHost& host) {
    std::vector<std::string> found;
    for (const gui::ResourceLookup& lookup : host.lookups()) {
        if (lookup.type != "ImageMeta" || lookup.fullName.empty()) continue;
        const auto text = gui::HostFile::readWhole(gui::pathFromUtf8(lookup.fullName));
        if (!text) continue;
        skin::ImageMetadata metadata;
        skin::applyImageMetadata(metadata, std::string_view(text->data(), text->size()));
        const std::string described = lookup.shortName + " asks for frames of " + sizeText(metadata.frameSize);
        if (oversized(metadata.frameSize) && std::find(found.begin(), found.end(), described) == found.end())
            found.push_back(described);
    }
    return found;
}

}  // namespace

PanelRunner::PanelRunner(std::shared_ptr<const PluginLibrary> library, const PluginDescription& plugin,
                         const std::filesystem::path& skinFolder, std::ostream& warnings, std::string_view commandLine)
    : warnings_(warnings), commandLine_(commandLine) {
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
    fixedSize_ = size;
    available_ = size.value_or(available);
    layOut();
    return size_;
}

bool PanelRunner::layOutAgainIfAsked() {
    if (session_->graphicsHost().measureRequests() == measureRequestsSeen_) return false;
    layOut();
    return true;
}

// A host measures before it arranges, even at a size of its own: panels work
// out the places of their parts while they measure.
void PanelRunner::layOut() {
    const gmpi_gui::MpSize measured = session_->measure(available_);
    const gmpi_gui::MpSize chosen = fixedSize_.value_or(usable(measured));
    size_ = {std::ceil(chosen.width), std::ceil(chosen.height)};
    if (!fixedSize_ && oversized(measured) && !warnedOfOversize_) warnOfOversize(measured);
    session_->arrange({0, 0, size_.width, size_.height});
    measureRequestsSeen_ = session_->graphicsHost().measureRequests();
}

void PanelRunner::warnOfOversize(gmpi_gui::MpSize measured) {
    warnedOfOversize_ = true;
    warnings_ << commandLine_ << ": warning: the panel measures " << sizeText(measured) << ", more than "
              << shortestText(largestPanelSide) << " a side; it is laid out at " << sizeText(size_);
    const std::vector<std::string> images = oversizedSkinImages(session_->guiHost());
    for (size_t i = 0; i < images.size(); ++i) warnings_ << (i == 0 ? " (skin image " : ", ") << images[i];
    warnings_ << (images.empty() ? "\n" : ")\n");
}

std::unique_ptr<gui::CairoContext> PanelRunner::picture() {
    layOutAgainIfAsked();
    auto picture =
        std::make_unique<gui::CairoContext>(static_cast<int32_t>(size_.width), static_cast<int32_t>(size_.height));
    picture->clear(panelBackground);
    session_->render(*picture);
    return picture;
}

void PanelRunner::release() {
    session_->releasePanel();
    if (const std::string leaks = session_->leaks(); !leaks.empty())
        warnings_ << commandLine_ << ": warning: " << leaks << "\n";
}

}  // namespace zuhost
