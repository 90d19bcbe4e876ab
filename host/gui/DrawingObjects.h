// The resources a drawing context hands out: solid colour brushes, the
// drawing factory, path geometries and the sinks that fill them. Contexts
// recognise them again, by findHostObject, when a panel draws with them.
//
// Contract: a sink writes into its geometry only until close(); a figure
// call out of order (addLine or endFigure without beginFigure, beginFigure
// inside an open figure) is ignored and counted in the geometry's misuse
// count. A figure left open at close() is ended as open.
#pragma once

#include <memory>
#include <vector>

#include "framework/ComRef.h"
#include "host/gui/HostObject.h"

namespace zuhost::gui {

class HostBrush final : public HostObject<gmpi_gui::IMpSolidColorBrush> {
public:
    HostBrush(std::shared_ptr<ObjectTally> tally, const gmpi_gui::MpColor& color);

    void setColor(const gmpi_gui::MpColor* color) override;  // null is ignored
    const gmpi_gui::MpColor& color() const { return color_; }

private:
    gmpi_gui::MpColor color_;
};

struct Figure {
    std::vector<gmpi_gui::MpPoint> points;  // the start point, then one per line
    bool hollow = false;
    bool closed = false;
};

class HostPathGeometry final : public HostObject<gmpi_gui::IMpPathGeometry> {
public:
    explicit HostPathGeometry(std::shared_ptr<ObjectTally> tally);

    int32_t open(void** sink) override;  // -1 once a sink was closed into it

    const std::vector<Figure>& figures() const { return figures_; }
    int32_t misuses() const { return misuses_; }

private:
    friend class HostGeometrySink;
    std::shared_ptr<ObjectTally> tally_;
    std::vector<Figure> figures_;
    int32_t misuses_ = 0;
    bool closed_ = false;
};

class HostGeometrySink final : public HostObject<gmpi_gui::IMpGeometrySink> {
public:
    HostGeometrySink(std::shared_ptr<ObjectTally> tally, HostPathGeometry* geometry);

    void beginFigure(gmpi_gui::MpPoint start, int32_t figureBegin) override;
    void addLine(gmpi_gui::MpPoint point) override;
    void endFigure(int32_t figureEnd) override;
    int32_t close() override;

private:
    bool writable() const { return !geometry_->closed_; }
    void misuse();

    gmpi::ComRef<HostPathGeometry> geometry_;
    bool figureOpen_ = false;
};

class HostDrawingFactory final : public HostObject<gmpi_gui::IMpDrawingFactory> {
public:
    explicit HostDrawingFactory(std::shared_ptr<ObjectTally> tally);

    int32_t createPathGeometry(void** geometry) override;

private:
    std::shared_ptr<ObjectTally> tally_;
};

}  // namespace zuhost::gui
