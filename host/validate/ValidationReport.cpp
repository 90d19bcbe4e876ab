#include "host/validate/ValidationReport.h"

#include <algorithm>
#include <cmath>
#include <iomanip>
#include <sstream>
#include <string>

#include "host/command/JsonOutput.h"

namespace zuhost {

namespace {

constexpr int titleWidth = 52;

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

std::string escapedXml(const std::string& text) {
    std::string escaped;
    for (const char c : text) {
        switch (c) {
            case '&': escaped += "&amp;"; break;
            case '<': escaped += "&lt;"; break;
            case '>': escaped += "&gt;"; break;
            case '"': escaped += "&quot;"; break;
            default:
                // Control characters other than tab and line ends are not allowed in XML 1.0.
                if (static_cast<unsigned char>(c) >= 0x20 || c == '\t' || c == '\n' || c == '\r') escaped += c;
        }
    }
    return escaped;
}

std::string fixedSeconds(double seconds) {
    std::ostringstream text;
    text << std::fixed << std::setprecision(3) << seconds;
    return text.str();
}

}  // namespace

size_t failedCount(const std::vector<CheckResult>& results) {
    return static_cast<size_t>(
        std::count_if(results.begin(), results.end(), [](const CheckResult& r) { return !r.passed; }));
}

void printHeader(const ValidationOptions& options, size_t checkCount, std::ostream& out) {
    out << "validating " << options.library.string() << ": " << checkCount << " checks, seed " << options.seed
        << ", strictness " << options.strictness << (options.audioOnly ? ", audio side only" : "") << '\n';
}

void printRow(const CheckResult& result, std::ostream& out) {
    std::ostringstream time;
    time << milliseconds(result.seconds) << " ms";
    out << (result.passed ? "PASS  " : "FAIL  ") << std::left << std::setw(titleWidth) << result.title() << ' '
        << std::right << std::setw(9) << time.str();
    if (!result.message.empty()) out << "  " << indented(result.message, 6 + titleWidth + 1 + 9 + 2);
    out << std::endl;
}

void printSummary(const std::vector<CheckResult>& results, std::ostream& out) {
    const size_t failed = failedCount(results);
    out << (results.size() - failed) << " passed, " << failed << " failed" << std::endl;
}

void writeJson(const ValidationOptions& options, const std::vector<CheckResult>& results, std::ostream& out) {
    Json checks = Json::array();
    for (const CheckResult& result : results) {
        checks.push_back({{"name", result.name},
                          {"plugin", result.plugin},
                          {"passed", result.passed},
                          {"milliseconds", milliseconds(result.seconds)},
                          {"message", result.message}});
    }
    const size_t failed = failedCount(results);
    printJson({{"library", options.library.string()},
               {"seed", options.seed},
               {"strictness", options.strictness},
               {"audioOnly", options.audioOnly},
               {"checks", std::move(checks)},
               {"passed", results.size() - failed},
               {"failed", failed}},
              out);
}

}  // namespace zuhost

namespace zuhost {

void writeJunit(const ValidationOptions& options, const std::vector<CheckResult>& results, std::ostream& out) {
    double total = 0;
    for (const CheckResult& result : results) total += result.seconds;
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<testsuite name=\"zuhost validate " << escapedXml(options.library.filename().string()) << "\" tests=\""
        << results.size() << "\" failures=\"" << failedCount(results) << "\" errors=\"0\" time=\""
        << fixedSeconds(total) << "\">\n";
    for (const CheckResult& result : results) {
        out << "  <testcase classname=\"" << escapedXml(result.plugin.empty() ? "library" : result.plugin)
            << "\" name=\"" << escapedXml(result.name) << "\" time=\"" << fixedSeconds(result.seconds) << "\"";
        if (result.passed) {
            out << "/>\n";
            continue;
        }
        out << ">\n    <failure message=\"" << escapedXml(result.message) << "\"/>\n  </testcase>\n";
    }
    out << "</testsuite>\n";
}

}  // namespace zuhost
