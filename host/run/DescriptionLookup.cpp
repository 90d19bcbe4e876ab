#include "host/run/DescriptionLookup.h"

#include <string>

#include "framework/MpInterfaces.h"
#include "host/command/NumberText.h"
#include "host/command/UsageError.h"

namespace zuhost {

namespace {

const PinDescription* findByNameOrIndex(const std::vector<PinDescription>& pins, std::string_view text) {
    for (const PinDescription& pin : pins)
        if (pin.name == text) return &pin;
    const auto index = parseInteger<int32_t>(text);
    return index && *index >= 0 ? findPin(pins, *index) : nullptr;
}

bool endsWithWord(std::string_view name, std::string_view word) {
    return name.size() > word.size() && name.ends_with(word) && name[name.size() - word.size() - 1] == ' ';
}

}  // namespace

const PluginDescription& findPluginByIdOrName(const LibraryDescription& library, std::string_view text) {
    for (const PluginDescription& plugin : library.plugins)
        if (plugin.id == text || plugin.name == text) return plugin;
    std::string known;
    for (const PluginDescription& plugin : library.plugins) known += "\n  " + plugin.id;
    throw UsageError("the library has no plug-in \"" + std::string(text) + "\"; it has:" + known);
}

const PinDescription& findAudioPinByNameOrIndex(const PluginDescription& plugin, std::string_view text) {
    if (const PinDescription* pin = findByNameOrIndex(plugin.audioPins, text)) return *pin;
    throw UsageError("\"" + plugin.id + "\" has no audio-side pin \"" + std::string(text) + "\"");
}

const PinDescription& findAudioInput(const PluginDescription& plugin, std::string_view text) {
    const PinDescription& pin = findAudioPinByNameOrIndex(plugin, text);
    if (!pin.isAudioRate() || pin.direction != gmpi::MP_IN)
        throw UsageError("\"" + pin.name + "\" is not an audio input");
    return pin;
}

const PinDescription& findGuiPinByNameOrIndex(const PluginDescription& plugin, std::string_view text) {
    if (const PinDescription* pin = findByNameOrIndex(plugin.guiPins, text)) return *pin;
    std::string known;
    for (const PinDescription& pin : plugin.guiPins) known += "\n  " + std::to_string(pin.index) + " " + pin.name;
    throw UsageError("\"" + plugin.id + "\" has no panel pin \"" + std::string(text) + "\"; it has:" + known);
}

const PinDescription& findBlobPin(const PluginDescription& plugin, std::string_view text) {
    for (const PinDescription& pin : plugin.guiPins)
        if (pin.datatypeCode == gmpi::MP_BLOB && endsWithWord(pin.name, text)) return pin;
    const PinDescription& pin = findGuiPinByNameOrIndex(plugin, text);
    if (pin.datatypeCode != gmpi::MP_BLOB) throw UsageError("panel pin \"" + pin.name + "\" takes no trace");
    return pin;
}

}  // namespace zuhost
