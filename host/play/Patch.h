// A patch: the nodes that play together and how their pins are joined.
// Nodes are the library's plug-ins (a processor and, where it has one, a
// panel in the window) and the host's own: sine and noise generators, a
// WAV file player, the output device (two channels) and a level meter.
//
// As a file it is JSON:
//   {"nodes": [{"id": "knob", "plugin": "ZU Slider2", "pins": {"Appearance": 3}},
//              {"id": "tone", "type": "sine", "frequency": 220},
//              {"id": "out", "type": "output"}],
//    "connections": [{"from": "knob.Signal Out", "to": "tone.level", "scale": 0.5},
//                    {"from": "tone.out", "to": "out.left"}]}
// A plug-in node may give "voices" (1 to 128) and "pins", panel pin values
// as a host sends them (a parameter's value pin sets the parameter). A host
// node gives constants for its inputs by name; "wav" needs "file". A
// connection joins an output pin to an input pin as "NODE.PIN"; what reaches
// an input is its constant plus, for each connection, the source times
// "scale" plus "offset". An input that is connected and given no constant
// starts from 0, an unconnected one from its default.
//
// Contract: readPatch and parsePatch check the file's own rules (JSON, known
// keys, node ids unique and free of '.', host node kinds and their pins) and
// throw PatchError naming the file, the line and the node or pin at fault.
// Plug-in ids and pins are checked against a library when the patch is
// bound (PatchPlan.h).
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zuhost::play {

class PatchError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class NodeKind { Plugin, Sine, Noise, Wav, Output, Meter };

struct HostPin {
    std::string_view name;
    bool output;
    float defaultValue;  // inputs only
};

// The pins of a host node kind, inputs first; none for Plugin.
std::span<const HostPin> hostPinsOf(NodeKind kind);
std::string_view kindName(NodeKind kind);

struct PatchNode {
    std::string id;
    NodeKind kind = NodeKind::Plugin;
    std::string plugin;                                     // Plugin: its id or name
    std::vector<std::pair<std::string, std::string>> pins;  // Plugin: panel pin values, in file order
    int32_t voices = 1;                                     // Plugin
    std::map<std::string, float> inputs;                    // host nodes: constants by input name
    std::filesystem::path file;                             // Wav
    int line = 0;
};

struct PatchConnection {
    std::string fromNode, fromPin, toNode, toPin;
    float scale = 1.0f;
    float offset = 0.0f;
    int line = 0;
};

struct Patch {
    std::string name;    // the file's name without its extension, or the plug-in's for a default patch
    std::string source;  // how errors name it: the file's path, or "default patch"
    std::vector<PatchNode> nodes;
    std::vector<PatchConnection> connections;

    const PatchNode* findNode(std::string_view id) const;
};

// A name as messages quote it: "name".
std::string inQuotes(std::string_view text);

// "SOURCE line N: " or "SOURCE: " where no line is known.
std::string whereIn(const Patch& patch, int line);

Patch readPatch(const std::filesystem::path& path);
Patch parsePatch(std::string_view text, std::string name, std::string source);

}  // namespace zuhost::play
