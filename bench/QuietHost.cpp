#include "bench/QuietHost.h"

namespace zubench {

int32_t QuietHost::queryInterface(const gmpi::MpGuid& iid, void** out) {
    if (out == nullptr) return gmpi::MP_NOSUPPORT;
    *out = nullptr;
    if (iid != gmpi::MP_IID_AUDIO_HOST && iid != gmpi::MP_IID_UNKNOWN) return gmpi::MP_NOSUPPORT;
    *out = static_cast<gmpi::IMpAudioHost*>(this);
    addRef();
    return gmpi::MP_OK;
}

}  // namespace zubench
