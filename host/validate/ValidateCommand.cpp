#include "host/validate/ValidateCommand.h"

#include <CLI/CLI.hpp>

#include <cstdint>
#include <fstream>
#include <string>

#include "host/command/LibraryArgument.h"
#include "host/command/OptionValidators.h"
#include "host/command/OutputPaths.h"
#include "host/command/ParsedOption.h"
#include "host/description/EmbeddedDescription.h"
#include "host/description/PluginLibrary.h"
#include "host/run/DescriptionLookup.h"
#include "host/validate/Strictness.h"
#include "host/validate/ValidationReport.h"
#include "host/validate/Validator.h"

namespace zuhost {

namespace {

using ReportWriter = void (*)(const ValidationOptions&, const std::vector<CheckResult>&, std::ostream&);

bool writeReportFile(const std::optional<std::filesystem::path>& path, ReportWriter writer,
                     const ValidationOptions& options, const std::vector<CheckResult>& results, std::ostream& err) {
    if (!path) return true;
    std::ofstream file(*path);
    if (file) writer(options, results, file);
    if (file) return true;
    err << "zuhost validate: cannot write " << path->string() << '\n';
    return false;
}

void requireWritableReport(const char* option, const std::optional<std::filesystem::path>& path) {
    if (path) withinOption(option, [&] { requireWritableFile(*path, MissingDirectory::Refuse); });
}

// The options that chose which checks run, as an error names them.
std::string choosingOptions(const ValidationOptions& options) {
    if (options.only.empty()) return "--skip";
    return options.skip.empty() ? "--only" : "--only, --skip";
}

}  // namespace

std::string_view ValidateCommand::summary() const {
    return "checks a library, its processors and its panels as a host would, each check in a child process of its own";
}

void ValidateCommand::declare(CLI::App& app) {
    addLibraryArgument(app, options_.library);
    app.add_option("--plugin", options_.plugin, "check only this plug-in (its id or name) besides the library")
        ->type_name("ID")
        ->default_str("every plug-in");
    app.add_option("--seed", options_.seed, "seed of the random inputs; the same seed repeats a run")
        ->transform(wholeNumber<uint64_t>(0))
        ->capture_default_str();
    app.add_option("--strictness", options_.strictness, "how many rates and block sizes, and how long, the checks run")
        ->transform(wholeNumber(minStrictness, maxStrictness))
        ->capture_default_str();
    app.add_option("--json", options_.json, "also write the results to FILE as JSON")->type_name("FILE");
    app.add_option("--junit", options_.junit, "also write the results to FILE as JUnit XML")->type_name("FILE");
    app.add_flag("--audio-only", options_.audioOnly, "skip the checks of the plug-ins' panels");
    app.add_option("--only", options_.only,
                   "run only the checks whose title (\"PLUGIN: check\") matches; "
                   "a pattern with * ? [ matches whole titles, others any part")
        ->type_name("PATTERN");
    app.add_option("--skip", options_.skip, "leave out the checks whose title matches, as for --only")
        ->type_name("PATTERN");
    app.add_option("--timeout", options_.timeoutSeconds, "seconds a check may take before its child is killed")
        ->type_name("SECONDS")
        ->check(finiteNumber(0.001, 86400.0))
        ->default_str("grows with strictness");
    app.add_flag("--list", options_.list, "name the checks that would run, and run none");
    app.final_callback([this] {
        if (options_.plugin) {
            const LibraryDescription description = loadDescription(options_.library);
            options_.plugin =
                withinOption("--plugin", [&] { return findPluginByIdOrName(description, *options_.plugin).id; });
        }
        validator_.emplace(options_);
        // A pattern that leaves nothing to run is a typo, not a run that passed.
        if (validator_->checkCount() == 0)
            throw CLI::ValidationError(choosingOptions(options_), "no check is left to run; --list names them");
        requireWritableReport("--json", options_.json);
        requireWritableReport("--junit", options_.junit);
    });
}

int ValidateCommand::run(std::ostream& out, std::ostream& err) {
    const Validator& validator = *validator_;
    if (options_.list) {
        for (const std::string& title : validator.checkTitles()) out << title << '\n';
        return exitOk;
    }
    // Every check would fail alike on a library that cannot be loaded here.
    refuseForeignLibrary(options_.library);
    printHeader(options_, validator.checkCount(), out);
    const std::vector<CheckResult> results = validator.run([&](const CheckResult& result) { printRow(result, out); });
    printSummary(results, out);
    const bool jsonWritten = writeReportFile(options_.json, writeJson, options_, results, err);
    const bool written = writeReportFile(options_.junit, writeJunit, options_, results, err) && jsonWritten;
    return failedCount(results) == 0 && written ? exitOk : exitFailed;
}

}  // namespace zuhost
