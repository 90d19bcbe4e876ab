#include "host/description/BinaryFormat.h"

#include <algorithm>
#include <array>
#include <fstream>

namespace zuhost {

namespace {

bool startsWith(std::span<const uint8_t> bytes, std::string_view magic) {
    return bytes.size() >= magic.size() && std::equal(magic.begin(), magic.end(), bytes.begin(),
                                                      [](char m, uint8_t b) { return static_cast<uint8_t>(m) == b; });
}

}  // namespace

BinaryFormat detectBinaryFormat(std::span<const uint8_t> head) {
    if (startsWith(head,
                   "\x7f"
                   "ELF"))
        return BinaryFormat::Elf;
    if (startsWith(head, "MZ")) return BinaryFormat::Pe;
    return BinaryFormat::Unknown;
}

BinaryFormat detectBinaryFormat(const std::filesystem::path& file) {
    std::array<uint8_t, 4> head{};
    std::ifstream stream(file, std::ios::binary);
    stream.read(reinterpret_cast<char*>(head.data()), head.size());
    return detectBinaryFormat(std::span(head.data(), static_cast<size_t>(stream.gcount())));
}

std::string_view formatName(BinaryFormat format) {
    switch (format) {
        case BinaryFormat::Elf: return "ELF shared library";
        case BinaryFormat::Pe: return "Windows DLL";
        case BinaryFormat::Unknown: break;
    }
    return "unknown format";
}

}  // namespace zuhost
