#include "bench/QuietHost.h"

namespace zubench {

int32_t QuietHost::queryInterface(const gmpi::MpGuid& iid, void** out) {
    return gmpi::answerQuery(iid, out, {{gmpi::MP_IID_AUDIO_HOST, this}, {gmpi::MP_IID_UNKNOWN, this}});
}

}  // namespace zubench
