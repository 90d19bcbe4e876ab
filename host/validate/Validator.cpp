#include "host/validate/Validator.h"

#include <fnmatch.h>

#include <algorithm>
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

constexpr CheckEntry libraryChecks[] = {
    {"loads", checkLibraryLoads},
    {"exports only MP_GetFactory", checkOnlyFactoryExported},
    {"gives one factory", checkFactoryIsSingle},
    {"factory interfaces", checkFactoryInterfaces},
    {"SDK information", checkSdkInformation},
    {"description", checkDescription},
    {"refuses unknown plug-ins", checkUnknownPlugins},
};

constexpr CheckEntry pluginChecks[] = {
    {"creates a processor", checkCreatesProcessor},   {"registers the described pins", checkPinIndices},
    {"sends values as described", checkOutputValues}, {"processing sweep", checkProcessingSweep},
    {"keeps to its buffers", checkBuffers},           {"sleeps and wakes", checkSleep},
    {"real-time safety", checkRealTimeSafety},        {"determinism", checkDeterminism},
    {"reference counting", checkReferenceCounting},
};

constexpr CheckEntry panelChecks[] = {
    {"creates a panel", checkCreatesPanel},
    {"panel hosts", checkPanelHosts},
    {"panel takes the described pins", checkPanelPins},
    {"panel rendering", checkPanelRendering},
    {"panel gestures", checkPanelGestures},
    {"panel random pin values", checkPanelRandomPins},
    {"panel reference counts", checkPanelReferences},
};

// The description read here only names the checks; when it cannot be read,
// the "description" check says why.
LibraryDescription readDescription(const std::filesystem::path& library) {
    try {
        return loadDescription(library);
    } catch (const std::exception&) {
        return {};
    }
}

std::string titleOf(const std::string& name, const std::string& pluginId) {
    return (pluginId.empty() ? "library" : pluginId) + ": " + name;
}

std::string titleOf(const std::string& name, const PluginDescription* plugin) {
    return titleOf(name, plugin == nullptr ? std::string() : plugin->id);
}

// A pattern with wildcards matches the whole title; one without matches any part of it.
bool matches(const std::string& title, const std::string& pattern) {
    if (pattern.find_first_of("*?[") != std::string::npos) return fnmatch(pattern.c_str(), title.c_str(), 0) == 0;
    return title.find(pattern) != std::string::npos;
}

bool matchesAny(const std::string& title, const std::vector<std::string>& patterns) {
    return std::any_of(patterns.begin(), patterns.end(), [&](const std::string& p) { return matches(title, p); });
}

}  // namespace

std::string CheckResult::title() const { return titleOf(name, plugin); }

std::vector<std::string> Validator::checkTitles() const {
    std::vector<std::string> titles;
    for (const NamedCheck& check : checks_) titles.push_back(titleOf(check.name, check.plugin));
    return titles;
}

Validator::Validator(ValidationOptions options)
    : options_(std::move(options)), description_(readDescription(options_.library)) {
    if (options_.plugin && !description_.findPlugin(*options_.plugin))
        throw std::invalid_argument("the library describes no plug-in \"" + *options_.plugin + "\"");
    addLibraryChecks();
    for (const PluginDescription& plugin : description_.plugins)
        if (!options_.plugin || plugin.id == *options_.plugin) addPluginChecks(plugin);
}

void Validator::addIfChosen(const char* name, const PluginDescription* plugin, CheckBody body) {
    const std::string title = titleOf(name, plugin);
    if (!options_.only.empty() && !matchesAny(title, options_.only)) return;
    if (matchesAny(title, options_.skip)) return;
    checks_.push_back({name, plugin, body});
}

void Validator::addLibraryChecks() {
    for (const CheckEntry& entry : libraryChecks) addIfChosen(entry.name, nullptr, entry.body);
}

void Validator::addPluginChecks(const PluginDescription& plugin) {
    for (const CheckEntry& entry : pluginChecks) addIfChosen(entry.name, &plugin, entry.body);
    if (options_.audioOnly) return;
    for (const CheckEntry& entry : panelChecks) addIfChosen(entry.name, &plugin, entry.body);
}

std::vector<CheckResult> Validator::run(const std::function<void(const CheckResult&)>& onResult) const {
    std::vector<CheckResult> results;
    const auto timeout = options_.timeoutSeconds
                             ? std::chrono::milliseconds(static_cast<int64_t>(*options_.timeoutSeconds * 1000.0))
                             : checkTimeout(options_.strictness);
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
