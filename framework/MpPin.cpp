#include "framework/MpPin.h"

#include "framework/MpPluginBase.h"

namespace gmpi {

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
