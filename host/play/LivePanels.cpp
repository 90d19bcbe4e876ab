#include "host/play/LivePanels.h"

#include "host/run/PanelPinText.h"
#include "host/play/SessionRecorder.h"

namespace zuhost::play {

namespace {

std::string titleOf(const PatchNode& node, const PluginDescription& plugin) {
    const std::string name = plugin.name.empty() ? plugin.id : plugin.name;
    return node.id == name ? name : name + " - " + node.id;
}

}  // namespace

LivePanels::LivePanels(std::shared_ptr<const PluginLibrary> library, const PatchPlan& plan,
                       const std::vector<std::unique_ptr<PanelConnection>>& connections, std::ostream& warnings)
    : library_(std::move(library)), plan_(plan), connections_(connections), warnings_(warnings) {}

void LivePanels::open(const std::filesystem::path& skin, SessionRecorder* recorder) {
    for (size_t node = 0; node < connections_.size(); ++node) {
        PanelConnection* connection = connections_[node].get();
        if (connection == nullptr) continue;
        std::unique_ptr<LivePanel> panel;
        try {
            panel = make(node, skin, true);
        } catch (const PanelUnavailable&) {
            connection->start();  // its processor still gets its parameters
        }
        const bool main = static_cast<int32_t>(node) == plan_.mainPanel;
        for (const auto& [name, value] : plan_.patch.nodes[node].pins) {
            connection->hostSets(resolvePanelPinValue(connection->plugin(), name, value));
            if (main && recorder != nullptr) recorder->pin(0.0, name, value);
        }
        if (panel == nullptr) continue;
        panel->layOutIfAsked();
        if (main) main_ = static_cast<int32_t>(panels_.size());
        for (const std::string& failure : panel->loadFailures()) firstFailures_.insert(failure);
        panels_.push_back(std::move(panel));
    }
}

std::unique_ptr<LivePanel> LivePanels::make(size_t node, const std::filesystem::path& skin, bool start) {
    PanelConnection& connection = *connections_[node];
    auto panel =
        std::make_unique<LivePanel>(library_, connection.plugin(),
                                    titleOf(plan_.patch.nodes[node], connection.plugin()), skin, connection, warnings_);
    if (start) connection.start();
    panel->start();
    panel->session().script().answerLiveWith(liveUser_);
    return panel;
}

std::set<std::string> LivePanels::remake(const std::filesystem::path& skin) {
    std::vector<size_t> nodes;
    for (const auto& panel : panels_) nodes.push_back(static_cast<size_t>(panel->connection().node()));
    // The old panels go first, so that the library's skin caches read the new files.
    release();
    std::set<std::string> worse;
    for (const size_t node : nodes) {
        panels_.push_back(make(node, skin, false));
        for (const std::string& failure : panels_.back()->loadFailures())
            if (!firstFailures_.contains(failure)) worse.insert(failure);
    }
    return worse;
}

void LivePanels::answerLiveWith(gui::LiveUser* user) {
    liveUser_ = user;
    for (const auto& panel : panels_) panel->session().script().answerLiveWith(user);
}

void LivePanels::release() {
    for (const auto& panel : panels_) panel->release();
    panels_.clear();
}

}  // namespace zuhost::play
