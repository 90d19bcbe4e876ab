// One plug-in node's panel joined to its processor across the two threads,
// the way a host joins them through parameters: a parameter's value and
// fields go to the panel pins that name them; a value the panel sends on a
// parameter's pin sets the parameter, which sets out for the processor and
// reaches the panel's other pins of that parameter; values the processor
// sends on a parameter's pin reach the panel pins of that parameter for the
// same voice. Every panel pin's latest value is kept, so that a new panel
// can be given the state of the one it replaces.
//
// Contract: GUI thread only. A full queue to the processor drops the value
// (the channel counts it); the panel still shows it. Each crossing is told
// to the observer, when there is one, as it happens.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "host/description/PluginDescription.h"
#include "host/gui/PanelSession.h"
#include "host/run/ParameterPins.h"
#include "host/run/PanelPinText.h"
#include "host/play/ValueChannel.h"

namespace zuhost::play {

// direction ("panel", "to processor", "processor"), the pin, the voice (-1 all), the value
using CrossingObserver =
    std::function<void(std::string_view direction, const PinDescription& pin, int32_t voice, std::span<const uint8_t>)>;

class PanelConnection {
public:
    PanelConnection(const PluginDescription& plugin, int32_t node, int32_t voices, ValueChannel& toProcessor,
                    ParameterRange range = {});

    // The panel it serves; a new one (a reloaded skin) is given every value the old one had.
    void attach(gui::PanelSession& panel);
    void observe(CrossingObserver observer) { observer_ = std::move(observer); }

    // Parameters' starting values to both halves, and every voice's gate held.
    void start();
    // A value the host gives a panel pin; on a parameter's value pin it sets the parameter.
    void hostSets(const PanelPinValue& value, int64_t stampNs = 0);
    // What the panel sent since the last call; stampNs is when the gesture that made it happened.
    void fromPanel(int64_t stampNs);
    void fromProcessor(const Crossing& crossing, std::span<const uint8_t> bytes);

    const PluginDescription& plugin() const { return plugin_; }
    int32_t node() const { return node_; }

private:
    void toPanel(int32_t parameterId, std::span<const uint8_t> bytes, int32_t voice, int32_t exceptPin);
    void toProcessor(int32_t parameterId, std::span<const uint8_t> bytes, int64_t stampNs);
    void setPanelPin(int32_t pin, std::span<const uint8_t> bytes, int32_t voice);
    void tell(std::string_view direction, const PinDescription& pin, int32_t voice, std::span<const uint8_t> bytes);

    const PluginDescription& plugin_;
    int32_t node_;
    int32_t voices_;
    ValueChannel& toProcessor_;
    ParameterRange range_;
    gui::PanelSession* panel_ = nullptr;
    CrossingObserver observer_;
    std::map<std::pair<int32_t, int32_t>, std::vector<uint8_t>> panelValues_;  // by (pin, voice), in pin order
};

}  // namespace zuhost::play
