// The LIBRARY argument that zuhost's commands share: the plug-in library
// file to read, by default the one built beside zuhost.
#pragma once

#include <filesystem>

namespace CLI {
class App;
class Option;
}  // namespace CLI

namespace zuhost {

// Sets `library` to the default, which the help shows, and binds it to an
// optional positional argument.
CLI::Option* addLibraryArgument(CLI::App& app, std::filesystem::path& library);

}  // namespace zuhost
