#include "host/panel/RenderCommand.h"

#include <CLI/CLI.hpp>

#include <set>

#include "host/command/LibraryArgument.h"
#include "host/command/OptionValidators.h"
#include "host/command/OutputPaths.h"
#include "host/command/ParsedOption.h"
#include "host/description/EmbeddedDescription.h"
#include "host/description/PluginLibrary.h"
#include "host/panel/PanelArguments.h"
#include "host/run/DescriptionLookup.h"
#include "host/run/OutputFile.h"
#include "host/run/PanelRunner.h"
#include "host/run/SignalText.h"

namespace zuhost {

namespace {

constexpr float captureRate = 48000.0f;

const std::string footerText =
    "NAME is a panel pin's name or id; VALUE is text of its datatype (strings as they are).\n"
    "SIGNAL is " +
    std::string(signalForms) +
    ";\n"
    "PIN may be the last word of a trace pin's name (A, B). The gesture is down, the moves in order,\n"
    "then up. Every parameter starts at its default with the range --range-min to --range-max;\n"
    "--pin values follow.";

std::vector<PanelPinValue> resolvePins(const RenderArguments& arguments, const PluginDescription& plugin) {
    std::vector<PanelPinValue> pins;
    for (const auto& [name, value] : arguments.pins)
        pins.push_back(withinOption("--pin", [&] { return resolvePanelPinValue(plugin, name, value); }));
    return pins;
}

std::vector<PanelBlob> resolveTraces(const RenderArguments& arguments, const PluginDescription& plugin) {
    std::vector<PanelBlob> traces;
    if (arguments.captureCsv)
        traces = withinOption("--capture-csv", [&] { return readCaptureCsv(*arguments.captureCsv, plugin); });
    for (const TraceArgument& trace : arguments.signals) {
        const PinDescription& pin =
            withinOption("--signal", [&]() -> const PinDescription& { return findBlobPin(plugin, trace.pin); });
        traces.push_back({pin.index, trace.voice, captureOf(trace.signal, captureRate)});
    }
    return traces;
}

// A host sets the gate of every voice that plays.
void openGates(gui::PanelSession& session, const PluginDescription& plugin, const std::vector<PanelBlob>& traces) {
    std::set<int32_t> voices;
    for (const PanelBlob& trace : traces) voices.insert(trace.voice);
    for (const PinDescription& pin : plugin.guiPins) {
        if (pin.attribute("hostConnect") != "Voice/Gate") continue;
        for (const int32_t voice : voices) session.setFloat(pin.index, 1.0f, voice);
    }
}

uint32_t modifiersOf(const RenderArguments& arguments) {
    uint32_t modifiers = gui::NoModifier;
    if (arguments.alt) modifiers |= gui::AltKey;
    if (arguments.control) modifiers |= gui::ControlKey;
    if (arguments.shift) modifiers |= gui::ShiftKey;
    return modifiers;
}

void playGesture(gui::PanelSession& session, const RenderArguments& arguments) {
    const uint32_t modifiers = modifiersOf(arguments);
    if (arguments.down) session.pointerDown(*arguments.down, modifiers);
    for (const gmpi_gui::MpPoint& point : arguments.moves) session.pointerMove(point, modifiers);
    if (arguments.up) session.pointerUp(*arguments.up, modifiers);
}

void printShown(const gui::UserScript& script, std::ostream& out) {
    for (const gui::ShownMenu& menu : script.menus()) {
        out << "menu shown with " << menu.items.size() << " items, chosen id " << menu.chosenId << "\n";
    }
    for (const gui::ShownTextEntry& entry : script.textEntries()) {
        out << "text entry shown with \"" << entry.startingText << "\"";
        if (entry.typedText) out << ", typed \"" << *entry.typedText << "\"";
        out << "\n";
    }
}

void warnAboutUnused(const gui::UserScript& script, std::ostream& err) {
    for (const int32_t choice : script.unusedMenuChoices())
        err << "zuhost render: warning: --menu-choice " << choice << ": no menu was shown to take it\n";
    for (const std::string& text : script.unusedTypedTexts())
        err << "zuhost render: warning: --type \"" << text << "\": no text entry was shown to take it\n";
}

}  // namespace

std::string_view RenderCommand::summary() const {
    return "draws one panel with given pin values and an optional gesture into a PNG and prints what it sent";
}

void RenderCommand::declare(CLI::App& app) {
    auto& a = arguments_;
    app.add_option("PLUGIN", a.plugin, "the plug-in's id or name")->required();
    addLibraryArgument(app, a.library);
    addRepeatedOption(app, "--pin", a.pins, parseNameValue, "a value for a panel pin")->type_name("NAME=VALUE");
    addRepeatedOption(app, "--signal", a.signals, parseTraceArgument, "a scope trace captured from a generated signal")
        ->type_name("[VOICE:]PIN=SIGNAL");
    app.add_option("--capture-csv", a.captureCsv,
                   "scope traces: each voice's last capture in a CSV of `zuhost process`")
        ->type_name("FILE");
    declarePanelSize(app, a.size);
    declareParameterRange(app, a.range);
    addParsedOption(app, "--down", a.down, parsePoint, "pointer down")->type_name("X,Y");
    addRepeatedOption(app, "--move", a.moves, parsePoint, "pointer moves")->type_name("X,Y");
    addParsedOption(app, "--up", a.up, parsePoint, "pointer up")->type_name("X,Y");
    app.add_flag("--alt", a.alt, "hold Alt during the gesture");
    app.add_flag("--control", a.control, "hold Control during the gesture");
    app.add_flag("--shift", a.shift, "hold Shift during the gesture");
    app.add_option("--menu-choice", a.menuChoices, "the item id the user picks in each menu shown")
        ->type_name("N")
        ->transform(wholeNumber<int32_t>(-1));
    app.add_option("--type", a.typedTexts, "the text the user types into each text entry shown")->type_name("TEXT");
    declareSkinFolder(app, a.skin);
    app.add_option("--out", a.out, "the PNG to write")->type_name("FILE")->capture_default_str();
    app.footer(footerText);
    app.final_callback([this] {
        const LibraryDescription description = loadDescription(arguments_.library);
        plugin_ = withinOption("PLUGIN", [&] { return findPluginByIdOrName(description, arguments_.plugin); });
        pins_ = resolvePins(arguments_, *plugin_);
        traces_ = resolveTraces(arguments_, *plugin_);
        withinOption("--out", [&] { requireWritableFile(arguments_.out, MissingDirectory::Make); });
    });
}

int RenderCommand::run(std::ostream& out, std::ostream& err) {
    const RenderArguments& arguments = arguments_;
    const PluginDescription& plugin = *plugin_;
    PanelRunner panel(std::make_shared<const PluginLibrary>(PluginLibrary::open(arguments.library)), plugin,
                      arguments.skin, err, "zuhost render");
    gui::PanelSession& session = panel.session();
    for (const PanelPinValue& value : parameterPinValues(plugin, arguments.range))
        session.setPin(value.pin, value.bytes);
    for (const PanelPinValue& pin : pins_) session.setPin(pin.pin, pin.bytes);
    for (const PanelBlob& trace : traces_) session.setBlob(trace.pin, trace.bytes, trace.voice);
    openGates(session, plugin, traces_);
    panel.start(arguments.size);

    for (const int32_t choice : arguments.menuChoices) session.script().chooseMenuItem(choice);
    for (const std::string& text : arguments.typedTexts) session.script().typeText(text);
    playGesture(session, arguments);

    const auto picture = panel.picture();
    std::filesystem::create_directories(std::filesystem::absolute(arguments.out).parent_path());
    writePng(picture->surface(), arguments.out);
    out << "panel: " << plugin.id << " at " << panel.size().width << "x" << panel.size().height << "\n";
    for (const gui::PinTransmit& transmit : session.guiHost().transmits())
        out << "sent " << describeTransmit(plugin, transmit) << "\n";
    printShown(session.script(), out);
    warnAboutUnused(session.script(), err);
    out << "wrote " << arguments.out.string() << "\n";
    panel.release();
    return exitOk;
}

}  // namespace zuhost
