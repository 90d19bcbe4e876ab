// How a host connects pins to parameters: a pin with a parameterId carries
// one field of that parameter, its value unless parameterField names another
// (RangeMinimum, RangeMaximum, ShortName, MenuItems, EnumList, Grab...); and
// what a host gives them before anything else sets a parameter.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "host/description/PluginDescription.h"
#include "host/run/PanelPinText.h"

namespace zuhost {

inline constexpr std::string_view valueField = "Value";

// The range a host gives every parameter.
struct ParameterRange {
    float minimum = 0.0f;
    float maximum = 10.0f;
};

std::string_view parameterFieldOf(const PinDescription& pin);

// The pins that carry `field` of parameter `parameterId`, in pin order.
std::vector<const PinDescription*> pinsOfParameter(const std::vector<PinDescription>& pins, int32_t parameterId,
                                                   std::string_view field);

// The first pin that carries `field` of any parameter, or null.
const PinDescription* firstPinWithField(const std::vector<PinDescription>& pins, std::string_view field);

// The value a host gives a parameter when it opens a new patch: its described
// default read as its datatype, otherwise zero, false or empty.
std::vector<uint8_t> parameterStartValue(const ParameterDescription& parameter);

// The bytes a host sends for a field other than the value; empty for the
// fields it does not keep (Grab, MenuSelection).
std::vector<uint8_t> parameterFieldValue(const ParameterDescription& parameter, std::string_view field,
                                         ParameterRange range);

// What a host gives a panel's parameter pins when it opens: each parameter's
// start value and the fields it keeps, by parameter, then pin order.
std::vector<PanelPinValue> parameterPinValues(const PluginDescription& plugin, ParameterRange range);

}  // namespace zuhost
