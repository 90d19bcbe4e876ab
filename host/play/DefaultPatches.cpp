#include "host/play/DefaultPatches.h"

#include <algorithm>

#include "framework/MpInterfaces.h"

namespace zuhost::play {

namespace {

constexpr std::string_view knobPlugin = "ZU Slider2";
constexpr std::string_view knobAppearance = "3";
constexpr std::string_view middleValue = "5";  // of the host's parameter range 0 to 10
constexpr float lowestPitch = 220.0f;

PatchNode pluginNode(std::string id, const std::string& plugin) {
    PatchNode node;
    node.id = std::move(id);
    node.plugin = plugin;
    return node;
}

PatchNode hostNode(std::string id, NodeKind kind, std::map<std::string, float> inputs = {}) {
    PatchNode node;
    node.id = std::move(id);
    node.kind = kind;
    node.inputs = std::move(inputs);
    return node;
}

PatchConnection connect(std::string fromNode, std::string fromPin, std::string toNode, std::string toPin,
                        float scale = 1.0f) {
    return {std::move(fromNode), std::move(fromPin), std::move(toNode), std::move(toPin), scale, 0.0f, 0};
}

const PinDescription* firstOutput(const PluginDescription& plugin, bool audio) {
    for (const PinDescription& pin : plugin.audioPins)
        if (pin.direction == gmpi::MP_OUT && pin.isAudioRate() == audio && !pin.parameterId) return &pin;
    return nullptr;
}

std::vector<const PinDescription*> audioInputs(const PluginDescription& plugin) {
    std::vector<const PinDescription*> inputs;
    for (const PinDescription& pin : plugin.audioPins)
        if (pin.direction == gmpi::MP_IN && pin.isAudioRate()) inputs.push_back(&pin);
    return inputs;
}

// Every sine to both channels at `share` of its level, and the mix to the meter.
void addOutput(Patch& patch, const std::vector<std::string>& sines, float share) {
    patch.nodes.push_back(hostNode("out", NodeKind::Output));
    patch.nodes.push_back(hostNode("meter", NodeKind::Meter));
    for (const std::string& sine : sines) {
        patch.connections.push_back(connect(sine, "out", "out", "left", share));
        patch.connections.push_back(connect(sine, "out", "out", "right", share));
        patch.connections.push_back(connect(sine, "out", "meter", "in", share));
    }
}

void watchTwoSines(Patch& patch, const std::string& scope, const std::vector<const PinDescription*>& inputs) {
    patch.nodes.push_back(hostNode("a", NodeKind::Sine, {{"frequency", 440.0f}, {"level", 0.5f}}));
    patch.nodes.push_back(hostNode("b", NodeKind::Sine, {{"frequency", 220.0f}}));
    PatchNode knob = pluginNode("knob", std::string(knobPlugin));
    knob.pins = {{"Appearance", std::string(knobAppearance)}, {"Value In", std::string(middleValue)}};
    patch.nodes.push_back(knob);
    patch.connections.push_back(connect("knob", "Signal Out", "b", "level", 0.8f));
    for (size_t i = 0; i < inputs.size(); ++i) {
        const bool watchesB = i + 1 == inputs.size() && inputs.size() >= 2;
        patch.connections.push_back(connect(watchesB ? "b" : "a", "out", scope, inputs[i]->name));
    }
    addOutput(patch, {"a", "b"}, 0.5f);
}

}  // namespace

Patch defaultPatch(const PluginDescription& plugin) {
    Patch patch{plugin.id, "default patch for \"" + plugin.id + "\"", {}, {}};
    std::string main = plugin.name.empty() ? plugin.id : plugin.name;
    std::replace(main.begin(), main.end(), '.', ' ');
    PatchNode node = pluginNode(main, plugin.id);
    const auto inputs = audioInputs(plugin);
    if (const PinDescription* audioOut = firstOutput(plugin, true); audioOut != nullptr) {
        if (plugin.id == knobPlugin) node.pins.emplace_back("Appearance", knobAppearance);
        node.pins.emplace_back("Value In", middleValue);
        patch.nodes.push_back(node);
        patch.nodes.push_back(hostNode("tone", NodeKind::Sine, {{"frequency", lowestPitch}}));
        patch.connections.push_back(connect(main, audioOut->name, "tone", "level", 0.5f));
        patch.connections.push_back(connect(main, audioOut->name, "tone", "frequency", 2 * lowestPitch));
        addOutput(patch, {"tone"}, 1.0f);
    } else if (const PinDescription* valueOut = firstOutput(plugin, false); valueOut != nullptr && inputs.empty()) {
        node.pins = {{"EnumList", "220 Hz,330 Hz,440 Hz,550 Hz"}, {"Value In", "2"}};
        patch.nodes.push_back(node);
        patch.nodes.push_back(hostNode("tone", NodeKind::Sine, {{"frequency", lowestPitch}, {"level", 0.4f}}));
        patch.connections.push_back(connect(main, valueOut->name, "tone", "frequency", lowestPitch / 2));
        addOutput(patch, {"tone"}, 1.0f);
    } else {
        patch.nodes.push_back(node);
        if (!inputs.empty()) watchTwoSines(patch, main, inputs);
    }
    return patch;
}

}  // namespace zuhost::play
