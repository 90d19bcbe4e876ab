#include "host/panel/SessionConnection.h"

#include "framework/MpInterfaces.h"
#include "host/command/NumberText.h"
#include "host/run/CsvText.h"
#include "host/run/PanelPinText.h"
#include "host/run/ParameterPins.h"

namespace zuhost {

void writeCrossing(std::ostream& timeline, double seconds, std::string_view direction, const PinDescription& pin,
                   int32_t voice, std::span<const uint8_t> bytes) {
    timeline << shortestText(seconds) << ',' << direction << ',' << csvField(pin.name) << ','
             << (voice < 0 ? std::string("all") : std::to_string(voice)) << ',' << csvField(pinValueText(pin, bytes))
             << '\n';
}

SessionConnection::SessionConnection(const PluginDescription& plugin, gui::PanelSession& panel, Runner& runner,
                                     const std::filesystem::path& timeline, ParameterRange range)
    : plugin_(plugin), panel_(panel), runner_(runner), range_(range), timeline_(timeline) {
    timeline_ << "time,direction,pin,voice,value\n";
}

void SessionConnection::start() {
    for (const ParameterDescription& parameter : plugin_.parameters)
        toProcessor(parameter.id, parameterStartValue(parameter));
    for (const PanelPinValue& value : parameterPinValues(plugin_, range_)) panel_.setPin(value.pin, value.bytes);
    // Every voice the runner plays is held down.
    for (const PinDescription& pin : plugin_.guiPins) {
        if (pin.attribute("hostConnect") != "Voice/Gate") continue;
        for (int32_t voice = 0; voice < runner_.voiceCount(); ++voice) panel_.setFloat(pin.index, 1.0f, voice);
    }
}

void SessionConnection::hostSets(const PanelPinValue& value) {
    const PinDescription* pin = plugin_.findGuiPin(value.pin);
    if (pin == nullptr || !pin->parameterId || parameterFieldOf(*pin) != valueField) {
        panel_.setPin(value.pin, value.bytes);
        return;
    }
    toProcessor(*pin->parameterId, value.bytes);
    toPanel(*pin->parameterId, value.bytes, 0, -1);
}

void SessionConnection::fromPanel() {
    const auto& transmits = panel_.guiHost().transmits();
    for (; transmitsSeen_ < transmits.size(); ++transmitsSeen_) {
        const gui::PinTransmit& transmit = transmits[transmitsSeen_];
        const PinDescription* pin = plugin_.findGuiPin(transmit.pinId);
        if (pin == nullptr) continue;
        record("panel", *pin, transmit.voice, transmit.bytes);
        if (!pin->parameterId || parameterFieldOf(*pin) != valueField) continue;
        toProcessor(*pin->parameterId, transmit.bytes);
        toPanel(*pin->parameterId, transmit.bytes, transmit.voice, pin->index);
    }
}

void SessionConnection::fromProcessor() {
    const CallLog& log = runner_.log();
    for (const HostCall& call : log.calls()) {
        if (call.kind != HostCall::Kind::PinValue) continue;
        const PinDescription* pin = plugin_.findAudioPin(call.pin);
        if (pin == nullptr || !pin->parameterId || pin->direction != gmpi::MP_OUT) continue;
        record("processor", *pin, call.voice, log.bytes(call));
        toPanel(*pin->parameterId, log.bytes(call), call.voice, -1);
    }
}

void SessionConnection::toPanel(int32_t parameterId, std::span<const uint8_t> bytes, int32_t voice, int32_t exceptPin) {
    for (const PinDescription* pin : pinsOfParameter(plugin_.guiPins, parameterId, valueField)) {
        if (pin->index == exceptPin) continue;
        panel_.setPin(pin->index, bytes, voice);
        ++valuesToPanel_;
    }
}

// The event lands at the start of the block the runner plays next.
void SessionConnection::toProcessor(int32_t parameterId, std::span<const uint8_t> bytes) {
    for (const PinDescription* pin : pinsOfParameter(plugin_.audioPins, parameterId, valueField)) {
        if (pin->direction != gmpi::MP_IN) continue;
        runner_.script().setValue(runner_.time(), pin->index, bytes);
        record("to processor", *pin, -1, bytes);
        ++valuesToProcessor_;
    }
}

void SessionConnection::record(std::string_view direction, const PinDescription& pin, int32_t voice,
                               std::span<const uint8_t> bytes) {
    writeCrossing(timeline_, static_cast<double>(runner_.time()) / runner_.settings().host.sampleRate, direction, pin,
                  voice, bytes);
}

}  // namespace zuhost
