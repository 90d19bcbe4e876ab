#include "host/panel/SessionCommand.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <span>

#include "framework/MpInterfaces.h"
#include "host/audio/Runner.h"
#include "host/command/LibraryArgument.h"
#include "host/command/OptionValidators.h"
#include "host/command/OutputPaths.h"
#include "host/command/ParsedOption.h"
#include "host/command/UsageError.h"
#include "host/description/EmbeddedDescription.h"
#include "host/panel/PanelArguments.h"
#include "host/panel/SessionConnection.h"
#include "host/run/ContactSheet.h"
#include "host/run/DescriptionLookup.h"
#include "host/run/OutputFile.h"
#include "host/run/OutputFolder.h"
#include "host/run/PanelRunner.h"
#include "host/run/ProcessorSetup.h"
#include "host/run/RunOutputs.h"
#include "host/run/SignalText.h"

namespace zuhost {

namespace {

constexpr int32_t stripColumns = 10;
constexpr int64_t stripFrames = 100;

int64_t lengthOf(const SessionArguments& arguments, const std::vector<SessionAction>& actions) {
    const float rate = arguments.audio.sampleRate;
    if (arguments.length) return arguments.length->samplesAt(rate);
    const int64_t last = actions.empty() ? 0 : actions.back().time;
    return last + static_cast<int64_t>(rate / 2);
}

void apply(const SessionAction& action, gui::PanelSession& panel, SessionConnection& connection) {
    switch (action.kind) {
        case SessionAction::Kind::Pin: connection.hostSets(action.value); break;
        case SessionAction::Kind::Down: panel.pointerDown(action.point, action.modifiers); break;
        case SessionAction::Kind::Move: panel.pointerMove(action.point, action.modifiers); break;
        case SessionAction::Kind::Up: panel.pointerUp(action.point, action.modifiers); break;
        case SessionAction::Kind::Type: panel.script().typeText(action.text); break;
        case SessionAction::Kind::Choose: panel.script().chooseMenuItem(action.choice); break;
    }
}

std::string frameName(int64_t index) {
    char name[40];
    std::snprintf(name, sizeof name, "frames/frame_%04lld.png", static_cast<long long>(index));
    return name;
}

// The answers no menu or text entry took are the last ones the script gave.
void warnAboutUnused(std::span<const SessionAction> played, const gui::UserScript& user, std::ostream& err) {
    size_t choices = user.unusedMenuChoices().size();
    size_t texts = user.unusedTypedTexts().size();
    std::vector<const SessionAction*> unused;
    for (auto action = played.rbegin(); action != played.rend(); ++action) {
        const bool choice = action->kind == SessionAction::Kind::Choose;
        if (!choice && action->kind != SessionAction::Kind::Type) continue;
        size_t& left = choice ? choices : texts;
        if (left == 0) continue;
        --left;
        unused.push_back(&*action);
    }
    for (auto action = unused.rbegin(); action != unused.rend(); ++action)
        err << "zuhost session: warning: script line " << (*action)->line << ": no "
            << ((*action)->kind == SessionAction::Kind::Choose ? "menu" : "text entry") << " was shown to take it\n";
}

class Session {
public:
    Session(const SessionArguments& arguments, const PluginDescription& plugin, std::ostream& err)
        : arguments_(arguments),
          plugin_(plugin),
          library_(std::make_shared<const PluginLibrary>(PluginLibrary::open(arguments.library))),
          runner_(audioPinInfos(plugin), runnerSettings(arguments.audio.sampleRate, arguments.audio.blockSize,
                                                        arguments.audio.voices, arguments.audio.blockSize)),
          panel_(library_, plugin, arguments.skin, err, "zuhost session") {}

