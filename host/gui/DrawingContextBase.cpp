#include "host/gui/DrawingContextBase.h"

namespace zuhost::gui {

int32_t DrawingContextBase::queryInterface(const gmpi::MpGuid& iid, void** out) {
    return gmpi::answerQuery(iid, out, {{gmpi_gui::MP_IID_DRAWING_CONTEXT, this}, {gmpi::MP_IID_UNKNOWN, this}});
}

int32_t DrawingContextBase::getFactory(void** factory) {
    if (factory == nullptr) return gmpi::MP_FAIL;
    *factory = (new HostDrawingFactory(tally_))->handOut();
    return gmpi::MP_OK;
}

int32_t DrawingContextBase::createSolidColorBrush(const gmpi_gui::MpColor* color, void** brush) {
    if (brush == nullptr) return gmpi::MP_FAIL;
    *brush = nullptr;
    if (color == nullptr) return gmpi::MP_FAIL;
    *brush = (new HostBrush(tally_, *color))->handOut();
    return gmpi::MP_OK;
}

int32_t DrawingContextBase::reserved5() {
    ++misuses_;
    return gmpi::MP_FAIL;
}

template <class T>
const T* DrawingContextBase::recognise(const void* handle) {
    const T* object = findHostObject<T>(handle);
    if (object == nullptr) ++misuses_;
    return object;
}

std::optional<gmpi_gui::MpColor> DrawingContextBase::brushColor(gmpi_gui::IMpSolidColorBrush* brush) {
    const HostBrush* known = recognise<HostBrush>(brush);
    return known != nullptr ? std::optional(known->color()) : std::nullopt;
}

const HostPathGeometry* DrawingContextBase::findGeometry(gmpi_gui::IMpPathGeometry* geometry) {
    return recognise<HostPathGeometry>(geometry);
}

const HostTextFormat* DrawingContextBase::findTextFormat(gmpi_gui::IMpTextFormat* format) {
    return recognise<HostTextFormat>(format);
}

const HostBitmap* DrawingContextBase::findBitmap(gmpi_gui::IMpBitmap* bitmap) { return recognise<HostBitmap>(bitmap); }

const gmpi_gui::MpRect* DrawingContextBase::checkRect(const gmpi_gui::MpRect* rect) {
    if (rect == nullptr) ++misuses_;
    return rect;
}

gmpi_gui::MpRect DrawingContextBase::rectOrWhole(const gmpi_gui::MpRect* rect, const HostBitmap* bitmap) {
    if (rect != nullptr) return *rect;
    if (bitmap == nullptr) return {0, 0, 0, 0};
    return {0, 0, static_cast<float>(bitmap->image().width), static_cast<float>(bitmap->image().height)};
}

}  // namespace zuhost::gui
