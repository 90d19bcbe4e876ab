#include "skin/FontMetadata.h"

#include <algorithm>

#include "skin/SkinText.h"

namespace skin {

namespace {

const std::string fallbackFamily = "Arial";

std::string lowerCase(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? char(c + 32) : c; });
    return lower;
}

char lowerFirstByte(const std::string& value) { return value.empty() ? '\0' : lowerCase(value.substr(0, 1))[0]; }

uint32_t weightFlag(const std::string& value) {
    const char first = lowerFirstByte(value);
    if (first == 'b') return FontMetadata::bold;
    if (first == 'l') return FontMetadata::light;
    const int32_t weight = decimalPrefix(value);
    if (weight == 0) return 0;
    if (weight < 301) return FontMetadata::light;
    return weight > 550 ? uint32_t(FontMetadata::bold) : 0u;
}

uint32_t alignmentFlag(const std::string& value) {
    switch (lowerFirstByte(value)) {
        case 'r': return FontMetadata::rightAligned;
        case 'c': return FontMetadata::centred;
        default: return 0;
    }
}

void applyStyleLine(FontMetadata& style, const std::vector<std::string>& tokens) {
    const std::string& key = tokens[0];
    const std::string& value = tokens[1];
    if (key == "font-family")
        style.fontFamilies.insert(style.fontFamilies.end(), tokens.begin() + 1, tokens.end());
    else if (key == "font-size")
        style.fontSize = decimalPrefix(value);
    else if (key == "font-color")
        style.color = parseColorWord(value);
    else if (key == "background-color")
        style.backgroundColor = parseColorWord(value);
    else if (key == "font-weight")
        style.flags |= weightFlag(value);
    else if (key == "text-align")
        style.flags |= alignmentFlag(value);
    else if (key == "text-decoration" && lowerFirstByte(value) == 'u')
        style.flags |= FontMetadata::underlined;
}

}  // namespace

int32_t FontMetadata::weight() const {
    switch (flags & (bold | light)) {
        case bold: return 700;
        case light: return 300;
        default: return 400;
    }
}

const std::string& FontMetadata::family() const {
    return fontFamilies.empty() || fontFamilies.front().empty() ? fallbackFamily : fontFamilies.front();
}

gmpi_gui::MpColor toColor(uint32_t argb) {
    const auto channel = [argb](int shift) { return static_cast<float>((argb >> shift) & 0xFF) / 255.0f; };
    return {channel(16), channel(8), channel(0), channel(24)};
}

uint32_t parseColorWord(std::string_view value) {
    const auto n = static_cast<uint32_t>(!value.empty() && value[0] == '#' ? hexadecimalPrefix(value.substr(1))
                                                                           : decimalPrefix(value));
    return ((n | 0xFFFFFF00u) << 16) | (n >> 16) | (n & 0xFF00u);
}

FontStyleSheet::FontStyleSheet() {
    fallbackStyle.category = "default";
    fallbackStyle.fontFamilies = {fallbackFamily};
}

void applyStyleSheet(FontStyleSheet& sheet, std::string_view text) {
    sheet.styles.clear();
    FontMetadata* current = nullptr;
    for (const std::string& line : splitLines(text)) {
        const std::vector<std::string> tokens = tokenizeLine(line);
        if (tokens.size() < 2) continue;
        if (tokens[0] == "FONT_CATEGORY") {
            sheet.styles.push_back(FontMetadata{});
            current = &sheet.styles.back();
            current->category = lowerCase(tokens[1]);
        } else if (current != nullptr) {
            applyStyleLine(*current, tokens);
        }
    }
}

void loadStyleSheet(FontStyleSheet& sheet, gmpi::ComRef<gmpi::IMpFile> file) {
    applyStyleSheet(sheet, file ? readSkinFile(*file) : std::string());
}

const FontMetadata& findStyle(const FontStyleSheet& sheet, std::string_view name) {
    const std::string lower = lowerCase(name);
    const auto found = std::find_if(sheet.styles.begin(), sheet.styles.end(),
                                    [&lower](const FontMetadata& style) { return style.category == lower; });
    return found != sheet.styles.end() ? *found : sheet.fallbackStyle;
}

}  // namespace skin