    int run(const std::vector<ScheduledInput>& inputs, const std::vector<SessionAction>& actions, std::ostream& out,
            std::ostream& err) {
        OutputFolder folder(arguments_.out);
        scheduleInputs(runner_, inputs);
        feedHostConnectedPins(runner_, plugin_);
        SessionConnection connection(plugin_, panel_.session(), runner_, folder.file("crossings.csv"),
                                     arguments_.range);
        connection.start();
        panel_.start(arguments_.size);
        if (const int32_t result = runner_.open(processorCreator(*library_, plugin_.id)); result != gmpi::MP_OK) {
            err << "zuhost session: \"" << plugin_.id << "\" failed to open (result " << result << ")\n";
            return exitFailed;
        }
        RunOutputs outputs(folder, plugin_, runner_, arguments_.writeCaptures);
        const size_t played = play(actions, connection, outputs, folder);
        runner_.close();
        outputs.finish();
        connection.finish();
        warnAboutUnused(std::span(actions).first(played), panel_.session().script(), err);
        warnAboutUnplayed(std::span(actions).subspan(played), err);
        const auto stripPath = folder.file("strip.png");
        strip_.write(stripPath);

        out << "plug-in: " << plugin_.id << " from " << arguments_.library.string() << "\n"
            << "panel: " << panel_.size().width << "x" << panel_.size().height << ", " << actions.size()
            << " scripted actions, " << panel_.session().guiHost().transmits().size() << " values sent by the panel\n"
            << "host: " << connection.valuesToProcessor() << " values to the processor, " << connection.valuesToPanel()
            << " to the panel\n";
        outputs.summary().print(out, runner_);
        for (const auto& file : outputs.files()) out << "wrote " << file.string() << "\n";
        out << "wrote " << (arguments_.out / "crossings.csv").string() << "\n";
        if (arguments_.writeFrames)
            out << "wrote " << frames_ << " frames to " << (arguments_.out / "frames").string() << "\n";
        out << "wrote " << stripPath.string() << " with " << strip_.size() << " of " << frames_ << " frames\n";
        panel_.release();
        return exitOk;
    }

private:
    // Answers how many of the actions it played.
    size_t play(const std::vector<SessionAction>& actions, SessionConnection& connection, RunOutputs& outputs,
                OutputFolder& folder) {
        const int64_t length = lengthOf(arguments_, actions);
        const float rate = arguments_.audio.sampleRate;
        const auto frameInterval =
            std::max<int64_t>(1, static_cast<int64_t>(arguments_.frameMilliseconds * rate / 1000.0));
        // A frame follows a block that reaches its time: at most one a block.
        const int64_t plannedFrames = length / std::max<int64_t>(frameInterval, arguments_.audio.blockSize) + 1;
        const int64_t stripEvery = (plannedFrames + stripFrames - 1) / stripFrames;
        int64_t nextFrame = 0;
        int64_t milliseconds = 0;
        size_t next = 0;
        while (runner_.time() < length) {
            for (; next < actions.size() && actions[next].time <= runner_.time(); ++next)
                apply(actions[next], panel_.session(), connection);
            panel_.layOutAgainIfAsked();
            connection.fromPanel();
            const auto frames =
                static_cast<int32_t>(std::min<int64_t>(arguments_.audio.blockSize, length - runner_.time()));
            runner_.run(frames);
            connection.fromProcessor();
            outputs.afterBlock(runner_, frames);
            // The panel's timer runs on the audio's clock.
            const auto now = static_cast<int64_t>(static_cast<double>(runner_.time()) * 1000.0 / rate);
            panel_.session().advance(now - milliseconds);
            milliseconds = now;
            if (runner_.time() >= nextFrame) {
                takeFrame(folder, frames_ % stripEvery == 0);
                nextFrame += frameInterval;
            }
        }
        return next;
    }

    void warnAboutUnplayed(std::span<const SessionAction> actions, std::ostream& err) const {
        const std::string end = arguments_.length ? "--length " + arguments_.length->text() : "its last action";
        for (const SessionAction& action : actions)
            err << "zuhost session: warning: script line " << action.line
                << " comes too late to be played before the end (" << end << ")\n";
    }

