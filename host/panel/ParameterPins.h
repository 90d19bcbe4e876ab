// How a host connects pins to parameters: a pin with a parameterId carries
// one field of that parameter, its value unless parameterField names another
// (RangeMinimum, RangeMaximum, ShortName, MenuItems, EnumList, Grab...).
#pragma once

#include <string_view>
#include <vector>

#include "host/description/PluginDescription.h"

namespace zuhost {

inline constexpr std::string_view valueField = "Value";

std::string_view parameterFieldOf(const PinDescription& pin);

// The pins that carry `field` of parameter `parameterId`, in pin order.
std::vector<const PinDescription*> pinsOfParameter(const std::vector<PinDescription>& pins, int32_t parameterId,
                                                   std::string_view field);

// The first pin that carries `field` of any parameter, or null.
const PinDescription* firstPinWithField(const std::vector<PinDescription>& pins, std::string_view field);

}  // namespace zuhost
