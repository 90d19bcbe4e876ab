#include "host/list/ListCommand.h"

#include <CLI/CLI.hpp>

#include "host/command/LibraryArgument.h"
#include "host/description/EmbeddedDescription.h"
#include "host/list/DescriptionPrinter.h"

namespace zuhost {

std::string_view ListCommand::summary() const { return "the plug-ins, parameters and pins a library describes"; }

void ListCommand::declare(CLI::App& app) {
    addLibraryArgument(app, options_.library);
    app.add_flag("--json", options_.json, "print JSON instead of text tables");
}

int ListCommand::run(std::ostream& out, std::ostream&) {
    const LibraryDescription description = loadDescription(options_.library);
    if (options_.json) {
        printDescriptionJson(description, out);
    } else {
        printDescriptionText(description, out);
    }
    return exitOk;
}

}  // namespace zuhost
