#include "host/zuhost/Zuhost.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "host/command/HelpFormatter.h"
#include "host/zuhost/CommandTable.h"

namespace zuhost {

namespace {

constexpr const char* programDescription = "zuhost: loads a plug-in library as a host would and shows what it does";

// CLI11 reads its argument list from the back.
void parse(CLI::App& app, std::span<const std::string_view> args) {
    app.parse(std::vector<std::string>(args.rbegin(), args.rend()));
}

// The command line as far as it was read: "zuhost" or "zuhost COMMAND".
std::string commandLineName(const CLI::App& app) {
    const std::vector<CLI::App*> chosen = app.get_subcommands();
    return chosen.empty() ? app.get_name() : app.get_name() + ' ' + chosen.front()->get_name();
}

// CLI11 speaks of subcommands, and finds a missing command before an unknown one.
std::string withoutCommand(std::span<const std::string_view> args, const CLI::ParseError& error) {
    if (dynamic_cast<const CLI::RequiredError*>(&error) == nullptr) return error.what();
    const auto named =
        std::find_if(args.begin(), args.end(), [](std::string_view arg) { return !arg.starts_with('-'); });
    return named == args.end() ? "give a command" : "there is no command '" + std::string(*named) + "'";
}

int reportWrongUse(const CLI::App& app, std::span<const std::string_view> args, const HelpFormatter& formatter,
                   const CLI::ParseError& error, std::ostream& err) {
    const std::string name = commandLineName(app);
    const std::vector<CLI::App*> chosen = app.get_subcommands();
    if (chosen.empty()) {
        err << name << ": " << withoutCommand(args, error) << '\n' << app.help();
    } else {
        err << name << ": " << error.what() << '\n';
        err << formatter.make_usage(chosen.front(), name) << "'" << name << " --help' lists every option\n";
    }
    return exitUsage;
}

}  // namespace

int runZuhost(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
    CLI::App app(programDescription, "zuhost");
    const auto formatter = std::make_shared<HelpFormatter>();
    app.formatter(formatter);
    app.set_help_flag("-h,--help", "print this help and exit");
    app.set_version_flag("--version", "zuhost " + std::string(zuhostVersion), "print zuhost's version and exit");
    app.require_subcommand(1);
    const std::vector<std::unique_ptr<Command>> commands = zuhostCommands();
    std::vector<const CLI::App*> subcommands;
    for (const auto& command : commands) {
        CLI::App* subcommand = app.add_subcommand(std::string(command->name()), std::string(command->summary()));
        subcommand->group("Commands");
        command->declare(*subcommand);
        subcommands.push_back(subcommand);
    }

    try {
        parse(app, args);
        // require_subcommand(1) leaves exactly one of them chosen.
        const auto chosen = std::find(subcommands.begin(), subcommands.end(), app.get_subcommands().front());
        return commands[static_cast<size_t>(chosen - subcommands.begin())]->run(out, err);
    } catch (const CLI::Success& done) {
        return app.exit(done, out, err);
    } catch (const CLI::ParseError& error) {
        return reportWrongUse(app, args, *formatter, error, err);
    } catch (const std::exception& error) {
        err << commandLineName(app) << ": " << error.what() << '\n';
        return exitFailed;
    }
}

}  // namespace zuhost
