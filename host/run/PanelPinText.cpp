#include "host/run/PanelPinText.h"

#include <cstring>

#include "host/description/TextEncoding.h"
#include "host/run/DescriptionLookup.h"
#include "host/run/PinValueText.h"

namespace zuhost {

std::vector<uint8_t> utf16Bytes(std::string_view text) {
    const std::u16string units = utf8ToUtf16(text);
    const auto* bytes = reinterpret_cast<const uint8_t*>(units.data());
    return {bytes, bytes + units.size() * sizeof(char16_t)};
}

std::vector<uint8_t> panelPinBytes(const PinDescription& pin, std::string_view text) {
    return pin.datatype == "string" ? utf16Bytes(text) : parsePinValue(pin, text);
}

PanelPinValue resolvePanelPinValue(const PluginDescription& plugin, std::string_view name, std::string_view value) {
    const PinDescription& pin = findGuiPinByNameOrIndex(plugin, name);
    return {pin.index, panelPinBytes(pin, value)};
}

std::string pinValueText(const PinDescription& pin, std::span<const uint8_t> bytes) {
    if (pin.datatype != "string") return formatPinValue(pin, bytes);
    std::u16string units(bytes.size() / sizeof(char16_t), u'\0');
    std::memcpy(units.data(), bytes.data(), units.size() * sizeof(char16_t));
    std::string quoted = "\"";
    quoted += utf16ToUtf8(units);
    quoted += '"';
    return quoted;
}

std::string describeTransmit(const PluginDescription& plugin, const gui::PinTransmit& transmit) {
    const PinDescription* pin = plugin.findGuiPin(transmit.pinId);
    std::string text = pin ? pin->name : "pin " + std::to_string(transmit.pinId);
    if (transmit.voice != 0) text += " (voice " + std::to_string(transmit.voice) + ")";
    return text + " = " + (pin ? pinValueText(*pin, transmit.bytes) : std::to_string(transmit.bytes.size()) + " bytes");
}

}  // namespace zuhost
