#include "gui/MpGuiBase2.h"

#include "framework/ComObject.h"

namespace gmpi {

int32_t MpGuiBase2::queryInterface(const MpGuid& iid, void** out) {
    return answerQuery(iid, out, {{MP_IID_GUI_PLUGIN2, this}, {MP_IID_UNKNOWN, this}});
}

int32_t MpGuiBase2::setHost(IMpUnknown* host) {
    auto guiHost = ComRef<IMpUserInterfaceHost2>::query(host, MP_IID_UI_HOST2);
    const int32_t result = guiHost ? MP_OK : MP_NOSUPPORT;
    replaceHost(std::move(guiHost));
    return result;
}

int32_t MpGuiBase2::initialize() {
    for (const auto& [pinId, pin] : pins()) pin->notifyIfDefault(pinId);
    return MP_OK;
}

int32_t MpGuiBase2::setPin(int32_t pinId, int32_t voice, int32_t size, const void* data) {
    MpGuiPinBase* pin = findPin(pinId);
    if (pin == nullptr) return MP_FAIL;
    if (pin->setValueRaw(voice, size, data)) pin->invokeCallback(voice);
    return MP_OK;
}

}  // namespace gmpi
