// What a plug-in library says about itself in its embedded XML description:
// its plug-ins, their parameters and the pins of each half.
//
// Contract: a LibraryDescription is plain data produced by parseDescription
// (DescriptionParser.h), in document order. Pin indices are already resolved
// by the numbering rule and are unique within each pin table; datatype and
// direction codes are those that the pin classes report (gmpi::MpDatatype,
// gmpi::MpDirection). The attributes other than those with a field of their
// own are kept, with their values, in document order in `attributes`; a pin's
// parameterId is both parsed into its field and kept there.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace zuhost {

class DescriptionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Attribute {
    std::string name;
    std::string value;
};

// The value of the attribute called `name`, if present.
std::optional<std::string_view> findAttribute(const std::vector<Attribute>& attributes, std::string_view name);

struct ParameterDescription {
    int32_t id = 0;
    std::string datatype;  // "float", "int", "enum", "bool", "blob" or "string"
    std::string name;
    std::vector<Attribute> attributes;  // flags such as private, isPolyphonic, persistant
};

struct PinDescription {
    int32_t index = 0;  // the index the plug-in half registers the pin at
    std::string name;
    std::string datatype;      // the datatype attribute as written
    int32_t datatypeCode = 0;  // gmpi::MpDatatype; MP_AUDIO for rate "audio"
    int32_t direction = 0;     // gmpi::MpDirection; absent means in
    std::optional<int32_t> parameterId;
    std::vector<Attribute> attributes;  // every other attribute (rate, parameterId, private, metadata...)

    bool isAudioRate() const;
    std::optional<std::string_view> attribute(std::string_view attributeName) const {
        return findAttribute(attributes, attributeName);
    }
};

// The pin of `pins` that has `index`, or null.
const PinDescription* findPin(const std::vector<PinDescription>& pins, int32_t index);

struct PluginDescription {
    std::string id;  // the factory registry identifier
    std::string name;
    std::string category;
    std::string graphicsApi;
    std::vector<ParameterDescription> parameters;
    std::vector<PinDescription> audioPins;  // pins of the audio-side processor (kind 0)
    std::vector<PinDescription> guiPins;    // pins of the GUI-side panel (kind 2)

    const PinDescription* findAudioPin(int32_t index) const;
    const PinDescription* findGuiPin(int32_t index) const;
};

struct LibraryDescription {
    std::vector<PluginDescription> plugins;

    const PluginDescription* findPlugin(std::string_view id) const;
};

}  // namespace zuhost
