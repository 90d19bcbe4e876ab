#include "host/panel/ParameterPins.h"

namespace zuhost {

std::string_view parameterFieldOf(const PinDescription& pin) { return pin.attribute("parameterField").value_or(valueField); }

std::vector<const PinDescription*> pinsOfParameter(const std::vector<PinDescription>& pins, int32_t parameterId,
                                                   std::string_view field) {
    std::vector<const PinDescription*> found;
    for (const PinDescription& pin : pins)
        if (pin.parameterId == parameterId && parameterFieldOf(pin) == field) found.push_back(&pin);
    return found;
}

const PinDescription* firstPinWithField(const std::vector<PinDescription>& pins, std::string_view field) {
    for (const PinDescription& pin : pins)
        if (pin.parameterId && parameterFieldOf(pin) == field) return &pin;
    return nullptr;
}

}  // namespace zuhost
