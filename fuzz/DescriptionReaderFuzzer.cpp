// The host's library file readers on arbitrary files: finding the
// description embedded in an ELF or PE library file and parsing it, and
// reading the names the file exports. A file of neither format is taken as
// the description text itself, so that the parser is fuzzed directly as
// well. The only failure allowed is a DescriptionError.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "host/description/BinaryFormat.h"
#include "host/description/DescriptionParser.h"
#include "host/description/EmbeddedDescription.h"
#include "host/validate/ExportTable.h"

namespace {

std::string descriptionText(std::span<const uint8_t> file) {
    if (zuhost::detectBinaryFormat(file) == zuhost::BinaryFormat::Unknown) return {file.begin(), file.end()};
    return zuhost::readEmbeddedDescription(file, "input");
}

void readExports(std::span<const uint8_t> file) {
    if (zuhost::detectBinaryFormat(file) == zuhost::BinaryFormat::Unknown) return;
    try {
        zuhost::exportedNames(file, "input");
    } catch (const zuhost::DescriptionError&) {}
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    readExports(std::span(data, size));
    try {
        zuhost::parseDescription(descriptionText(std::span(data, size)));
    } catch (const zuhost::DescriptionError&) {}
    return 0;
}
