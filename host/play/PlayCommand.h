// `zuhost play PLUGIN [LIBRARY]` or `zuhost play --patch FILE [LIBRARY]`:
// the patch's panels in a window and its processors on the sound device, in
// real time (Player.h). Without a patch the plug-in opens in its default
// patch (DefaultPatches.h).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "host/command/Command.h"
#include "host/description/PluginDescription.h"
#include "host/panel/SessionScript.h"
#include "host/play/PatchPlan.h"
#include "host/play/PlayArguments.h"

namespace zuhost::play {

class PlayCommand final : public Command {
public:
    std::string_view name() const override { return "play"; }
    std::string_view summary() const override;
    void declare(CLI::App& app) override;
    int run(std::ostream& out, std::ostream& err) override;

private:
    void resolve();

    PlayArguments arguments_;
    LibraryDescription description_;
    std::optional<PatchPlan> plan_;
    std::vector<SessionAction> script_;
};

}  // namespace zuhost::play
