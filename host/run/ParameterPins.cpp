#include "host/run/ParameterPins.h"

#include <cstring>

#include "host/command/UsageError.h"
#include "host/run/ValueBytes.h"

namespace zuhost {

namespace {

// An enumeration parameter that names no items still shows some.
constexpr std::string_view defaultEnumList = "One,Two,Three,Four";

std::vector<uint8_t> zeroOf(const ParameterDescription& parameter) {
    if (parameter.datatype == "float") return valueBytes(0.0f);
    if (parameter.datatype == "int" || parameter.datatype == "enum") return valueBytes(int32_t{0});
    if (parameter.datatype == "bool") return {0};
    return {};  // an empty string or blob
}

}  // namespace

std::string_view parameterFieldOf(const PinDescription& pin) {
    return pin.attribute("parameterField").value_or(valueField);
}

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

std::vector<uint8_t> parameterStartValue(const ParameterDescription& parameter) {
    const auto text = findAttribute(parameter.attributes, "default");
    if (!text) return zeroOf(parameter);
    PinDescription asPin;
    asPin.name = parameter.name;
    asPin.datatype = parameter.datatype;
    try {
        return panelPinBytes(asPin, *text);
    } catch (const UsageError&) {
        return zeroOf(parameter);  // a default that does not fit its datatype
    }
}

std::vector<uint8_t> parameterFieldValue(const ParameterDescription& parameter, std::string_view field,
                                         ParameterRange range) {
    if (field == "RangeMinimum") return valueBytes(range.minimum);
    if (field == "RangeMaximum") return valueBytes(range.maximum);
    if (field == "ShortName" || field == "LongName") return utf16Bytes(parameter.name);
    if (field == "MenuItems") return utf16Bytes("");
    if (field == "EnumList")
        return utf16Bytes(findAttribute(parameter.attributes, "metadata").value_or(defaultEnumList));
    return {};
}

std::vector<PanelPinValue> parameterPinValues(const PluginDescription& plugin, ParameterRange range) {
    std::vector<PanelPinValue> values;
    for (const ParameterDescription& parameter : plugin.parameters) {
        for (const PinDescription& pin : plugin.guiPins) {
            if (pin.parameterId != parameter.id) continue;
            const std::string_view field = parameterFieldOf(pin);
            std::vector<uint8_t> bytes =
                field == valueField ? parameterStartValue(parameter) : parameterFieldValue(parameter, field, range);
            if (field != valueField && bytes.empty()) continue;
            values.push_back({pin.index, std::move(bytes)});
        }
    }
    return values;
}

}  // namespace zuhost
