// `zuhost render PLUGIN [LIBRARY] [options]`: makes one panel of a plug-in
// library, gives it pin values and scope traces, lays it out, plays a
// gesture, writes its picture as PNG and prints what it sent to its host.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "gui/GuiInterfaces.h"
#include "host/command/Command.h"
#include "host/description/PluginDescription.h"

namespace zuhost {

struct RenderArguments {
    std::string plugin;
    std::filesystem::path library;
    std::vector<std::pair<std::string, std::string>> pins;      // NAME=VALUE
    std::vector<std::pair<std::string, std::string>> signals;   // [VOICE:]PIN=SIGNAL
    std::optional<std::filesystem::path> captureCsv;
    std::optional<gmpi_gui::MpSize> size;
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
    std::optional<PluginDescription> plugin_;   // once the command line is read
};

}  // namespace zuhost
