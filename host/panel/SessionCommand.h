// `zuhost session PLUGIN [LIBRARY] --script FILE`: runs both halves of one
// plug-in joined as a host joins them (SessionConnection.h), the panel's
// timer in the same virtual time as the audio, while a script of gestures
// and pin values (SessionScript.h) plays. Writes into its output folder
// (OutputFolder.h) the audio as WAV, the processor's timeline, the panel as
// a PNG per frame as each is made, a strip of at most 100 of them
// evenly spread, and crossings.csv with every value that crossed between
// the halves; per-frame pictures and captures can be left out for long runs.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "gui/GuiInterfaces.h"
#include "host/command/Command.h"
#include "host/command/SampleTime.h"
#include "host/description/PluginDescription.h"
#include "host/panel/SessionScript.h"
#include "host/run/AudioArguments.h"
#include "host/run/ParameterPins.h"

namespace zuhost {

struct SessionArguments {
    std::string plugin;
    std::filesystem::path library;
    std::filesystem::path script;
    std::optional<SampleTime> length;  // none: the script's last action and half a second
    AudioArguments audio;
    ParameterRange range;
    double frameMilliseconds = 50.0;
    std::optional<gmpi_gui::MpSize> size;
    std::filesystem::path skin;
    std::filesystem::path out = "out/session";
    bool writeFrames = true;
    bool writeCaptures = true;
};

class SessionCommand final : public Command {
public:
    std::string_view name() const override { return "session"; }
    std::string_view summary() const override;
    void declare(CLI::App& app) override;
    int run(std::ostream& out, std::ostream& err) override;

private:
    SessionArguments arguments_;
    // Once the command line is read:
    std::optional<PluginDescription> plugin_;
    std::vector<ScheduledInput> inputs_;
    std::vector<SessionAction> actions_;
};

}  // namespace zuhost
