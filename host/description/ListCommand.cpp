#include "host/description/ListCommand.h"

#include <filesystem>
#include <optional>

#include "host/description/DescriptionPrinter.h"
#include "host/description/EmbeddedDescription.h"
#include "host/description/PluginLibrary.h"
#include "host/zuhost/Command.h"

namespace zuhost {

namespace {

struct ListOptions {
    std::optional<std::filesystem::path> library;
    bool json = false;
};

std::optional<ListOptions> parseOptions(std::span<const std::string_view> args, std::ostream& err) {
    ListOptions options;
    for (const std::string_view arg : args) {
        if (arg == "--json") {
            options.json = true;
        } else if (arg.starts_with("-") || options.library) {
            err << "zuhost list: unexpected argument '" << arg << "'\nusage: zuhost list [LIBRARY] [--json]\n";
            return std::nullopt;
        } else {
            options.library = std::filesystem::path(arg);
        }
    }
    return options;
}

}  // namespace

int runListCommand(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
    const auto options = parseOptions(args, err);
    if (!options) return EXIT_USAGE;
    try {
        const std::filesystem::path library = options->library ? *options->library : libraryBesideExecutable();
        const LibraryDescription description = loadDescription(library);
        if (options->json) {
            printDescriptionJson(description, out);
        } else {
            printDescriptionText(description, out);
        }
        return EXIT_OK;
    } catch (const std::exception& error) {
        err << "zuhost list: " << error.what() << '\n';
        return EXIT_FAILED;
    }
}

}  // namespace zuhost
