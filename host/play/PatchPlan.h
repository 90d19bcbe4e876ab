// A patch bound to a plug-in library: each plug-in node's description, each
// connection's pins resolved, and the order in which the nodes play a block.
//
// A plug-in node's outputs are the processor's output pins that carry audio
// or a number (float, int, enum, bool); its inputs, its audio inputs. Its
// other inputs are set by the host from the parameters and the panel.
//
// Contract: planPatch throws PatchError naming the line, node and pin of a
// plug-in the library lacks, a pin a node lacks or that points the wrong
// way, or connections that form a loop. Pins are numbered as in Patch.h for
// host nodes (their position in hostPinsOf) and by the processor's pin
// index for plug-in nodes.
#pragma once

#include <cstdint>
#include <vector>

#include "host/description/PluginDescription.h"
#include "host/play/Patch.h"

namespace zuhost::play {

struct PinRef {
    int32_t node = 0;
    int32_t pin = 0;
    bool operator==(const PinRef&) const = default;
};

struct PlanConnection {
    PinRef from, to;
    float scale = 1.0f;
    float offset = 0.0f;
};

struct PatchPlan {
    Patch patch;
    std::vector<const PluginDescription*> plugins;  // per node; null for host nodes
    std::vector<PlanConnection> connections;
    std::vector<int32_t> order;  // every node after all that feed it
    int32_t mainPanel = -1;      // the first plug-in node with a panel, or -1

    std::vector<PlanConnection> connectionsTo(PinRef input) const;
};

// Whether a processor pin's values can drive another node's input.
bool carriesNumber(const PinDescription& pin);

PatchPlan planPatch(Patch patch, const LibraryDescription& library);

}  // namespace zuhost::play
