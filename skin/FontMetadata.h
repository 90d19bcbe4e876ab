// Text styles of a skin: records named by category, read from the skin's
// style sheet ("FONT_CATEGORY name" starts a style; the lines after it set
// its font, size, colours and flags).
//
// Contract: a sheet always has a fallback style ("default": Arial, 12,
// opaque black on transparent) that loading never changes; a name without a
// style of its own finds it. Names are matched in lower case, and the first
// of two styles with one name wins. Nothing in a sheet is an error.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "framework/ComRef.h"
#include "gui/GuiInterfaces.h"

namespace skin {

struct FontMetadata {
    enum Flags : uint32_t { centred = 0x08, rightAligned = 0x10, underlined = 0x40, bold = 0x80, light = 0x100 };

    std::string category;  // the style's name, lower case
    std::vector<std::string> fontFamilies;
    int32_t fontSize = 12;
    uint32_t color = 0xFF000000;   // ARGB
    uint32_t backgroundColor = 0;  // ARGB
    uint32_t flags = 0;            // Flags; bits are only ever added

    // The text format's weight: 700 bold, 300 light, 400 for neither or both.
    int32_t weight() const;
    // The family a text format takes: the first one named, else (none, or an
    // empty name) the fallback's.
    const std::string& family() const;
};

// An ARGB word as the four floats red, green, blue, alpha of the host's colours.
gmpi_gui::MpColor toColor(uint32_t argb);

// A colour word of a style sheet: "#hex" or decimal, read as 0xBBGGRR, opaque.
uint32_t parseColorWord(std::string_view value);

struct FontStyleSheet {
    FontStyleSheet();

    std::vector<FontMetadata> styles;
    FontMetadata fallbackStyle;
};

// Empties the sheet's styles and reads them from file, releasing the
// reference it is handed once the text is read.
void loadStyleSheet(FontStyleSheet& sheet, gmpi::ComRef<gmpi::IMpFile> file);
void applyStyleSheet(FontStyleSheet& sheet, std::string_view text);

const FontMetadata& findStyle(const FontStyleSheet& sheet, std::string_view name);

}  // namespace skin
