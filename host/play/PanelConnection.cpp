#include "host/play/PanelConnection.h"

#include "framework/MpInterfaces.h"

namespace zuhost::play {

PanelConnection::PanelConnection(const PluginDescription& plugin, int32_t node, int32_t voices,
                                 ValueChannel& toProcessor, ParameterRange range)
    : plugin_(plugin), node_(node), voices_(voices), toProcessor_(toProcessor), range_(range) {}

void PanelConnection::attach(gui::PanelSession& panel) {
    panel_ = &panel;
    for (const auto& [where, bytes] : panelValues_) panel_->setPin(where.first, bytes, where.second);
}

void PanelConnection::start() {
    for (const ParameterDescription& parameter : plugin_.parameters)
        toProcessor(parameter.id, parameterStartValue(parameter), 0);
    for (const PanelPinValue& value : parameterPinValues(plugin_, range_)) setPanelPin(value.pin, value.bytes, 0);
    const float gate = 1.0f;
    const std::span<const uint8_t> gateBytes(reinterpret_cast<const uint8_t*>(&gate), sizeof gate);
    for (const PinDescription& pin : plugin_.guiPins) {
        if (pin.attribute("hostConnect") != "Voice/Gate") continue;
        for (int32_t voice = 0; voice < voices_; ++voice) setPanelPin(pin.index, gateBytes, voice);
    }
}

void PanelConnection::hostSets(const PanelPinValue& value, int64_t stampNs) {
    const PinDescription* pin = plugin_.findGuiPin(value.pin);
    if (pin == nullptr || !pin->parameterId || parameterFieldOf(*pin) != valueField) {
        setPanelPin(value.pin, value.bytes, 0);
        return;
    }
    toProcessor(*pin->parameterId, value.bytes, stampNs);
    toPanel(*pin->parameterId, value.bytes, 0, -1);
}

void PanelConnection::fromPanel(int64_t stampNs) {
    if (panel_ == nullptr) return;
    gui::GuiHost& host = panel_->guiHost();
    // Delivering a value may make the panel send more, so the list is read by index and each entry copied.
    for (size_t i = 0; i < host.transmits().size(); ++i) {
        const gui::PinTransmit transmit = host.transmits()[i];
        const PinDescription* pin = plugin_.findGuiPin(transmit.pinId);
        if (pin == nullptr) continue;
        tell("panel", *pin, transmit.voice, transmit.bytes);
        panelValues_[{pin->index, transmit.voice}] = transmit.bytes;
        if (!pin->parameterId || parameterFieldOf(*pin) != valueField) continue;
        toProcessor(*pin->parameterId, transmit.bytes, stampNs);
        toPanel(*pin->parameterId, transmit.bytes, transmit.voice, pin->index);
    }
    host.forgetTransmits();
}

void PanelConnection::fromProcessor(const Crossing& crossing, std::span<const uint8_t> bytes) {
    const PinDescription* pin = plugin_.findAudioPin(crossing.pin);
    if (pin == nullptr || !pin->parameterId || pin->direction != gmpi::MP_OUT) return;
    tell("processor", *pin, crossing.voice, bytes);
    toPanel(*pin->parameterId, bytes, crossing.voice, -1);
}

void PanelConnection::toPanel(int32_t parameterId, std::span<const uint8_t> bytes, int32_t voice, int32_t exceptPin) {
    for (const PinDescription* pin : pinsOfParameter(plugin_.guiPins, parameterId, valueField))
        if (pin->index != exceptPin) setPanelPin(pin->index, bytes, voice);
}

// The value sets out at once; the processor gets it at the start of its next block.
void PanelConnection::toProcessor(int32_t parameterId, std::span<const uint8_t> bytes, int64_t stampNs) {
    for (const PinDescription* pin : pinsOfParameter(plugin_.audioPins, parameterId, valueField)) {
        if (pin->direction != gmpi::MP_IN) continue;
        toProcessor_.send({node_, pin->index, -1, stampNs}, bytes);
        tell("to processor", *pin, -1, bytes);
    }
}

void PanelConnection::setPanelPin(int32_t pin, std::span<const uint8_t> bytes, int32_t voice) {
    panelValues_[{pin, voice}].assign(bytes.begin(), bytes.end());
    if (panel_ != nullptr) panel_->setPin(pin, bytes, voice);
}

void PanelConnection::tell(std::string_view direction, const PinDescription& pin, int32_t voice,
                           std::span<const uint8_t> bytes) {
    if (observer_) observer_(direction, pin, voice, bytes);
}

}  // namespace zuhost::play
