#include "skin/Widget.h"

namespace skin {

int32_t Widget::setHost(gmpi::IMpUnknown* host) {
    graphicsHost_ = gmpi::ComRef<gmpi_gui::IMpGraphicsHost>::query(host, gmpi_gui::MP_IID_GRAPHICS_HOST);
    guiHost_ = gmpi::ComRef<gmpi::IMpUserInterfaceHost2>::query(host, gmpi::MP_IID_UI_HOST2);
    return gmpi::MP_OK;
}

bool Widget::onPointerDown(uint32_t, gmpi_gui::MpPoint) { return false; }
void Widget::onPointerMove(uint32_t, gmpi_gui::MpPoint) {}
void Widget::onPointerUp(uint32_t, gmpi_gui::MpPoint) {}

bool Widget::hitTest(gmpi_gui::MpPoint point) const {
    return bounds_.left <= point.x && point.x < bounds_.right && bounds_.top <= point.y && point.y < bounds_.bottom;
}

}  // namespace skin
