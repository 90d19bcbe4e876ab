#include "host/validate/Validator.h"

#include <stdexcept>

#include "host/description/EmbeddedDescription.h"
#include "host/validate/ChildProcess.h"
#include "host/validate/Checks.h"
#include "host/validate/Strictness.h"

namespace zuhost {

namespace {

struct CheckEntry {
    const char* name;
    CheckBody body;
};

constexpr CheckEntry LIBRARY_CHECKS[] = {
    {"loads", checkLibraryLoads},
    {"exports only MP_GetFactory", checkOnlyFactoryExported},
    {"gives one factory", checkFactoryIsSingle},
    {"factory interfaces", checkFactoryInterfaces},
    {"SDK information", checkSdkInformation},
    {"description", checkDescription},
    {"refuses unknown plug-ins", checkUnknownPlugins},
};

constexpr CheckEntry PLUGIN_CHECKS[] = {
    {"creates a processor", checkCreatesProcessor},
    {"registers the described pins", checkPinIndices},
    {"sends values as described", checkOutputValues},
    {"processing sweep", checkProcessingSweep},
    {"sleeps and wakes", checkSleep},
    {"real-time safety", checkRealTimeSafety},
    {"determinism", checkDeterminism},
    {"reference counting", checkReferenceCounting},
};

constexpr CheckEntry PANEL_CHECK = {"creates a panel", checkCreatesPanel};

// The description read here only names the checks; when it cannot be read,
// the "description" check says why.
LibraryDescription readDescription(const std::filesystem::path& library) {
    try {
        return loadDescription(library);
    } catch (const std::exception&) {
        return {};
    }
}

}  // namespace

std::string CheckResult::title() const { return (plugin.empty() ? "library" : plugin) + ": " + name; }

Validator::Validator(ValidationOptions options) : options_(std::move(options)), description_(readDescription(options_.library)) {
    if (options_.plugin && !description_.findPlugin(*options_.plugin))
        throw std::invalid_argument("the library describes no plug-in \"" + *options_.plugin + "\"");
    addLibraryChecks();
    for (const PluginDescription& plugin : description_.plugins)
        if (!options_.plugin || plugin.id == *options_.plugin) addPluginChecks(plugin);
}

void Validator::addLibraryChecks() {
    for (const CheckEntry& entry : LIBRARY_CHECKS) checks_.push_back({entry.name, nullptr, entry.body});
}

void Validator::addPluginChecks(const PluginDescription& plugin) {
    checks_.push_back({PLUGIN_CHECKS[0].name, &plugin, PLUGIN_CHECKS[0].body});
    if (!options_.audioOnly) checks_.push_back({PANEL_CHECK.name, &plugin, PANEL_CHECK.body});
    for (size_t i = 1; i < std::size(PLUGIN_CHECKS); ++i)
        checks_.push_back({PLUGIN_CHECKS[i].name, &plugin, PLUGIN_CHECKS[i].body});
}

std::vector<CheckResult> Validator::run(const std::function<void(const CheckResult&)>& onResult) const {
    std::vector<CheckResult> results;
    const auto timeout = checkTimeout(options_.strictness);
    for (const NamedCheck& check : checks_) {
        const CheckContext context{options_, description_, check.plugin};
        const ChildResult child = runInChild([&] { return check.body(context); }, timeout);
        CheckResult& result = results.emplace_back();
        result.name = check.name;
        result.plugin = check.plugin ? check.plugin->id : "";
        result.passed = child.verdict.passed;
        result.message = child.verdict.message;
        result.seconds = child.seconds;
        if (onResult) onResult(result);
    }
    return results;
}

}  // namespace zuhost
