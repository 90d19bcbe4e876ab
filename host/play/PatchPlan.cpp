#include "host/play/PatchPlan.h"

#include <algorithm>

#include "framework/MpInterfaces.h"
#include "host/command/UsageError.h"
#include "host/run/DescriptionLookup.h"

namespace zuhost::play {

namespace {

class Planner {
public:
    Planner(Patch patch, const LibraryDescription& library) : library_(library) { plan_.patch = std::move(patch); }

    PatchPlan plan() {
        for (const PatchNode& node : plan_.patch.nodes) plan_.plugins.push_back(bindPlugin(node));
        for (const PatchConnection& connection : plan_.patch.connections) plan_.connections.push_back(bind(connection));
        orderNodes();
        for (size_t i = 0; i < plan_.plugins.size() && plan_.mainPanel < 0; ++i)
            if (plan_.plugins[i] != nullptr && !plan_.plugins[i]->guiPins.empty())
                plan_.mainPanel = static_cast<int32_t>(i);
        return std::move(plan_);
    }

private:
    [[noreturn]] void fail(int line, const std::string& message) const {
        throw PatchError(whereIn(plan_.patch, line) + message);
    }

    const PluginDescription* bindPlugin(const PatchNode& node) const {
        if (node.kind != NodeKind::Plugin) return nullptr;
        try {
            return &findPluginByIdOrName(library_, node.plugin);
        } catch (const UsageError& error) {
            fail(node.line, "node " + inQuotes(node.id) + ": " + error.what());
        }
    }

    int32_t nodeIndex(const std::string& id) const {
        const auto& nodes = plan_.patch.nodes;
        const auto found = std::find_if(nodes.begin(), nodes.end(), [&id](const PatchNode& n) { return n.id == id; });
        return static_cast<int32_t>(found - nodes.begin());
    }

    int32_t hostPin(NodeKind kind, const std::string& name) const {
        const auto pins = hostPinsOf(kind);
        const auto found =
            std::find_if(pins.begin(), pins.end(), [&name](const HostPin& pin) { return pin.name == name; });
        return static_cast<int32_t>(found - pins.begin());
    }

    int32_t pluginPin(const PatchConnection& connection, int32_t node, const std::string& name, bool output) const {
        const PluginDescription& plugin = *plan_.plugins[static_cast<size_t>(node)];
        std::string usable;
        for (const PinDescription& pin : plugin.audioPins) {
            const bool fits = output ? pin.direction == gmpi::MP_OUT && carriesNumber(pin)
                                     : pin.direction == gmpi::MP_IN && pin.isAudioRate();
            if (!fits) continue;
            if (pin.name == name) return pin.index;
            usable += (usable.empty() ? "" : ", ") + pin.name;
        }
        const std::string& id = plan_.patch.nodes[static_cast<size_t>(node)].id;
        fail(connection.line, "connection " + std::string(output ? "from " : "to ") + inQuotes(id + "." + name) +
                                  ": node " + inQuotes(id) + " (" + plugin.id + ") has no " +
                                  (output ? "output" : "audio input") + " " + inQuotes(name) +
                                  "; it has: " + (usable.empty() ? "none" : usable));
    }

    PinRef endpoint(const PatchConnection& connection, const std::string& nodeId, const std::string& pin,
                    bool output) const {
        const int32_t node = nodeIndex(nodeId);
        const NodeKind kind = plan_.patch.nodes[static_cast<size_t>(node)].kind;
        return {node, kind == NodeKind::Plugin ? pluginPin(connection, node, pin, output) : hostPin(kind, pin)};
    }

    PlanConnection bind(const PatchConnection& connection) const {
        return {endpoint(connection, connection.fromNode, connection.fromPin, true),
                endpoint(connection, connection.toNode, connection.toPin, false), connection.scale, connection.offset};
    }

    // Kahn's order: a node is placed once every node that feeds it is.
    void orderNodes() {
        const size_t count = plan_.patch.nodes.size();
        std::vector<int32_t> waitingOn(count, 0);
        for (const PlanConnection& connection : plan_.connections) ++waitingOn[static_cast<size_t>(connection.to.node)];
        std::vector<bool> placed(count, false);
        while (plan_.order.size() < count) {
            size_t ready = 0;
            while (ready < count && (placed[ready] || waitingOn[ready] != 0)) ++ready;
            if (ready == count) failLoop(placed);
            placed[ready] = true;
            plan_.order.push_back(static_cast<int32_t>(ready));
            for (const PlanConnection& connection : plan_.connections)
                if (connection.from.node == static_cast<int32_t>(ready))
                    --waitingOn[static_cast<size_t>(connection.to.node)];
        }
    }

    [[noreturn]] void failLoop(const std::vector<bool>& placed) const {
        std::string nodes;
        int line = 0;
        for (size_t i = 0; i < placed.size(); ++i) {
            if (placed[i]) continue;
            nodes += (nodes.empty() ? "" : ", ") + inQuotes(plan_.patch.nodes[i].id);
            if (line == 0) line = plan_.patch.nodes[i].line;
        }
        fail(line, "the connections form a loop among nodes " + nodes);
    }

    const LibraryDescription& library_;
    PatchPlan plan_;
};

}  // namespace

bool carriesNumber(const PinDescription& pin) {
    return pin.isAudioRate() || pin.datatype == "float" || pin.datatype == "int" || pin.datatype == "enum" ||
           pin.datatype == "bool";
}

std::vector<PlanConnection> PatchPlan::connectionsTo(PinRef input) const {
    std::vector<PlanConnection> found;
    for (const PlanConnection& connection : connections)
        if (connection.to == input) found.push_back(connection);
    return found;
}

PatchPlan planPatch(Patch patch, const LibraryDescription& library) {
    return Planner(std::move(patch), library).plan();
}

}  // namespace zuhost::play
