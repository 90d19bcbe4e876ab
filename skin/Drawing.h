// Small drawing steps that widgets and panels share, each creating and
// releasing the host objects it needs.
#pragma once

#include <string>
#include <vector>

#include "framework/ComRef.h"
#include "gui/GuiInterfaces.h"

namespace skin {

// A brush of the given colour, or an empty reference when the context makes none.
gmpi::ComRef<gmpi_gui::IMpSolidColorBrush> createBrush(gmpi_gui::IMpDrawingContext& context,
                                                       const gmpi_gui::MpColor& color);

// The extent of UTF-8 text in format; 0 by 0 without a format.
gmpi_gui::MpSize textExtent(gmpi_gui::IMpTextFormat* format, const std::string& text);

// One hollow figure built point by point and stroked, without storing the
// points: the first point added begins the figure, each later one adds a line.
// Finishing ends the figure and closes the path, so the brush can be set
// between building and stroking.
class PathBuilder {
public:
    explicit PathBuilder(gmpi_gui::IMpDrawingContext& context);
    void addPoint(gmpi_gui::MpPoint point);  // ignored once finished
    void finish(bool closed);                // nothing to finish without a point
    // Strokes the finished path; nothing is drawn without a point or before finishing.
    void stroke(gmpi_gui::IMpSolidColorBrush* brush, float width);

private:
    gmpi_gui::IMpDrawingContext& context_;
    gmpi::ComRef<gmpi_gui::IMpDrawingFactory> factory_;
    gmpi::ComRef<gmpi_gui::IMpPathGeometry> geometry_;
    gmpi::ComRef<gmpi_gui::IMpGeometrySink> sink_;
    bool begun_ = false;
    bool finished_ = false;
};

// Strokes one hollow figure through points, open or closed.
void drawPath(gmpi_gui::IMpDrawingContext& context, const std::vector<gmpi_gui::MpPoint>& points, bool closed,
              gmpi_gui::IMpSolidColorBrush* brush, float width);

// Draws UTF-8 text in layout.
void drawText(gmpi_gui::IMpDrawingContext& context, const std::string& text, gmpi_gui::IMpTextFormat* format,
              const gmpi_gui::MpRect& layout, gmpi_gui::IMpSolidColorBrush* brush);

}  // namespace skin
