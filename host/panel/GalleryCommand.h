// `zuhost gallery [LIBRARY] [--out DIR]`: every panel of a plug-in library in
// every appearance at values 0, 0.5 and 1, the list entry with a short and a
// long list, and the scopes with one voice and with four; written as one
// contact sheet (gallery.png), a PNG per picture and an HTML page that shows
// them with their captions.
#pragma once

#include <filesystem>
#include <optional>

#include "host/command/Command.h"
#include "host/description/PluginDescription.h"

namespace zuhost {

class GalleryCommand final : public Command {
public:
    std::string_view name() const override { return "gallery"; }
    std::string_view summary() const override;
    void declare(CLI::App& app) override;
    int run(std::ostream& out, std::ostream& err) override;

private:
    std::filesystem::path library_;
    std::filesystem::path skin_;
    std::filesystem::path out_ = "out/gallery";
    std::optional<LibraryDescription> description_;
};

}  // namespace zuhost
