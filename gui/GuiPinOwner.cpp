#include "gui/GuiPinOwner.h"

namespace gmpi {

void MpGuiPinBase::notifyIfDefault(int32_t pinId) {
    if (owner_ != nullptr && holdsDefault()) owner_->invokePinHandler(pinId, 0);
}

void MpGuiPinBase::sendValue(int32_t size, const void* data) {
    if (owner_ != nullptr) owner_->sendPinUpdate(pinId_, size, data, 0);
}

int32_t GuiPinOwner::sendPinUpdate(int32_t pinId, int32_t size, const void* data, int32_t voice) {
    return host_ ? host_->pinTransmit(pinId, size, data, voice) : MP_FAIL;
}

int32_t GuiPinOwner::invokePinHandler(int32_t pinId, int32_t voice) {
    MpGuiPinBase* pin = findPin(pinId);
    if (pin == nullptr) return MP_FAIL;
    pin->invokeCallback(voice);
    return MP_OK;
}

MpGuiPinBase* GuiPinOwner::findPin(int32_t pinId) const {
    const auto found = pins_.find(pinId);
    return found == pins_.end() ? nullptr : found->second;
}

void GuiPinOwner::bindPin(int32_t pinId, MpGuiPinBase& pin, std::unique_ptr<IGuiPinCallbackImpl> callback) {
    if (!pins_.emplace(pinId, &pin).second) return;
    pin.pinId_ = pinId;
    pin.owner_ = this;
    pin.callback_ = std::move(callback);
}

}  // namespace gmpi
