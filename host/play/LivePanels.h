// The patch's drawable panels, in node order, made over a skin folder the
// way a session starts a panel (its connection's values, initialised, laid
// out, then the patch's pin values, which may ask for a new layout), and
// made again over another skin with the values the old ones had.
//
// Contract: GUI thread. The connections and the plan outlive the panels.
// Plug-in nodes without a drawable panel still have their connections
// started. main() is the index of the plan's main panel, or -1.
#pragma once

#include <filesystem>
#include <memory>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "host/play/LivePanel.h"
#include "host/play/PatchPlan.h"

namespace zuhost::play {

class SessionRecorder;

class LivePanels {
public:
    // Warnings about the panels (what one kept when released) go to `warnings`.
    LivePanels(std::shared_ptr<const PluginLibrary> library, const PatchPlan& plan,
               const std::vector<std::unique_ptr<PanelConnection>>& connections, std::ostream& warnings);

    // The first panels; the main panel's patch pin values go to the recorder, when there is one.
    void open(const std::filesystem::path& skin, SessionRecorder* recorder);
    // Every panel made again over `skin`; answers what loads worse than
    // with the skin the panels were first opened over.
    std::set<std::string> remake(const std::filesystem::path& skin);
    void answerLiveWith(gui::LiveUser* user);
    void release();

    size_t size() const { return panels_.size(); }
    LivePanel& operator[](size_t i) { return *panels_[i]; }
    const LivePanel& operator[](size_t i) const { return *panels_[i]; }
    int32_t main() const { return main_; }

private:
    std::unique_ptr<LivePanel> make(size_t node, const std::filesystem::path& skin, bool start);

    std::shared_ptr<const PluginLibrary> library_;
    const PatchPlan& plan_;
    const std::vector<std::unique_ptr<PanelConnection>>& connections_;
    std::ostream& warnings_;
    std::vector<std::unique_ptr<LivePanel>> panels_;
    std::set<std::string> firstFailures_;
    gui::LiveUser* liveUser_ = nullptr;
    int32_t main_ = -1;
};

}  // namespace zuhost::play
