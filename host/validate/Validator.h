// Names the checks for a library and its plug-ins and runs each in a child
// process of its own.
//
// Contract: the library's description is read from the file in this process
// without loading the library; only children load it. The library checks
// come first, then each described plug-in's checks in description order
// (only the chosen plug-in's with ValidationOptions::plugin; no panel check
// with audioOnly), less those that --only and --skip leave out. A check that crashes, hangs or throws fails alone; the
// run goes on with the next.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "host/description/PluginDescription.h"
#include "host/validate/Check.h"

namespace zuhost {

struct CheckResult {
    std::string name;    // what the check pins down
    std::string plugin;  // the plug-in's id, empty for a library check
    bool passed = false;
    std::string message;
    double seconds = 0.0;

    std::string title() const;  // "ZU Slider: processing sweep", or "library: loads"
};

class Validator {
public:
    // Throws std::invalid_argument when options.plugin names no described plug-in.
    explicit Validator(ValidationOptions options);
    Validator(const Validator&) = delete;  // checks point into the description
    Validator& operator=(const Validator&) = delete;

    std::vector<CheckResult> run(const std::function<void(const CheckResult&)>& onResult) const;

    const LibraryDescription& description() const { return description_; }
    size_t checkCount() const { return checks_.size(); }
    // The titles of the checks a run would make, in order.
    std::vector<std::string> checkTitles() const;

private:
    struct NamedCheck {
        std::string name;
        const PluginDescription* plugin;
        CheckBody body;
    };

    void addLibraryChecks();
    void addPluginChecks(const PluginDescription& plugin);
    void addIfChosen(const char* name, const PluginDescription* plugin, CheckBody body);

    ValidationOptions options_;
    LibraryDescription description_;
    std::vector<NamedCheck> checks_;
};

}  // namespace zuhost
