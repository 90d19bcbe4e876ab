#include "host/panel/SessionConnection.h"

#include <cstring>

#include "framework/MpInterfaces.h"
#include "host/command/NumberText.h"
#include "host/description/TextEncoding.h"
#include "host/panel/ParameterPins.h"
#include "host/run/CsvText.h"
#include "host/run/PanelPinText.h"

namespace zuhost {

namespace {

// An enumeration parameter that names no items still shows some.
constexpr std::string_view defaultEnumList = "One,Two,Three,Four";

template <class T>
std::vector<uint8_t> bytesOf(T value) {
    std::vector<uint8_t> bytes(sizeof(T));
    std::memcpy(bytes.data(), &value, sizeof(T));
    return bytes;
}

std::vector<uint8_t> initialValue(const ParameterDescription& parameter) {
    if (parameter.datatype == "float") return bytesOf(0.0f);
    if (parameter.datatype == "int" || parameter.datatype == "enum") return bytesOf(int32_t{0});
    if (parameter.datatype == "bool") return {0};
    return {};  // an empty string or blob
}

}  // namespace

SessionConnection::SessionConnection(const PluginDescription& plugin, gui::PanelSession& panel, Runner& runner,
                                     const std::filesystem::path& timeline, ParameterRange range)
    : plugin_(plugin), panel_(panel), runner_(runner), range_(range), timeline_(timeline) {
    timeline_ << "time,direction,pin,voice,value\n";
}

std::vector<uint8_t> SessionConnection::fieldValue(const ParameterDescription& parameter, std::string_view field) const {
    if (field == "RangeMinimum") return bytesOf(range_.minimum);
    if (field == "RangeMaximum") return bytesOf(range_.maximum);
    if (field == "ShortName" || field == "LongName") return utf16Bytes(parameter.name);
    if (field == "MenuItems") return utf16Bytes("");
    if (field == "EnumList") return utf16Bytes(findAttribute(parameter.attributes, "metadata").value_or(defaultEnumList));
    return {};
}

void SessionConnection::start() {
    for (const ParameterDescription& parameter : plugin_.parameters) {
        const std::vector<uint8_t> value = initialValue(parameter);
        toProcessor(parameter.id, value);
        for (const PinDescription& pin : plugin_.guiPins) {
            if (pin.parameterId != parameter.id) continue;
            const std::string_view field = parameterFieldOf(pin);
            const std::vector<uint8_t> bytes = field == valueField ? value : fieldValue(parameter, field);
            if (field != valueField && bytes.empty()) continue;
            panel_.setPin(pin.index, bytes);
        }
    }
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
    const double seconds = static_cast<double>(runner_.time()) / runner_.settings().host.sampleRate;
    timeline_ << shortestText(seconds) << ',' << direction << ',' << csvField(pin.name) << ','
              << (voice < 0 ? std::string("all") : std::to_string(voice)) << ',' << csvField(pinValueText(pin, bytes))
              << '\n';
}

}  // namespace zuhost
