#include "skin/Drawing.h"

#include <algorithm>
#include <limits>

namespace skin {

using gmpi::HostRef;

namespace {
int32_t byteLength(const std::string& text) {
    return static_cast<int32_t>(std::min<size_t>(text.size(), std::numeric_limits<int32_t>::max()));
}
}  // namespace

HostRef<gmpi_gui::IMpSolidColorBrush> createBrush(gmpi_gui::IMpDrawingContext& context, const gmpi_gui::MpColor& color) {
    HostRef<gmpi_gui::IMpSolidColorBrush> brush;
    if (context.createSolidColorBrush(&color, brush.put()) != gmpi::MP_OK) brush.reset();
    return brush;
}

gmpi_gui::MpSize textExtent(gmpi_gui::IMpTextFormat* format, const std::string& text) {
    gmpi_gui::MpSize extent{0, 0};
    if (format != nullptr) format->getTextExtent(text.c_str(), byteLength(text), &extent);
    return extent;
}

void drawPath(gmpi_gui::IMpDrawingContext& context, const std::vector<gmpi_gui::MpPoint>& points, bool closed,
              gmpi_gui::IMpSolidColorBrush* brush, float width) {
    HostRef<gmpi_gui::IMpDrawingFactory> factory;
    HostRef<gmpi_gui::IMpPathGeometry> geometry;
    HostRef<gmpi_gui::IMpGeometrySink> sink;
    if (points.empty() || context.getFactory(factory.put()) != gmpi::MP_OK || !factory ||
        factory->createPathGeometry(geometry.put()) != gmpi::MP_OK || !geometry ||
        geometry->open(sink.put()) != gmpi::MP_OK || !sink)
        return;
    sink->beginFigure(points.front(), gmpi_gui::MP_FIGURE_BEGIN_HOLLOW);
    for (size_t i = 1; i < points.size(); ++i) sink->addLine(points[i]);
    sink->endFigure(closed ? gmpi_gui::MP_FIGURE_END_CLOSED : gmpi_gui::MP_FIGURE_END_OPEN);
    sink->close();
    context.drawGeometry(geometry.get(), brush, width, nullptr);
}

void drawText(gmpi_gui::IMpDrawingContext& context, const std::string& text, gmpi_gui::IMpTextFormat* format,
              const gmpi_gui::MpRect& layout, gmpi_gui::IMpSolidColorBrush* brush) {
    if (format != nullptr) context.drawText(text.c_str(), byteLength(text), format, &layout, brush, 0);
}

}  // namespace skin
