// The default skin's colours. Panels are dark, so every control is drawn to
// sit on `panel`: light metal for what the hand turns, dark metal for what it
// presses, and one green for what shows a value or a state, the green of the
// scope's traces.
#pragma once

#include <cstdint>

namespace zuhost::skin {

struct Rgb {
    double red, green, blue;
};

constexpr Rgb hexColour(uint32_t rrggbb) {
    return {((rrggbb >> 16) & 0xFF) / 255.0, ((rrggbb >> 8) & 0xFF) / 255.0, (rrggbb & 0xFF) / 255.0};
}

namespace palette {

inline constexpr Rgb panel = hexColour(0x1C2026);
inline constexpr Rgb well = hexColour(0x0D0F12);  // grooves, tracks, bezels
inline constexpr Rgb darkMetalTop = hexColour(0x4A525D);
inline constexpr Rgb darkMetalBottom = hexColour(0x2C323A);
inline constexpr Rgb lightMetalTop = hexColour(0xF2F4F6);
inline constexpr Rgb lightMetalBottom = hexColour(0x9BA3AD);
inline constexpr Rgb metalEdge = hexColour(0x50575F);
inline constexpr Rgb ink = hexColour(0x1E2228);        // marks on light metal
inline constexpr Rgb engraving = hexColour(0xC9CED5);  // marks on dark metal and panels
inline constexpr Rgb accent = hexColour(0x46D37A);
inline constexpr Rgb accentGlow = hexColour(0xC4FFD8);
inline constexpr Rgb accentUnlit = hexColour(0x21402D);
inline constexpr Rgb warning = hexColour(0xF2B33D);
inline constexpr Rgb warningUnlit = hexColour(0x45371C);
inline constexpr Rgb danger = hexColour(0xF2545B);
inline constexpr Rgb dangerUnlit = hexColour(0x4A2224);
inline constexpr Rgb text = hexColour(0xE6E8EB);
inline constexpr Rgb textDim = hexColour(0x9AA3AD);
inline constexpr Rgb editText = hexColour(0x000032);  // the edit box draws its own dark text on white
inline constexpr Rgb white = hexColour(0xFFFFFF);
// Pixels of this colour in a keyed image are the ones made transparent.
inline constexpr Rgb key = hexColour(0xFF00FF);

}  // namespace palette

}  // namespace zuhost::skin
