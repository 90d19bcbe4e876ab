#include "gui/MpGuiBase.h"

#include "framework/ComObject.h"

namespace gmpi {

int32_t MpGuiBase_base::queryInterface(const MpGuid& iid, void** out) {
    return answerQuery(iid, out, {{MP_IID_GUI_PLUGIN, this}, {MP_IID_UNKNOWN, this}});
}

int32_t MpGuiBase_base::setPin(int32_t pinId, int32_t voice, int32_t size, const void* data) {
    MpGuiPinBase* pin = findPin(pinId);
    if (pin == nullptr) return MP_FAIL;
    pin->setValueRaw(voice, size, data);
    return MP_OK;
}

int32_t MpGuiBase_base::notifyPin(int32_t pinId, int32_t voice) { return invokePinHandler(pinId, voice); }

int32_t MpGuiBase_base::setHost(IMpUnknown* host) {
    replaceHost(requireHostInterface<IMpUserInterfaceHost>(host, MP_IID_UI_HOST));
    return MP_OK;
}

}  // namespace gmpi
