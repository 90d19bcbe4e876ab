#include "host/gui/DrawingObjects.h"

namespace zuhost::gui {

HostBrush::HostBrush(std::shared_ptr<ObjectTally> tally, const gmpi_gui::MpColor& color)
    : HostObject(std::move(tally), nullptr), color_(color) {}

void HostBrush::setColor(const gmpi_gui::MpColor* color) {
    if (color != nullptr) color_ = *color;
}

HostPathGeometry::HostPathGeometry(std::shared_ptr<ObjectTally> tally)
    : HostObject(tally, nullptr), tally_(std::move(tally)) {}

int32_t HostPathGeometry::open(void** sink) {
    if (sink == nullptr) return gmpi::MP_FAIL;
    *sink = nullptr;
    if (closed_) return gmpi::MP_FAIL;
    *sink = (new HostGeometrySink(tally_, this))->handOut();
    return gmpi::MP_OK;
}

HostGeometrySink::HostGeometrySink(std::shared_ptr<ObjectTally> tally, HostPathGeometry* geometry)
    : HostObject(std::move(tally), nullptr), geometry_(gmpi::ComRef<HostPathGeometry>::addRef(geometry)) {}

void HostGeometrySink::misuse() { ++geometry_->misuses_; }

void HostGeometrySink::beginFigure(gmpi_gui::MpPoint start, int32_t figureBegin) {
    if (!writable() || figureOpen_) return misuse();
    geometry_->figures_.push_back({{start}, figureBegin == gmpi_gui::MP_FIGURE_BEGIN_HOLLOW, false});
    figureOpen_ = true;
}

void HostGeometrySink::addLine(gmpi_gui::MpPoint point) {
    if (!writable() || !figureOpen_) return misuse();
    geometry_->figures_.back().points.push_back(point);
}

void HostGeometrySink::endFigure(int32_t figureEnd) {
    if (!writable() || !figureOpen_) return misuse();
    geometry_->figures_.back().closed = figureEnd == gmpi_gui::MP_FIGURE_END_CLOSED;
    figureOpen_ = false;
}

int32_t HostGeometrySink::close() {
    if (!writable()) {
        misuse();
        return gmpi::MP_FAIL;
    }
    figureOpen_ = false;
    geometry_->closed_ = true;
    return gmpi::MP_OK;
}

HostDrawingFactory::HostDrawingFactory(std::shared_ptr<ObjectTally> tally)
    : HostObject(tally, nullptr), tally_(std::move(tally)) {}

int32_t HostDrawingFactory::createPathGeometry(void** geometry) {
    if (geometry == nullptr) return gmpi::MP_FAIL;
    *geometry = (new HostPathGeometry(tally_))->handOut();
    return gmpi::MP_OK;
}

}  // namespace zuhost::gui
