// `zuhost process PLUGIN [LIBRARY] [options]`: runs one processor of a
// plug-in library in the substitute host with generated or recorded input
// and scripted pin values, and writes what it produced: a WAV per audio
// output, the timeline of values and streaming changes, scope captures, and
// a summary on `out`. Options: ProcessArguments.h, resolved into
// ProcessOptions.h before anything runs.
#pragma once

#include <optional>

#include "host/command/Command.h"
#include "host/process/ProcessArguments.h"
#include "host/process/ProcessOptions.h"

namespace zuhost {

class ProcessCommand final : public Command {
public:
    std::string_view name() const override { return "process"; }
    std::string_view summary() const override;
    void declare(CLI::App& app) override;
    int run(std::ostream& out, std::ostream& err) override;

private:
    ProcessArguments arguments_;
    std::optional<ProcessOptions> options_;  // once the command line is read
};

}  // namespace zuhost
