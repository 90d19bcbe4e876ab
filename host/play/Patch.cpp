#include "host/play/Patch.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <sstream>

#include "host/command/NumberText.h"
#include "host/play/JsonLines.h"

namespace zuhost::play {

namespace {

using json = nlohmann::ordered_json;

constexpr int32_t mostVoices = 128;

constexpr std::array<HostPin, 3> sinePins{{{"frequency", false, 440.0f}, {"level", false, 0.5f}, {"out", true, 0}}};
constexpr std::array<HostPin, 2> noisePins{{{"level", false, 0.25f}, {"out", true, 0}}};
constexpr std::array<HostPin, 3> wavPins{{{"level", false, 1.0f}, {"left", true, 0}, {"right", true, 0}}};
constexpr std::array<HostPin, 2> outputPins{{{"left", false, 0}, {"right", false, 0}}};
constexpr std::array<HostPin, 1> meterPins{{{"in", false, 0}}};

constexpr std::array<std::pair<NodeKind, std::string_view>, 6> kindNames{{{NodeKind::Plugin, "plugin"},
                                                                          {NodeKind::Sine, "sine"},
                                                                          {NodeKind::Noise, "noise"},
                                                                          {NodeKind::Wav, "wav"},
                                                                          {NodeKind::Output, "output"},
                                                                          {NodeKind::Meter, "meter"}}};

std::string listed(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) text += (text.empty() ? "" : ", ") + name;
    return text.empty() ? "none" : text;
}

std::vector<std::string> pinNames(NodeKind kind, bool outputs) {
    std::vector<std::string> names;
    for (const HostPin& pin : hostPinsOf(kind))
        if (pin.output == outputs) names.emplace_back(pin.name);
    return names;
}

class PatchReader {
public:
    PatchReader(const JsonWithLines& json, Patch& patch) : json_(json), patch_(patch) {}

    void read() {
        const json& document = json_.document();
        if (!document.is_object()) fail(1, "a patch is a JSON object with \"nodes\" and \"connections\"");
        for (const auto& [key, value] : document.items())
            if (key != "nodes" && key != "connections")
                fail(1, "unknown key " + inQuotes(key) + "; a patch has nodes and connections");
        const json& nodes = arrayAt(document, "nodes");
        for (size_t i = 0; i < nodes.size(); ++i)
            patch_.nodes.push_back(readNode(nodes[i], json_.lineOf("/nodes/" + std::to_string(i))));
        if (patch_.nodes.empty()) fail(json_.lineOf("/nodes"), "a patch needs at least one node");
        if (document.contains("connections")) {
            const json& connections = arrayAt(document, "connections");
            for (size_t i = 0; i < connections.size(); ++i)
                patch_.connections.push_back(
                    readConnection(connections[i], json_.lineOf("/connections/" + std::to_string(i))));
        }
    }

private:
    [[noreturn]] void fail(int line, const std::string& message) const {
        throw PatchError(whereIn(patch_, line) + message);
    }

    const json& arrayAt(const json& document, const char* key) const {
        if (!document.contains(key) || !document[key].is_array())
            fail(json_.lineOf(std::string("/") + key) ? json_.lineOf(std::string("/") + key) : 1,
                 inQuotes(key) + " must be an array");
        return document[key];
    }

    std::string stringAt(const json& object, const char* key, int line, const std::string& owner) const {
        if (!object.contains(key)) fail(line, owner + "needs " + inQuotes(key));
        if (!object[key].is_string()) fail(line, owner + inQuotes(key) + " must be a string");
        return object[key].get<std::string>();
    }

    static std::string valueText(const json& value) {
        if (value.is_string()) return value.get<std::string>();
        if (value.is_boolean()) return value.get<bool>() ? "1" : "0";
        if (value.is_number_integer()) return std::to_string(value.get<int64_t>());
        if (value.is_number()) return shortestText(value.get<double>());
        return {};
    }

