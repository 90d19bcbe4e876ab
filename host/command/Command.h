// The shape of a zuhost command: it declares its arguments on a subcommand of
// zuhost's command line, each bound to a typed field of its options, and runs
// on those options alone.
//
// Contract: declare() is called once, on a fresh command, before the command
// line is read; run() only after the whole command line was read without
// error. Reading the command line fills the options once: texts become their
// types there, and values whose meaning depends on others (a time on the
// sample rate, a pin's value on the plug-in's description) are resolved in
// the subcommand's final callback, still part of the reading. Wrong use is
// reported there as a CLI::ParseError naming the option and the reason.
// run() writes results to `out` and diagnostics to `err` and returns the exit
// status; when it throws, the caller reports the exception as a failure.
#pragma once

#include <ostream>
#include <string_view>

namespace CLI {
class App;
}

namespace zuhost {

enum ExitStatus : int { exitOk = 0, exitFailed = 1, exitUsage = 2 };

class Command {
public:
    virtual ~Command() = default;

    virtual std::string_view name() const = 0;
    virtual std::string_view summary() const = 0;  // one line for `zuhost --help`
    virtual void declare(CLI::App& app) = 0;
    virtual int run(std::ostream& out, std::ostream& err) = 0;
};

}  // namespace zuhost