    // Each frame is written as it is made, so that a long session holds no more than its strip.
    void takeFrame(OutputFolder& folder, bool intoStrip) {
        const auto picture = panel_.picture();
        if (arguments_.writeFrames) writePng(picture->surface(), folder.file(frameName(frames_)));
        ++frames_;
        if (!intoStrip) return;
        char caption[32];
        std::snprintf(caption, sizeof caption, "%.3f s",
                      static_cast<double>(runner_.time()) / arguments_.audio.sampleRate);
        strip_.add(*picture, caption);
    }

    const SessionArguments& arguments_;
    const PluginDescription& plugin_;
    std::shared_ptr<const PluginLibrary> library_;
    Runner runner_;
    PanelRunner panel_;
    ContactSheet strip_{stripColumns};
    int64_t frames_ = 0;
};

std::vector<SessionAction> readScript(const std::filesystem::path& path, float sampleRate) {
    std::ifstream file(path);
    if (!file) throw UsageError("cannot read " + path.string());
    return parseSessionScript(file, sampleRate);
}

}  // namespace

std::string_view SessionCommand::summary() const {
    return "runs a plug-in's panel and processor joined, played by a script; writes WAV, frames (PNG) and timelines";
}

void SessionCommand::declare(CLI::App& app) {
    auto& a = arguments_;
    app.add_option("PLUGIN", a.plugin, "the plug-in's id or name")->required();
    addLibraryArgument(app, a.library);
    app.add_option("--script", a.script, "what the user does: one `TIME VERB ARGUMENTS` a line")
        ->type_name("FILE")
        ->required();
    addParsedOption(app, "--length", a.length, SampleTime::parse, "how long to run")
        ->type_name("TIME")
        ->default_str("the script's last action and 0.5s");
    declareAudioArguments(app, a.audio);
    declareParameterRange(app, a.range);
    app.add_option("--frame-every", a.frameMilliseconds, "milliseconds between pictures of the panel")
        ->check(finiteNumber(1.0, 60000.0))
        ->capture_default_str();
    declarePanelSize(app, a.size);
    declareSkinFolder(app, a.skin);
    app.add_option("--out", a.out, "where the files go; an earlier run's files there are removed first")
        ->type_name("DIR")
        ->capture_default_str();
    app.add_flag_callback(
        "--no-frames", [&a] { a.writeFrames = false; }, "write no PNG per frame, only the strip");
    app.add_flag_callback(
        "--no-captures", [&a] { a.writeCaptures = false; }, "write no captures.csv");
    app.footer(
        "A script holds one `TIME VERB ARGUMENTS` a line; TIME is samples, or seconds with s or ms. Verbs:\n"
        "pin NAME=VALUE; down|move|up X,Y [alt] [control] [shift]; drag X,Y X,Y DURATION [alt] [control]\n"
        "[shift]; type TEXT; choose N. A # that begins a word starts a comment; blanks and a CR at the end\n"
        "of a line are ignored. type and choose answer the next text entry or menu shown, also when\n"
        "written after the gesture that opens it at the same time.\n"
        "A panel pin of a parameter's value sets the parameter, as the host does.\n"
        "SIGNAL is " +
        std::string(signalForms) + ".");
    app.final_callback([this] {
        const LibraryDescription description = loadDescription(arguments_.library);
        plugin_ = withinOption("PLUGIN", [&] { return findPluginByIdOrName(description, arguments_.plugin); });
        actions_ = withinOption("--script", [&] {
            std::vector<SessionAction> actions = readScript(arguments_.script, arguments_.audio.sampleRate);
            resolvePinActions(actions, *plugin_);
            return actions;
        });
        inputs_ = resolveInputs(*plugin_, arguments_.audio);
        withinOption("--out", [&] { requireWritableDirectory(arguments_.out); });
    });
}

int SessionCommand::run(std::ostream& out, std::ostream& err) {
    Session session(arguments_, *plugin_, err);
    return session.run(inputs_, actions_, out, err);
}

}  // namespace zuhost
