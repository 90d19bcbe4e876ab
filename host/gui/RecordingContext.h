// A drawing context that draws nothing and keeps every drawing call with its
// arguments, so a test can assert exact drawing sequences, and counts the
// objects it hands out, so it can assert that a render released them.
#pragma once

#include <vector>

#include "host/gui/DrawCall.h"
#include "host/gui/DrawingContextBase.h"

namespace zuhost::gui {

class RecordingContext final : public DrawingContextBase {
public:
    RecordingContext() = default;

    void fillRectangle(const gmpi_gui::MpRect* rect, gmpi_gui::IMpSolidColorBrush* brush) override;
    void drawLine(gmpi_gui::MpPoint from, gmpi_gui::MpPoint to, gmpi_gui::IMpSolidColorBrush* brush, float width,
                  gmpi::IMpUnknown* strokeStyle) override;
    void drawGeometry(gmpi_gui::IMpPathGeometry* geometry, gmpi_gui::IMpSolidColorBrush* brush, float width,
                      gmpi::IMpUnknown* strokeStyle) override;
    void drawText(const char* text, int32_t length, gmpi_gui::IMpTextFormat* format, const gmpi_gui::MpRect* layout,
                  gmpi_gui::IMpSolidColorBrush* brush, int32_t options) override;
    void drawBitmap(gmpi_gui::IMpBitmap* bitmap, const gmpi_gui::MpRect* destination, float opacity,
                    int32_t interpolation, const gmpi_gui::MpRect* source) override;

    const std::vector<DrawCall>& calls() const { return calls_; }
    void clear() { calls_.clear(); }

private:
    DrawCall& record(DrawCall::Kind kind, gmpi_gui::IMpSolidColorBrush* brush);

    std::vector<DrawCall> calls_;
};

}  // namespace zuhost::gui
