#include "host/validate/ValidateCommand.h"

#include <CLI/CLI.hpp>

#include <cstdint>
#include <fstream>
#include <string>

#include "host/command/LibraryArgument.h"
#include "host/command/OptionValidators.h"
#include "host/validate/Strictness.h"
#include "host/validate/ValidationReport.h"
#include "host/validate/Validator.h"

namespace zuhost {

namespace {

bool writeJsonFile(const ValidationOptions& options, const std::vector<CheckResult>& results, std::ostream& err) {
    std::ofstream file(*options.json);
    if (file) writeJson(options, results, file);
    if (file) return true;
    err << "zuhost validate: cannot write " << options.json->string() << '\n';
    return false;
}

}  // namespace

std::string_view ValidateCommand::summary() const {
    return "checks a library and its processors as a host would, each check in a child process of its own";
}

void ValidateCommand::declare(CLI::App& app) {
    addLibraryArgument(app, options_.library);
    app.add_option("--plugin", options_.plugin, "check only this plug-in (its id) besides the library")
        ->type_name("ID")
        ->default_str("every plug-in");
    app.add_option("--seed", options_.seed, "seed of the random inputs; the same seed repeats a run")
        ->transform(wholeNumber<uint64_t>(0))
        ->capture_default_str();
    app.add_option("--strictness", options_.strictness, "how many rates and block sizes, and how long, the checks run")
        ->transform(wholeNumber(MIN_STRICTNESS, MAX_STRICTNESS))
        ->capture_default_str();
    app.add_option("--json", options_.json, "also write the results to FILE as JSON")
        ->type_name("FILE")
        ->check(inExistingDirectory());
    app.add_flag("--audio-only", options_.audioOnly, "skip the checks of the plug-ins' panels");
}

int ValidateCommand::run(std::ostream& out, std::ostream& err) {
    const Validator validator(options_);
    printHeader(options_, validator.checkCount(), out);
    const std::vector<CheckResult> results = validator.run([&](const CheckResult& result) { printRow(result, out); });
    printSummary(results, out);
    const bool written = !options_.json || writeJsonFile(options_, results, err);
    return failedCount(results) == 0 && written ? EXIT_OK : EXIT_FAILED;
}

}  // namespace zuhost
