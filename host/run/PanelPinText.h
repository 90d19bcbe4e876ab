// Values for a panel's pins as the command line gives them, and what a panel
// sent to its host, as text; both by the GUI-side pins of the description.
//
// Contract: strings go to the panel as UTF-16, other datatypes as
// parsePinValue makes them; text that does not fit throws UsageError.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "host/description/PluginDescription.h"
#include "host/gui/GuiHost.h"

namespace zuhost {

// A value for a panel pin: the pin and the bytes a host sends it.
struct PanelPinValue {
    int32_t pin = 0;
    std::vector<uint8_t> bytes;
};

// fixtureName=VALUE as the command line gives it: the pin by name or index, the
// value read as the pin's datatype.
PanelPinValue resolvePanelPinValue(const PluginDescription& plugin, std::string_view name, std::string_view value);

// Text as the UTF-16 bytes of a string pin, without a terminator.
std::vector<uint8_t> utf16Bytes(std::string_view text);

// The bytes a host sends the panel for the text, read as the pin's datatype.
std::vector<uint8_t> panelPinBytes(const PinDescription& pin, std::string_view text);

// A value on the pin as text: strings quoted, others as formatPinValue writes them.
std::string pinValueText(const PinDescription& pin, std::span<const uint8_t> bytes);

// "NAME = VALUE" for one value the panel sent; "voice N" is added for voices other than 0.
std::string describeTransmit(const PluginDescription& plugin, const gui::PinTransmit& transmit);

}  // namespace zuhost
