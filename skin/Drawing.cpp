#include "skin/Drawing.h"

#include <algorithm>
#include <limits>

namespace skin {

using gmpi::ComRef;

namespace {
int32_t byteLength(const std::string& text) {
    return static_cast<int32_t>(std::min<size_t>(text.size(), std::numeric_limits<int32_t>::max()));
}
}  // namespace

ComRef<gmpi_gui::IMpSolidColorBrush> createBrush(gmpi_gui::IMpDrawingContext& context, const gmpi_gui::MpColor& color) {
    ComRef<gmpi_gui::IMpSolidColorBrush> brush;
    if (context.createSolidColorBrush(&color, brush.put()) != gmpi::MP_OK) brush.reset();
    return brush;
}

gmpi_gui::MpSize textExtent(gmpi_gui::IMpTextFormat* format, const std::string& text) {
    gmpi_gui::MpSize extent{0, 0};
    if (format != nullptr) format->getTextExtent(text.c_str(), byteLength(text), &extent);
    return extent;
}

PathBuilder::PathBuilder(gmpi_gui::IMpDrawingContext& context) : context_(context) {
    if (context.getFactory(factory_.put()) != gmpi::MP_OK || !factory_ ||
        factory_->createPathGeometry(geometry_.put()) != gmpi::MP_OK || !geometry_ ||
        geometry_->open(sink_.put()) != gmpi::MP_OK)
        sink_.reset();
}

void PathBuilder::addPoint(gmpi_gui::MpPoint point) {
    if (!sink_ || finished_) return;
    if (begun_) {
        sink_->addLine(point);
    } else {
        sink_->beginFigure(point, gmpi_gui::MP_FIGURE_BEGIN_HOLLOW);
        begun_ = true;
    }
}

void PathBuilder::finish(bool closed) {
    if (!sink_ || !begun_ || finished_) return;
    sink_->endFigure(closed ? gmpi_gui::MP_FIGURE_END_CLOSED : gmpi_gui::MP_FIGURE_END_OPEN);
    sink_->close();
    finished_ = true;
}

void PathBuilder::stroke(gmpi_gui::IMpSolidColorBrush* brush, float width) {
    if (finished_) context_.drawGeometry(geometry_.get(), brush, width, nullptr);
}

void drawPath(gmpi_gui::IMpDrawingContext& context, const std::vector<gmpi_gui::MpPoint>& points, bool closed,
              gmpi_gui::IMpSolidColorBrush* brush, float width) {
    PathBuilder path(context);
    for (const gmpi_gui::MpPoint& point : points) path.addPoint(point);
    path.finish(closed);
    path.stroke(brush, width);
}

void drawText(gmpi_gui::IMpDrawingContext& context, const std::string& text, gmpi_gui::IMpTextFormat* format,
              const gmpi_gui::MpRect& layout, gmpi_gui::IMpSolidColorBrush* brush) {
    if (format != nullptr) context.drawText(text.c_str(), byteLength(text), format, &layout, brush, 0);
}

}  // namespace skin