    NodeKind kindOf(const json& node, int line, const std::string& owner) const {
        if (!node.contains("type")) {
            if (node.contains("plugin")) return NodeKind::Plugin;
            fail(line, owner + "needs \"plugin\" or \"type\" (sine, noise, wav, output, meter)");
        }
        const std::string type = stringAt(node, "type", line, owner);
        for (const auto& [kind, name] : kindNames)
            if (name == type) return kind;
        fail(line, owner + "unknown type " + inQuotes(type) + "; types: plugin, sine, noise, wav, output, meter");
    }

    PatchNode readNode(const json& node, int line) const {
        if (!node.is_object()) fail(line, "a node is an object with an \"id\"");
        PatchNode result;
        result.line = line;
        result.id = stringAt(node, "id", line, "a node ");
        const std::string owner = "node " + inQuotes(result.id) + ": ";
        if (result.id.empty() || result.id.find('.') != std::string::npos)
            fail(line, owner + "an id must not be empty or hold '.'");
        if (patch_.findNode(result.id) != nullptr) fail(line, owner + "another node has this id");
        result.kind = kindOf(node, line, owner);
        if (result.kind == NodeKind::Plugin)
            readPluginNode(node, result, owner);
        else
            readHostNode(node, result, owner);
        return result;
    }

    void readPluginNode(const json& node, PatchNode& result, const std::string& owner) const {
        result.plugin = stringAt(node, "plugin", result.line, owner);
        for (const auto& [key, value] : node.items()) {
            if (key == "id" || key == "type" || key == "plugin") continue;
            if (key == "voices") {
                if (!value.is_number_integer() || value.get<int64_t>() < 1 || value.get<int64_t>() > mostVoices)
                    fail(result.line, owner + "\"voices\" must be a whole number, 1 to " + std::to_string(mostVoices));
                result.voices = value.get<int32_t>();
            } else if (key == "pins") {
                if (!value.is_object()) fail(result.line, owner + "\"pins\" must be an object of NAME: VALUE");
                for (const auto& [pin, pinValue] : value.items()) {
                    if (pinValue.is_object() || pinValue.is_array() || pinValue.is_null())
                        fail(result.line,
                             owner + "pin " + inQuotes(pin) + ": a value is a string, number or true/false");
                    result.pins.emplace_back(pin, valueText(pinValue));
                }
            } else {
                fail(result.line,
                     owner + "unknown key " + inQuotes(key) + "; a plug-in node has plugin, pins and voices");
            }
        }
    }

    void readHostNode(const json& node, PatchNode& result, const std::string& owner) const {
        for (const auto& [key, value] : node.items()) {
            if (key == "id" || key == "type") continue;
            if (key == "file" && result.kind == NodeKind::Wav) {
                result.file = stringAt(node, "file", result.line, owner);
                continue;
            }
            const auto inputs = pinNames(result.kind, false);
            if (std::find(inputs.begin(), inputs.end(), key) == inputs.end())
                fail(result.line, owner + std::string(kindName(result.kind)) + " has no input " + inQuotes(key) +
                                      "; its inputs: " + listed(inputs));
            if (!value.is_number()) fail(result.line, owner + "input " + inQuotes(key) + " must be a number");
            result.inputs[key] = value.get<float>();
        }
        if (result.kind == NodeKind::Wav && result.file.empty()) fail(result.line, owner + "a wav node needs \"file\"");
    }

