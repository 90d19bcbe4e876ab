// What every check of the validator shares: the options of the run, the
// library's description, the plug-in a check is about, and the way a check
// fails.
//
// Contract: a check body runs in a child process of its own (ChildProcess.h),
// loads the library itself and returns a Verdict; it fails either by
// returning a failing Verdict or by throwing CheckFailure (or any exception)
// with a message that says what was expected and what happened.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "host/description/PluginDescription.h"
#include "host/validate/ChildProcess.h"

namespace zuhost {

struct ValidationOptions {
    std::filesystem::path library;
    std::optional<std::string> plugin;  // only this plug-in's checks
    uint64_t seed = 1;
    int strictness = 5;                          // 1..10: how much of the sweep runs
    std::optional<std::filesystem::path> json;   // where to write the results as JSON
    bool audioOnly = false;                      // skip the panel (kind 2) checks
    std::vector<std::string> only;               // run only checks whose title matches one of these
    std::vector<std::string> skip;               // leave out checks whose title matches one of these
    std::optional<double> timeoutSeconds;        // per check; otherwise it grows with strictness
    std::optional<std::filesystem::path> junit;  // where to write the results as JUnit XML
    bool list = false;                           // name the checks instead of running them
};

struct CheckContext {
    const ValidationOptions& options;
    const LibraryDescription& description;      // empty when the library carries none
    const PluginDescription* plugin = nullptr;  // the plug-in a per-plug-in check is about
};

using CheckBody = Verdict (*)(const CheckContext& context);

class CheckFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

[[noreturn]] inline void fail(const std::string& message) { throw CheckFailure(message); }

inline Verdict passed(std::string note = {}) { return {true, std::move(note)}; }

// Runs `body`; when it fails, the failure's message is prefixed by `context`.
template <class Body>
void within(const std::string& context, Body&& body) {
    try {
        body();
    } catch (const CheckFailure& failure) {
        fail(context + ": " + failure.what());
    }
}

}  // namespace zuhost
