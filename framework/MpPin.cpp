#include "framework/MpPin.h"

#include <algorithm>

#include "framework/MpPluginBase.h"

namespace gmpi {

namespace {
constexpr int32_t kInlineValueBytes = 8;
}

MpEventValue eventValue(const MpEvent& event) {
    const int32_t size = std::max(event.parm2, 0);
    if (event.extraData != nullptr) return {size, event.extraData};
    // parm3 and parm4 are adjacent in the record, so the inline value is read
    // as bytes of the record itself.
    const auto* record = reinterpret_cast<const uint8_t*>(&event);
    return {std::min(size, kInlineValueBytes), record + offsetof(MpEvent, parm3)};
}

void MpPinBase::setBuffer(float*) {}

void MpPinBase::preEvent(const MpEvent&) {}

void MpPinBase::onEvent(const MpEvent&) {
    if (handler_ != nullptr) (plugin_->*handler_)(*this);
}

void MpPinBase::postEvent(const MpEvent&) {}

MpPinHandler MpPinBase::getDefaultHandler() const { return nullptr; }

void MpPinBase::sendFirstUpdate() {}

void MpPinBase::bind(int32_t id, MpPluginBase& plugin, MpPinHandler handler) {
    id_ = id;
    plugin_ = &plugin;
    handler_ = handler;
}

}  // namespace gmpi