    // "NODE.PIN", split at the first dot.
    std::pair<std::string, std::string> endpoint(const json& connection, const char* key, int line) const {
        const std::string text = stringAt(connection, key, line, "a connection ");
        const size_t dot = text.find('.');
        if (dot == std::string::npos || dot == 0 || dot + 1 == text.size())
            fail(line, "connection " + std::string(key) + " " + inQuotes(text) + ": expected NODE.PIN");
        const std::string node = text.substr(0, dot), pin = text.substr(dot + 1);
        const PatchNode* found = patch_.findNode(node);
        if (found == nullptr)
            fail(line, "connection " + std::string(key) + " " + inQuotes(text) + ": no node " + inQuotes(node));
        if (found->kind != NodeKind::Plugin) {
            const bool output = std::string_view(key) == "from";
            const auto pins = pinNames(found->kind, output);
            if (std::find(pins.begin(), pins.end(), pin) == pins.end())
                fail(line, "connection " + std::string(key) + " " + inQuotes(text) + ": node " + inQuotes(node) + " (" +
                               std::string(kindName(found->kind)) + ") has no " + (output ? "output " : "input ") +
                               inQuotes(pin) + "; it has: " + listed(pins));
        }
        return {node, pin};
    }

    float numberAt(const json& connection, const char* key, float fallback, int line) const {
        if (!connection.contains(key)) return fallback;
        if (!connection[key].is_number()) fail(line, "connection " + inQuotes(key) + " must be a number");
        return connection[key].get<float>();
    }

    PatchConnection readConnection(const json& connection, int line) const {
        if (!connection.is_object()) fail(line, "a connection is an object with \"from\" and \"to\"");
        for (const auto& [key, value] : connection.items())
            if (key != "from" && key != "to" && key != "scale" && key != "offset")
                fail(line,
                     "connection: unknown key " + inQuotes(key) + "; a connection has from, to, scale and offset");
        PatchConnection result;
        result.line = line;
        std::tie(result.fromNode, result.fromPin) = endpoint(connection, "from", line);
        std::tie(result.toNode, result.toPin) = endpoint(connection, "to", line);
        result.scale = numberAt(connection, "scale", 1.0f, line);
        result.offset = numberAt(connection, "offset", 0.0f, line);
        return result;
    }

    const JsonWithLines& json_;
    Patch& patch_;
};

// nlohmann's parse errors start with an identifier the user need not see.
std::string withoutIdentifier(const std::string& what) {
    const size_t end = what.find("] ");
    return what.starts_with("[json.exception") && end != std::string::npos ? what.substr(end + 2) : what;
}

}  // namespace

std::string inQuotes(std::string_view text) {
    std::string quoted;
    quoted.reserve(text.size() + 2);
    quoted += '"';
    quoted += text;
    quoted += '"';
    return quoted;
}

std::span<const HostPin> hostPinsOf(NodeKind kind) {
    switch (kind) {
        case NodeKind::Sine: return sinePins;
        case NodeKind::Noise: return noisePins;
        case NodeKind::Wav: return wavPins;
        case NodeKind::Output: return outputPins;
        case NodeKind::Meter: return meterPins;
        case NodeKind::Plugin: break;
    }
    return {};
}

std::string_view kindName(NodeKind kind) {
    for (const auto& [known, name] : kindNames)
        if (known == kind) return name;
    return "?";
}

const PatchNode* Patch::findNode(std::string_view id) const {
    const auto found = std::find_if(nodes.begin(), nodes.end(), [id](const PatchNode& node) { return node.id == id; });
    return found == nodes.end() ? nullptr : &*found;
}

std::string whereIn(const Patch& patch, int line) {
    return line > 0 ? patch.source + " line " + std::to_string(line) + ": " : patch.source + ": ";
}

Patch parsePatch(std::string_view text, std::string name, std::string source) {
    Patch patch{std::move(name), std::move(source), {}, {}};
    JsonWithLines json;
    try {
        json = parseJsonWithLines(text);
    } catch (const nlohmann::json::exception& error) {
        throw PatchError(patch.source + ": " + withoutIdentifier(error.what()));
    }
    PatchReader(json, patch).read();
    return patch;
}

Patch readPatch(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw PatchError("cannot read " + path.string());
    std::ostringstream text;
    text << file.rdbuf();
    return parsePatch(text.str(), path.stem().string(), path.string());
}

}  // namespace zuhost::play
