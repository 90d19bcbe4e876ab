#include "host/description/DescriptionParser.h"

#include <pugixml.hpp>

#include <algorithm>
#include <charconv>
#include <limits>
#include <string>

#include "framework/MpInterfaces.h"

namespace zuhost {

namespace {

constexpr std::string_view pinOwnAttributes[] = {"id", "name", "datatype", "direction"};
constexpr std::string_view parameterOwnAttributes[] = {"id", "name", "datatype"};

template <size_t N>
bool isOneOf(std::string_view name, const std::string_view (&names)[N]) {
    return std::find(std::begin(names), std::end(names), name) != std::end(names);
}

std::optional<int32_t> parseInteger(std::string_view text) {
    int32_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
    return value;
}

class Parser {
public:
    explicit Parser(std::string_view xml) : xml_(xml) {}

    LibraryDescription parse() {
        pugi::xml_document document;
        const pugi::xml_parse_result result = document.load_buffer(xml_.data(), xml_.size());
        if (!result) {
            throw DescriptionError("malformed XML at line " + std::to_string(lineAt(result.offset)) + ": " +
                                   result.description());
        }
        const pugi::xml_node root = onlyRoot(document);
        LibraryDescription description;
        for (const pugi::xml_node node : elements(root, "Plugin")) {
            PluginDescription plugin = pluginFrom(node);
            if (description.findPlugin(plugin.id)) fail(node, "plug-in id \"" + plugin.id + "\" is used twice");
            description.plugins.push_back(std::move(plugin));
        }
        return description;
    }

private:
    PluginDescription pluginFrom(pugi::xml_node node) const {
        PluginDescription plugin;
        plugin.id = required(node, "id");
        plugin.name = required(node, "name");
        plugin.category = node.attribute("category").value();
        plugin.graphicsApi = node.attribute("graphicsApi").value();
        bool seenParameters = false, seenAudio = false, seenGui = false;
        for (const pugi::xml_node section : elements(node, nullptr)) {
            const std::string_view name = section.name();
            if (name == "Parameters") {
                onlyOnce(section, seenParameters);
                plugin.parameters = parametersFrom(section);
            } else if (name == "Audio") {
                onlyOnce(section, seenAudio);
                plugin.audioPins = pinsFrom(section);
            } else if (name == "GUI") {
                onlyOnce(section, seenGui);
                plugin.guiPins = pinsFrom(section);
            } else {
                fail(section, "unexpected element <" + std::string(name) + "> in <Plugin>");
            }
        }
        return plugin;
    }

    std::vector<ParameterDescription> parametersFrom(pugi::xml_node section) const {
        std::vector<ParameterDescription> parameters;
        for (const pugi::xml_node node : elements(section, "Parameter")) {
            ParameterDescription parameter;
            parameter.id = integer(node, "id");
            parameter.datatype = required(node, "datatype");
            parameter.name = required(node, "name");
            if (!pinDatatypeCode(parameter.datatype, false))
                fail(node, "unknown datatype \"" + parameter.datatype + "\"");
            parameter.attributes = otherAttributes(node, parameterOwnAttributes);
            const bool taken = std::any_of(parameters.begin(), parameters.end(),
                                           [&](const auto& other) { return other.id == parameter.id; });
            if (taken) fail(node, "parameter id " + std::to_string(parameter.id) + " is used twice");
            parameters.push_back(std::move(parameter));
        }
        return parameters;
    }

    std::vector<PinDescription> pinsFrom(pugi::xml_node section) const {
        std::vector<PinDescription> pins;
        for (const pugi::xml_node node : elements(section, "Pin")) {
            PinDescription pin = pinFrom(node, nextIndex(node, pins));
            if (const auto* other = findPin(pins, pin.index)) {
                fail(node, "pin index " + std::to_string(pin.index) + " in <" + section.name() +
                               "> is already taken by \"" + other->name + "\"");
            }
            pins.push_back(std::move(pin));
        }
        return pins;
    }

    // The index of a pin that has no id: one past the pin before it, or 0.
    int32_t nextIndex(pugi::xml_node node, const std::vector<PinDescription>& pins) const {
        if (pins.empty()) return 0;
        if (pins.back().index == std::numeric_limits<int32_t>::max()) fail(node, "pin index beyond the int32 range");
        return pins.back().index + 1;
    }

    PinDescription pinFrom(pugi::xml_node node, int32_t followingIndex) const {
        PinDescription pin;
        pin.index = node.attribute("id") ? integer(node, "id") : followingIndex;
        if (pin.index < 0) fail(node, "pin id " + std::to_string(pin.index) + " is negative");
        pin.name = required(node, "name");
        pin.datatype = required(node, "datatype");
        pin.datatypeCode = datatypeCode(node, pin.datatype);
        pin.direction = direction(node);
        if (node.attribute("parameterId")) pin.parameterId = integer(node, "parameterId");
        pin.attributes = otherAttributes(node, pinOwnAttributes);
        return pin;
    }

