#include "host/command/LibraryArgument.h"

#include <CLI/CLI.hpp>

#include "host/description/PluginLibrary.h"

namespace zuhost {

CLI::Option* addLibraryArgument(CLI::App& app, std::filesystem::path& library) {
    library = libraryBesideExecutable();
    return app.add_option("LIBRARY", library, "the plug-in library file")
        ->type_name("FILE")
        ->default_str(library.string());
}

}  // namespace zuhost
