// zuhost: loads a plug-in library as a host would and shows what it does.
#include <iostream>
#include <string_view>
#include <vector>

#include "host/description/ListCommand.h"
#include "host/process/ProcessCommand.h"
#include "host/validate/ValidateCommand.h"
#include "host/zuhost/Command.h"

namespace {

struct CommandEntry {
    std::string_view name;
    std::string_view usage;
    zuhost::CommandFunction run;
};

constexpr CommandEntry COMMANDS[] = {
    {"list", "list [LIBRARY] [--json]   the plug-ins, parameters and pins the library describes", zuhost::runListCommand},
    {"process", "process PLUGIN [LIBRARY] [options]   runs a processor; 'zuhost process --help' lists the options",
     zuhost::runProcessCommand},
    {"validate", "validate [LIBRARY] [--plugin ID] [--seed N] [--strictness 1..10] [--json FILE] [--audio-only]",
     zuhost::runValidateCommand},
};

int usage() {
    std::cerr << "usage: zuhost COMMAND [ARGUMENTS]\n";
    for (const CommandEntry& command : COMMANDS) std::cerr << "  zuhost " << command.usage << '\n';
    return zuhost::EXIT_USAGE;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return usage();
    const std::string_view name = argv[1];
    const std::vector<std::string_view> args(argv + 2, argv + argc);
    for (const CommandEntry& command : COMMANDS) {
        if (command.name == name) return command.run(args, std::cout, std::cerr);
    }
    std::cerr << "zuhost: unknown command '" << name << "'\n";
    return usage();
}