    int32_t datatypeCode(pugi::xml_node node, const std::string& datatype) const {
        const pugi::xml_attribute rate = node.attribute("rate");
        if (rate && std::string_view(rate.value()) != "audio") {
            fail(node, "unknown rate \"" + std::string(rate.value()) + "\"");
        }
        if (!pinDatatypeCode(datatype, false)) fail(node, "unknown datatype \"" + datatype + "\"");
        const auto code = pinDatatypeCode(datatype, bool(rate));
        if (!code) fail(node, "an audio-rate pin must have datatype \"float\", not \"" + datatype + "\"");
        return *code;
    }

    int32_t direction(pugi::xml_node node) const {
        const pugi::xml_attribute attribute = node.attribute("direction");
        const std::string_view text = attribute.value();
        if (!attribute || text == "in") return gmpi::MP_IN;
        if (text == "out") return gmpi::MP_OUT;
        fail(node, "unknown direction \"" + std::string(text) + "\"");
    }

    template <size_t N>
    static std::vector<Attribute> otherAttributes(pugi::xml_node node, const std::string_view (&own)[N]) {
        std::vector<Attribute> attributes;
        for (const pugi::xml_attribute attribute : node.attributes()) {
            if (!isOneOf(attribute.name(), own)) attributes.push_back({attribute.name(), attribute.value()});
        }
        return attributes;
    }

    std::string required(pugi::xml_node node, const char* name) const {
        const std::string value = node.attribute(name).value();
        if (value.empty()) fail(node, std::string("<") + node.name() + "> lacks the " + name + " attribute");
        return value;
    }

    int32_t integer(pugi::xml_node node, const char* name) const {
        const std::string text = required(node, name);
        const auto value = parseInteger(text);
        if (!value) fail(node, std::string(name) + " \"" + text + "\" is not an integer");
        return *value;
    }

    // The child elements of `parent`, each of which must be called `name`
    // (any name when null); text between them is an error.
    std::vector<pugi::xml_node> elements(pugi::xml_node parent, const char* name) const {
        std::vector<pugi::xml_node> found;
        for (const pugi::xml_node child : parent.children()) {
            if (child.type() != pugi::node_element)
                fail(child, "unexpected text in <" + std::string(parent.name()) + ">");
            if (name && std::string_view(child.name()) != name) {
                fail(child, "unexpected element <" + std::string(child.name()) + "> in <" + parent.name() + ">");
            }
            refuseRepeatedAttributes(child);
            found.push_back(child);
        }
        return found;
    }

    void refuseRepeatedAttributes(pugi::xml_node node) const {
        for (pugi::xml_attribute attribute : node.attributes()) {
            for (pugi::xml_attribute earlier = node.first_attribute(); earlier != attribute;
                 earlier = earlier.next_attribute()) {
                if (std::string_view(earlier.name()) == attribute.name()) {
                    fail(node, "the " + std::string(attribute.name()) + " attribute appears twice");
                }
            }
        }
    }

    pugi::xml_node onlyRoot(const pugi::xml_document& document) const {
        const pugi::xml_node root = document.document_element();
        if (std::string_view(root.name()) != "PluginList") {
            fail(root, "the root element is <" + std::string(root.name()) + ">, not <PluginList>");
        }
        for (pugi::xml_node other = root.next_sibling(); other; other = other.next_sibling()) {
            if (other.type() == pugi::node_element)
                fail(other, "a second root element <" + std::string(other.name()) + ">");
        }
        return root;
    }

    void onlyOnce(pugi::xml_node section, bool& seen) const {
        if (seen) fail(section, "a second <" + std::string(section.name()) + "> section");
        seen = true;
    }

    [[noreturn]] void fail(pugi::xml_node node, const std::string& what) const {
        throw DescriptionError("line " + std::to_string(lineAt(node.offset_debug())) + ": " + what);
    }

    size_t lineAt(ptrdiff_t offset) const {
        const size_t end = std::clamp<ptrdiff_t>(offset, 0, static_cast<ptrdiff_t>(xml_.size()));
        return 1 + static_cast<size_t>(std::count(xml_.begin(), xml_.begin() + end, '\n'));
    }

    std::string_view xml_;
};

}  // namespace

LibraryDescription parseDescription(std::string_view xml) { return Parser(xml).parse(); }

std::optional<int32_t> pinDatatypeCode(std::string_view datatype, bool audioRate) {
    if (audioRate) return datatype == "float" ? std::optional<int32_t>(gmpi::MP_AUDIO) : std::nullopt;
    if (datatype == "float") return gmpi::MP_FLOAT32;
    if (datatype == "int" || datatype == "enum") return gmpi::MP_INT32;
    if (datatype == "bool") return gmpi::MP_BOOL;
    if (datatype == "blob") return gmpi::MP_BLOB;
    if (datatype == "string") return gmpi::MP_STRING;
    return std::nullopt;
}

}  // namespace zuhost
