// The host's description reader on arbitrary files: finding the description
// embedded in an ELF or PE library file and parsing it. A file of neither
// format is taken as the description text itself, so that the parser is
// fuzzed directly as well. The only failure allowed is a DescriptionError.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "host/description/BinaryFormat.h"
#include "host/description/DescriptionParser.h"
#include "host/description/EmbeddedDescription.h"

namespace {

std::string descriptionText(std::span<const uint8_t> file) {
    if (zuhost::detectBinaryFormat(file) == zuhost::BinaryFormat::Unknown) return {file.begin(), file.end()};
    return zuhost::readEmbeddedDescription(file, "input");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        zuhost::parseDescription(descriptionText(std::span(data, size)));
    } catch (const zuhost::DescriptionError&) {
    }
    return 0;
}
