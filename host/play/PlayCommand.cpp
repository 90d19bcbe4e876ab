#include "host/play/PlayCommand.h"

#include <CLI/CLI.hpp>

#include <fstream>

#include "host/command/LibraryArgument.h"
#include "host/command/OptionValidators.h"
#include "host/command/ParsedOption.h"
#include "host/command/UsageError.h"
#include "host/description/EmbeddedDescription.h"
#include "host/gui/SkinFolder.h"
#include "host/run/PanelPinText.h"
#include "host/play/DefaultPatches.h"
#include "host/play/Player.h"
#include "host/run/AudioArguments.h"
#include "host/run/DescriptionLookup.h"

namespace zuhost::play {

namespace {

constexpr const char* footer =
    "Without --patch the plug-in opens in a patch that makes it seen and heard: a slider or knob\n"
    "sets a sine's level and pitch, a list entry chooses its pitch, a scope watches two sines.\n"
    "Headless: SDL_VIDEODRIVER=offscreen (or xvfb-run) with --audio-driver disk --audio-out FILE\n"
    "(raw 32-bit float stereo at the rate) or --audio-driver dummy, and --duration.\n"
    "The script's pointer actions go to the patch's first panel. F12 writes a screenshot.";

Patch patchFromArguments(const PlayArguments& arguments, const LibraryDescription& description) {
    if (arguments.patch) return readPatch(*arguments.patch);
    return defaultPatch(withinOption("PLUGIN", [&] { return findPluginByIdOrName(description, arguments.plugin); }));
}

std::vector<SessionAction> readScript(const std::filesystem::path& path, float sampleRate) {
    std::ifstream file(path);
    if (!file) throw UsageError("cannot read " + path.string());
    return parseSessionScript(file, sampleRate);
}

// Pins that the patch and the script name are read against the description before anything opens.
void resolvePins(const PatchPlan& plan, std::vector<SessionAction>& script) {
    for (size_t node = 0; node < plan.plugins.size(); ++node) {
        if (plan.plugins[node] == nullptr) continue;
        for (const auto& [name, value] : plan.patch.nodes[node].pins) {
            try {
                resolvePanelPinValue(*plan.plugins[node], name, value);
            } catch (const UsageError& error) {
                throw PatchError(whereIn(plan.patch, plan.patch.nodes[node].line) + "node \"" +
                                 plan.patch.nodes[node].id + "\": " + error.what());
            }
        }
    }
    if (script.empty()) return;
    if (plan.mainPanel < 0) throw UsageError("the patch has no panel for the script to act on");
    resolvePinActions(script, *plan.plugins[static_cast<size_t>(plan.mainPanel)]);
}

}  // namespace

std::string_view PlayCommand::summary() const {
    return "plays a plug-in (or a patch) live: panels in a window, processors on the sound device";
}

void PlayCommand::declare(CLI::App& app) {
    auto& a = arguments_;
    app.add_option("PLUGIN", a.plugin, "the plug-in's id or name (not with --patch)");
    addLibraryArgument(app, a.library);
    app.add_option("--patch", a.patch, "a patch file (JSON) of nodes and connections")->type_name("FILE");
    app.add_option("--scale", a.scale, "pixels per panel unit")->check(CLI::IsMember({1, 2}))->capture_default_str();
    addParsedOption(app, "--duration", a.duration, SampleTime::parse, "end the run after this long")->type_name("TIME");
    app.add_option("--script", a.script, "what the user does, as `zuhost session` reads it, played in real time")
        ->type_name("FILE");
    app.add_option("--screenshot", a.screenshot, "write the window as PNG at the end (and on F12)")->type_name("FILE");
    app.add_option("--stats", a.stats, "write the run's figures as JSON")->type_name("FILE");
    app.add_option("--record", a.record, "write what was done as a session script, and what was heard as WAV")
        ->type_name("DIR");
    a.skin = gui::SkinFolder::besideExecutable();
    app.add_option("--skin", a.skin, "the skin folder; the panels are made again when it changes")
        ->type_name("DIR")
        ->check(existingDirectory())
        ->capture_default_str();
    app.add_option("--audio-driver", a.audioDriver, "SDL's audio driver (pulseaudio, alsa, disk, dummy...)")
        ->type_name("NAME");
    app.add_option("--audio-out", a.audioOut, "the file the disk driver writes")->type_name("FILE");
    declareRateAndBlock(app, a.sampleRate, a.blockSize, {8000.0, 192000.0, 16, 4096});
    app.footer(footer);
    app.final_callback([this, &app] {
        arguments_.watchSkin = app.count("--skin") > 0;
        resolve();
    });
}

void PlayCommand::resolve() {
    if (arguments_.patch && !arguments_.plugin.empty())
        throw CLI::ValidationError("PLUGIN", "give a plug-in or --patch, not both");
    if (!arguments_.patch && arguments_.plugin.empty())
        throw CLI::ValidationError("PLUGIN", "give a plug-in or --patch");
    description_ = loadDescription(arguments_.library);
    const Patch patch = patchFromArguments(arguments_, description_);
    arguments_.windowKey = arguments_.patch ? std::filesystem::absolute(*arguments_.patch).lexically_normal().string()
                                            : "plugin " + patch.name;
    plan_ = withinOption("--patch", [&] {
        try {
            return planPatch(patch, description_);
        } catch (const PatchError& error) {
            throw UsageError(error.what());
        }
    });
    if (arguments_.script)
        script_ = withinOption("--script", [&] { return readScript(*arguments_.script, arguments_.sampleRate); });
    withinOption(arguments_.script ? "--script" : "--patch", [&] {
        try {
            resolvePins(*plan_, script_);
        } catch (const PatchError& error) {
            throw UsageError(error.what());
        }
        return 0;
    });
}

int PlayCommand::run(std::ostream& out, std::ostream& err) {
    // The files a run writes at its end get their folders first, so that a long run does not end in failing to save.
    for (const auto& file : {arguments_.screenshot, arguments_.stats, arguments_.audioOut})
        if (file && file->has_parent_path()) std::filesystem::create_directories(file->parent_path());
    Player player(arguments_, std::move(*plan_), std::move(script_));
    return player.run(out, err);
}

}  // namespace zuhost::play
