#include "skin/SkinText.h"

#include <algorithm>
#include <limits>

namespace skin {

namespace {

// Skin texts are a few kilobytes; a size past this is a damaged or hostile file.
constexpr int64_t largestSkinText = 16 << 20;

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }
bool isQuote(char c) { return c == '\'' || c == '"'; }

int digitValue(char c, int base) {
    int value = base;
    if (c >= '0' && c <= '9')
        value = c - '0';
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    return value < base ? value : -1;
}

int32_t integerPrefix(std::string_view text, int base) {
    size_t i = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) i = 1;
    const int64_t limit =
        negative ? -int64_t(std::numeric_limits<int32_t>::min()) : std::numeric_limits<int32_t>::max();
    int64_t magnitude = 0;
    for (int digit; i < text.size() && (digit = digitValue(text[i], base)) >= 0; ++i)
        magnitude = std::min(magnitude * base + digit, limit);
    return static_cast<int32_t>(negative ? -magnitude : magnitude);
}

}  // namespace

std::string readSkinFile(gmpi::IMpFile& file) {
    int64_t size = 0;
    if (file.getFileSize(&size) != gmpi::MP_OK || size <= 0 || size > largestSkinText) return {};
    std::string bytes(static_cast<size_t>(size), '\0');
    file.readFile(bytes.data(), size, 0);
    return bytes;
}

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    for (size_t start = 0;;) {
        const size_t end = text.find('\n', start);
        std::string_view line =
            text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
        if (end != std::string_view::npos && !line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.emplace_back(line);
        if (end == std::string_view::npos) return lines;
        start = end + 1;
    }
}

std::vector<std::string> tokenizeLine(std::string_view line) {
    line = line.substr(0, line.find('\0'));
    std::vector<std::string> tokens;
    size_t i = 0;
    const size_t n = line.size();
    while (true) {
        while (i < n && isBlank(line[i])) ++i;
        if (i == n) return tokens;
        if (isQuote(line[i])) {
            const char quote = line[i++];
            const size_t close = std::min(line.find(quote, i), n);
            tokens.emplace_back(line.substr(i, close - i));
            i = std::min(close + 1, n);
            continue;
        }
        const size_t start = i++;
        while (i < n && !isBlank(line[i]) && !isQuote(line[i]) && line[i] != ',') ++i;
        tokens.emplace_back(line.substr(start, i - start));
        if (i < n && line[i] == ',') {
            ++i;
        } else if (i < n && line[i] == ' ') {
            while (i < n && line[i] == ' ') ++i;
            if (i < n && line[i] == ',') ++i;
        }
    }
}

int32_t decimalPrefix(std::string_view text) { return integerPrefix(text, 10); }
int32_t hexadecimalPrefix(std::string_view text) { return integerPrefix(text, 16); }

}  // namespace skin
