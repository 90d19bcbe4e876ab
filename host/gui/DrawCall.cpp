#include "host/gui/DrawCall.h"

#include <sstream>

namespace zuhost::gui {

namespace {

std::ostream& operator<<(std::ostream& out, const gmpi_gui::MpRect& r) {
    return out << '(' << r.left << ',' << r.top << ")-(" << r.right << ',' << r.bottom << ')';
}

std::ostream& operator<<(std::ostream& out, const gmpi_gui::MpPoint& p) {
    return out << '(' << p.x << ',' << p.y << ')';
}

std::ostream& operator<<(std::ostream& out, const std::optional<gmpi_gui::MpColor>& color) {
    if (!color) return out << "no-brush";
    return out << "rgba(" << color->r << ',' << color->g << ',' << color->b << ',' << color->a << ')';
}

void describeFigures(std::ostream& out, const std::vector<Figure>& figures) {
    for (const Figure& figure : figures) {
        out << (figure.hollow ? " [hollow" : " [filled");
        for (const gmpi_gui::MpPoint& point : figure.points) out << ' ' << point;
        out << (figure.closed ? " closed]" : " open]");
    }
}

}  // namespace

std::string describe(const DrawCall& call) {
    std::ostringstream out;
    switch (call.kind) {
        case DrawCall::Kind::FillRectangle: out << "fillRectangle " << call.rect << ' ' << call.color; break;
        case DrawCall::Kind::DrawLine:
            out << "drawLine " << call.from << ' ' << call.to << " width " << call.strokeWidth << ' ' << call.color;
            break;
        case DrawCall::Kind::DrawGeometry:
            out << "drawGeometry width " << call.strokeWidth << ' ' << call.color;
            describeFigures(out, call.figures);
            break;
        case DrawCall::Kind::DrawText:
            out << "drawText \"" << call.text << "\" " << call.rect << ' ' << call.color;
            if (call.format) out << ' ' << call.format->family << ' ' << call.format->size;
            break;
        case DrawCall::Kind::DrawBitmap:
            out << "drawBitmap " << call.source << " -> " << call.rect << " opacity " << call.opacity;
            break;
    }
    return out.str();
}

}  // namespace zuhost::gui
