// How the results of a validation run are shown: a table row per check as it
// finishes, a closing "N passed, M failed" line, and the same as JSON.
#pragma once

#include <filesystem>
#include <ostream>
#include <vector>

#include "host/validate/Check.h"
#include "host/validate/Validator.h"

namespace zuhost {

void printHeader(const ValidationOptions& options, size_t checkCount, std::ostream& out);
void printRow(const CheckResult& result, std::ostream& out);
void printSummary(const std::vector<CheckResult>& results, std::ostream& out);
void writeJson(const ValidationOptions& options, const std::vector<CheckResult>& results, std::ostream& out);
// One test suite per run, one test case per check, classed by plug-in, as CI systems read it.
void writeJunit(const ValidationOptions& options, const std::vector<CheckResult>& results, std::ostream& out);

size_t failedCount(const std::vector<CheckResult>& results);

}  // namespace zuhost
