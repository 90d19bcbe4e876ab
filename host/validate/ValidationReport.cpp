#include "host/validate/ValidationReport.h"

#include <algorithm>
#include <cmath>
#include <iomanip>
#include <string>

#include "host/description/JsonWriter.h"

namespace zuhost {

namespace {

constexpr int TITLE_WIDTH = 52;

int64_t milliseconds(double seconds) { return std::llround(seconds * 1000.0); }

// Continuation lines of a message line up under its first line.
std::string indented(const std::string& message, size_t indent) {
    std::string text;
    for (const char c : message) {
        text += c;
        if (c == '\n') text.append(indent, ' ');
    }
    return text;
}

}  // namespace

size_t failedCount(const std::vector<CheckResult>& results) {
    return static_cast<size_t>(std::count_if(results.begin(), results.end(), [](const CheckResult& r) { return !r.passed; }));
}

void printHeader(const ValidationOptions& options, size_t checkCount, std::ostream& out) {
    out << "validating " << options.library.string() << ": " << checkCount << " checks, seed " << options.seed
        << ", strictness " << options.strictness << (options.audioOnly ? ", audio side only" : "") << '\n';
}

void printRow(const CheckResult& result, std::ostream& out) {
    std::ostringstream time;
    time << milliseconds(result.seconds) << " ms";
    out << (result.passed ? "PASS  " : "FAIL  ") << std::left << std::setw(TITLE_WIDTH) << result.title() << ' '
        << std::right << std::setw(9) << time.str();
    if (!result.message.empty()) out << "  " << indented(result.message, 6 + TITLE_WIDTH + 1 + 9 + 2);
    out << std::endl;
}

void printSummary(const std::vector<CheckResult>& results, std::ostream& out) {
    const size_t failed = failedCount(results);
    out << (results.size() - failed) << " passed, " << failed << " failed" << std::endl;
}

void writeJson(const ValidationOptions& options, const std::vector<CheckResult>& results, std::ostream& out) {
    JsonWriter json(out);
    json.beginObject();
    json.stringMember("library", options.library.string());
    json.numberMember("seed", static_cast<int64_t>(options.seed));
    json.numberMember("strictness", options.strictness);
    json.key("audioOnly");
    json.boolean(options.audioOnly);
    json.key("checks");
    json.beginArray();
    for (const CheckResult& result : results) {
        json.beginObject();
        json.stringMember("name", result.name);
        json.stringMember("plugin", result.plugin);
        json.key("passed");
        json.boolean(result.passed);
        json.numberMember("milliseconds", milliseconds(result.seconds));
        json.stringMember("message", result.message);
        json.endObject();
    }
    json.endArray();
    const size_t failed = failedCount(results);
    json.numberMember("passed", static_cast<int64_t>(results.size() - failed));
    json.numberMember("failed", static_cast<int64_t>(failed));
    json.endObject();
    out << '\n';
}

}  // namespace zuhost
