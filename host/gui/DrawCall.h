// One drawing call as a RecordingContext keeps it: the kind and every
// argument, with objects resolved to what they held at the time of the call.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "host/gui/DrawingObjects.h"
#include "host/gui/TextMeasurer.h"

namespace zuhost::gui {

struct DrawCall {
    enum class Kind { FillRectangle, DrawLine, DrawGeometry, DrawText, DrawBitmap };

    Kind kind;
    std::optional<gmpi_gui::MpColor> color{};  // the brush's colour; none for a missing or unknown brush
    gmpi_gui::MpRect rect{};                   // fillRectangle's rectangle, drawText's layout, drawBitmap's destination
    gmpi_gui::MpPoint from{}, to{};            // drawLine
    float strokeWidth = 0;                     // drawLine, drawGeometry
    std::vector<Figure> figures{};             // drawGeometry
    std::string text{};                        // drawText, UTF-8
    std::optional<TextFormatSettings> format{};  // drawText; none for an unknown format
    int32_t options = 0;                         // drawText
    const void* bitmap = nullptr;                // drawBitmap: the pointer the panel passed
    gmpi_gui::MpSize bitmapSize{};               // drawBitmap; 0 by 0 for an unknown bitmap
    gmpi_gui::MpRect source{};                   // drawBitmap
    float opacity = 1;                           // drawBitmap
    int32_t interpolation = 0;                   // drawBitmap
};

// One line that names the call and its main arguments, for messages and logs.
std::string describe(const DrawCall& call);

}  // namespace zuhost::gui
