#include "host/description/PluginDescription.h"

#include <algorithm>

#include "framework/MpInterfaces.h"

namespace zuhost {

std::optional<std::string_view> findAttribute(const std::vector<Attribute>& attributes, std::string_view name) {
    const auto found =
        std::find_if(attributes.begin(), attributes.end(), [&](const auto& a) { return a.name == name; });
    if (found == attributes.end()) return std::nullopt;
    return found->value;
}

const PinDescription* findPin(const std::vector<PinDescription>& pins, int32_t index) {
    const auto found = std::find_if(pins.begin(), pins.end(), [&](const auto& pin) { return pin.index == index; });
    return found == pins.end() ? nullptr : &*found;
}

bool PinDescription::isAudioRate() const { return datatypeCode == gmpi::MP_AUDIO; }

const PinDescription* PluginDescription::findAudioPin(int32_t index) const { return findPin(audioPins, index); }
const PinDescription* PluginDescription::findGuiPin(int32_t index) const { return findPin(guiPins, index); }

const PluginDescription* LibraryDescription::findPlugin(std::string_view id) const {
    const auto found = std::find_if(plugins.begin(), plugins.end(), [&](const auto& p) { return p.id == id; });
    return found == plugins.end() ? nullptr : &*found;
}

}  // namespace zuhost
