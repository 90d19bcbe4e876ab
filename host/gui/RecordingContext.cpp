#include "host/gui/RecordingContext.h"

namespace zuhost::gui {

DrawCall& RecordingContext::record(DrawCall::Kind kind, gmpi_gui::IMpSolidColorBrush* brush) {
    DrawCall& call = calls_.emplace_back(DrawCall{kind});
    call.color = brushColor(brush);
    return call;
}

void RecordingContext::fillRectangle(const gmpi_gui::MpRect* rect, gmpi_gui::IMpSolidColorBrush* brush) {
    DrawCall& call = record(DrawCall::Kind::FillRectangle, brush);
    if (checkRect(rect)) call.rect = *rect;
}

void RecordingContext::drawLine(gmpi_gui::MpPoint from, gmpi_gui::MpPoint to, gmpi_gui::IMpSolidColorBrush* brush,
                                float width, gmpi::IMpUnknown*) {
    DrawCall& call = record(DrawCall::Kind::DrawLine, brush);
    call.from = from;
    call.to = to;
    call.strokeWidth = width;
}

void RecordingContext::drawGeometry(gmpi_gui::IMpPathGeometry* geometry, gmpi_gui::IMpSolidColorBrush* brush,
                                    float width, gmpi::IMpUnknown*) {
    DrawCall& call = record(DrawCall::Kind::DrawGeometry, brush);
    call.strokeWidth = width;
    if (const HostPathGeometry* known = findGeometry(geometry)) call.figures = known->figures();
}

void RecordingContext::drawText(const char* text, int32_t length, gmpi_gui::IMpTextFormat* format,
                                const gmpi_gui::MpRect* layout, gmpi_gui::IMpSolidColorBrush* brush, int32_t options) {
    DrawCall& call = record(DrawCall::Kind::DrawText, brush);
    call.text = textOfLength(text, length);
    call.options = options;
    if (const HostTextFormat* known = findTextFormat(format)) call.format = known->settings();
    if (checkRect(layout)) call.rect = *layout;
}

void RecordingContext::drawBitmap(gmpi_gui::IMpBitmap* bitmap, const gmpi_gui::MpRect* destination, float opacity,
                                  int32_t interpolation, const gmpi_gui::MpRect* source) {
    DrawCall& call = calls_.emplace_back(DrawCall{DrawCall::Kind::DrawBitmap});
    call.bitmap = bitmap;
    call.opacity = opacity;
    call.interpolation = interpolation;
    const HostBitmap* known = findBitmap(bitmap);
    if (known != nullptr)
        call.bitmapSize = {static_cast<float>(known->image().width), static_cast<float>(known->image().height)};
    call.rect = rectOrWhole(destination, known);
    call.source = rectOrWhole(source, known);
}

}  // namespace zuhost::gui
