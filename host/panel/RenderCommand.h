// `zuhost render PLUGIN [LIBRARY] [options]`: makes one panel of a plug-in
// library, gives its parameters their start values and fields as a host
// does (every range from --range-min to --range-max), then the pin values
// and scope traces given, lays it out, plays a gesture, writes its picture
// as PNG and prints what it sent to its host.
// Pin values and traces are read against the description, and capture files
// read, while the command line is read.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "gui/GuiInterfaces.h"
#include "host/command/Command.h"
#include "host/description/PluginDescription.h"
#include "host/panel/ScopeCaptures.h"
#include "host/run/PanelPinText.h"
#include "host/run/ParameterPins.h"

namespace zuhost {

struct RenderArguments {
    std::string plugin;
    std::filesystem::path library;
    std::vector<std::pair<std::string, std::string>> pins;  // fixtureName=VALUE
    std::vector<TraceArgument> signals;
    std::optional<std::filesystem::path> captureCsv;
    std::optional<gmpi_gui::MpSize> size;
    ParameterRange range;
    std::optional<gmpi_gui::MpPoint> down, up;
    std::vector<gmpi_gui::MpPoint> moves;
    bool alt = false, control = false, shift = false;
    std::vector<int32_t> menuChoices;
    std::vector<std::string> typedTexts;
    std::filesystem::path skin;
    std::filesystem::path out = "out/render/panel.png";
};

class RenderCommand final : public Command {
public:
    std::string_view name() const override { return "render"; }
    std::string_view summary() const override;
    void declare(CLI::App& app) override;
    int run(std::ostream& out, std::ostream& err) override;

private:
    RenderArguments arguments_;
    // Once the command line is read:
    std::optional<PluginDescription> plugin_;
    std::vector<PanelPinValue> pins_;
    std::vector<PanelBlob> traces_;  // the capture file's, then the signals'
};

}  // namespace zuhost
