#include "host/validate/ValidateCommand.h"

#include <charconv>
#include <fstream>
#include <optional>
#include <string>

#include "host/description/PluginLibrary.h"
#include "host/validate/Check.h"
#include "host/validate/Strictness.h"
#include "host/validate/ValidationReport.h"
#include "host/validate/Validator.h"
#include "host/zuhost/Command.h"

namespace zuhost {

namespace {

constexpr const char* USAGE =
    "usage: zuhost validate [LIBRARY] [--plugin ID] [--seed N] [--strictness 1..10] [--json FILE] [--audio-only]\n";

template <class Number>
std::optional<Number> parseNumber(std::string_view text) {
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// Fills one option that takes a value; false on a missing or bad value.
bool takeValue(std::string_view name, std::string_view value, ValidationOptions& options) {
    if (name == "--plugin") {
        options.plugin = std::string(value);
        return true;
    }
    if (name == "--json") {
        options.json = std::filesystem::path(value);
        return true;
    }
    if (name == "--seed") {
        const auto seed = parseNumber<uint64_t>(value);
        if (seed) options.seed = *seed;
        return seed.has_value();
    }
    if (name == "--strictness") {
        const auto level = parseNumber<int>(value);
        if (level && *level >= MIN_STRICTNESS && *level <= MAX_STRICTNESS) options.strictness = *level;
        return level && *level >= MIN_STRICTNESS && *level <= MAX_STRICTNESS;
    }
    return false;
}

std::optional<ValidationOptions> parseOptions(std::span<const std::string_view> args, std::ostream& err) {
    ValidationOptions options;
    bool libraryGiven = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--audio-only") {
            options.audioOnly = true;
        } else if (arg == "--plugin" || arg == "--seed" || arg == "--strictness" || arg == "--json") {
            if (i + 1 >= args.size() || !takeValue(arg, args[i + 1], options)) {
                err << "zuhost validate: " << arg << " needs a valid value\n" << USAGE;
                return std::nullopt;
            }
            ++i;
        } else if (arg.starts_with("-") || libraryGiven) {
            err << "zuhost validate: unexpected argument '" << arg << "'\n" << USAGE;
            return std::nullopt;
        } else {
            options.library = std::filesystem::path(arg);
            libraryGiven = true;
        }
    }
    if (!libraryGiven) options.library = libraryBesideExecutable();
    return options;
}

bool writeJsonFile(const ValidationOptions& options, const std::vector<CheckResult>& results, std::ostream& err) {
    std::ofstream file(*options.json);
    if (file) writeJson(options, results, file);
    if (file) return true;
    err << "zuhost validate: cannot write " << options.json->string() << '\n';
    return false;
}

}  // namespace

int runValidateCommand(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
    try {
        const auto options = parseOptions(args, err);
        if (!options) return EXIT_USAGE;
        const Validator validator(*options);
        printHeader(*options, validator.checkCount(), out);
        const std::vector<CheckResult> results = validator.run([&](const CheckResult& result) { printRow(result, out); });
        printSummary(results, out);
        const bool written = !options->json || writeJsonFile(*options, results, err);
        return failedCount(results) == 0 && written ? EXIT_OK : EXIT_FAILED;
    } catch (const std::exception& error) {
        err << "zuhost validate: " << error.what() << '\n';
        return EXIT_FAILED;
    }
}

}  // namespace zuhost
