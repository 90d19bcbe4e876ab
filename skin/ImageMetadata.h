// How a skin image is cut into frames and followed by the pointer, read from
// the image's metadata text (one "key value..." setting per line).
//
// Contract: every field has a default that holds when the text does not set
// it. Nothing in a text is an error: unknown keys, unknown values and lines
// with too few values are ignored, and later lines override earlier ones.
#pragma once

#include <cstdint>
#include <string_view>

#include "framework/ComRef.h"
#include "gui/GuiInterfaces.h"

namespace skin {

struct ImageMetadata {
    enum Mode : int32_t { slider = 0, animated = 1, button = 2, barGraph = 3 };
    // The mouse response (and, for sliders, the direction of travel).
    enum Orientation : int32_t { notGiven = -1, vertical = 0, horizontal = 1, click = 2, rotary = 3, stepped = 4 };

    int32_t mode = animated;
    gmpi_gui::MpSize frameSize{10, 10};
    float paddingLeft = 0;
    float paddingRight = 0;
    float paddingTop = 0;
    float paddingBottom = 0;
    float handleRangeEnd = 50;
    float handleRangeStart = 0;
    int32_t orientation = notGiven;
    float lineEndLength = 5;         // bar graph: the number of segments
    int32_t transparentPixelX = -1;  // negative: no key colour
    int32_t transparentPixelY = -1;
    gmpi_gui::MpRect handleRect{0, 0, 10, 10};
    gmpi_gui::MpSize imageSize{0, 0};  // set by the image cache from the loaded bitmap
};

// Resets record to the defaults and applies the text of file, releasing the
// reference it is handed once the text is read.
void parseImageMetadata(ImageMetadata& record, gmpi::ComRef<gmpi::IMpFile> file);

// Resets record to the defaults and applies text (the parser's core).
void applyImageMetadata(ImageMetadata& record, std::string_view text);

}  // namespace skin
