#include "host/audio/AudioHost.h"

#include <atomic>
#include <string_view>
#include <utility>

namespace zuhost {

int32_t newModuleHandle() {
    static std::atomic<int32_t> next{1};
    return next++;
}

AudioHost::AudioHost(HostSettings settings, std::shared_ptr<SharedMemory> memory, std::shared_ptr<CallLog> log,
                     int32_t voice)
    : settings_(settings),
      memory_(memory ? std::move(memory) : std::make_shared<SharedMemory>()),
      log_(log ? std::move(log) : std::make_shared<CallLog>()),
      voice_(voice) {
    if (settings_.handle == 0) settings_.handle = newModuleHandle();
}

int32_t AudioHost::queryInterface(const gmpi::MpGuid& iid, void** out) {
    return gmpi::answerQuery(iid, out, {{gmpi::MP_IID_AUDIO_HOST, this}, {gmpi::MP_IID_UNKNOWN, this}});
}

int32_t AudioHost::setPinValue(int32_t time, int32_t pinId, int32_t size, const void* data) {
    if (size < 0 || (size > 0 && data == nullptr)) return unexpected_.note();
    log_->recordValue(voice_, blockStart_ + time, pinId,
                      std::span<const uint8_t>(static_cast<const uint8_t*>(data), static_cast<size_t>(size)));
    return gmpi::MP_OK;
}

int32_t AudioHost::setPinStreaming(int32_t time, int32_t pinId, bool isStreaming) {
    log_->recordStreaming(voice_, blockStart_ + time, pinId, isStreaming);
    return gmpi::MP_OK;
}

int32_t AudioHost::requestSleep() {
    sleepRequested_ = true;
    log_->recordSleep(voice_, blockStart_);
    return gmpi::MP_OK;
}

bool AudioHost::takeSleepRequest() { return std::exchange(sleepRequested_, false); }

int32_t AudioHost::querySleepCountdown(int32_t* samples) {
    if (samples == nullptr) return unexpected_.note();
    *samples = settings_.sleepCountdown;
    return gmpi::MP_OK;
}

int32_t AudioHost::getSampleRate(float* rate) {
    if (rate == nullptr) return unexpected_.note();
    *rate = settings_.sampleRate;
    return gmpi::MP_OK;
}

int32_t AudioHost::getHandle(int32_t* handle) {
    if (handle == nullptr) return unexpected_.note();
    *handle = settings_.handle;
    return gmpi::MP_OK;
}

int32_t AudioHost::queryPolyphonic(int32_t* isPolyphonic) {
    if (isPolyphonic == nullptr) return unexpected_.note();
    *isPolyphonic = settings_.polyphonic ? 1 : 0;
    return gmpi::MP_OK;
}

int32_t AudioHost::allocateSharedMemory(const char16_t* name, void** out, float, int32_t size,
                                        int32_t* needInitialise) {
    if (out == nullptr) return unexpected_.note();
    *out = nullptr;
    if (name == nullptr) return unexpected_.note();
    const SharedMemory::Grant grant = memory_->allocate(std::u16string_view(name), size);
    if (grant.block == nullptr) return unexpected_.note();
    *out = grant.block;
    if (needInitialise != nullptr) *needInitialise = grant.created ? 1 : 0;
    return gmpi::MP_OK;
}

int32_t AudioHost::unused6() { return unexpected_.note(gmpi::MP_NOSUPPORT); }
int32_t AudioHost::unused10() { return unexpected_.note(gmpi::MP_NOSUPPORT); }
int32_t AudioHost::unused11() { return unexpected_.note(gmpi::MP_NOSUPPORT); }
int32_t AudioHost::unused12() { return unexpected_.note(gmpi::MP_NOSUPPORT); }
int32_t AudioHost::unused13() { return unexpected_.note(gmpi::MP_NOSUPPORT); }
int32_t AudioHost::unused15() { return unexpected_.note(gmpi::MP_NOSUPPORT); }

}  // namespace zuhost
