// The substitute host's audio services, as one plug-in instance sees them.
//
// Contract: one AudioHost serves one plug-in instance (one voice clone). Its
// owner holds the first reference; a plug-in adds its own in setHost and
// releases it when destroyed, so outstandingReferences() returns to 0 once
// every plug-in is gone and overReleased() tells of a release too many. The
// object is never deleted through release(). Calls made by the plug-in are
// recorded in the CallLog at absolute times (the block start given by
// beginBlock plus the plug-in's offset). Voice clones of one module share one
// HostSettings handle, one SharedMemory and one CallLog. Callbacks do not
// allocate beyond the log's reserve.
#pragma once

#include <cstdint>
#include <memory>

#include "framework/ComObject.h"
#include "framework/MpInterfaces.h"
#include "host/audio/CallLog.h"
#include "host/audio/SharedMemory.h"
#include "host/audio/UnexpectedCalls.h"

namespace zuhost {

struct HostSettings {
    float sampleRate = 48000.0f;
    int32_t sleepCountdown = 64;  // samples a plug-in produces after its outputs go static
    bool polyphonic = false;      // whether instances run as per-voice clones
    int32_t handle = 0;           // module handle; 0 picks a fresh one
};

// A handle no other module of this process has been given.
int32_t newModuleHandle();

class AudioHost final : public gmpi::IMpAudioHost {
public:
    explicit AudioHost(HostSettings settings = {}, std::shared_ptr<SharedMemory> memory = nullptr,
                       std::shared_ptr<CallLog> log = nullptr, int32_t voice = 0);
    AudioHost(const AudioHost&) = delete;
    AudioHost& operator=(const AudioHost&) = delete;

    int32_t queryInterface(const gmpi::MpGuid& iid, void** out) override;
    int32_t addRef() override { return references_.addRef(); }
    int32_t release() override { return references_.release(); }
    int32_t setPinValue(int32_t time, int32_t pinId, int32_t size, const void* data) override;
    int32_t setPinStreaming(int32_t time, int32_t pinId, bool isStreaming) override;
    int32_t requestSleep() override;
    int32_t unused6() override;
    int32_t querySleepCountdown(int32_t* samples) override;
    int32_t getSampleRate(float* rate) override;
    int32_t getHandle(int32_t* handle) override;
    int32_t unused10() override;
    int32_t unused11() override;
    int32_t unused12() override;
    int32_t unused13() override;
    int32_t queryPolyphonic(int32_t* isPolyphonic) override;
    int32_t unused15() override;
    int32_t allocateSharedMemory(const char16_t* name, void** out, float sampleRate, int32_t size,
                                 int32_t* needInitialise) override;

    // Runner side.
    void beginBlock(int64_t blockStart) { blockStart_ = blockStart; }
    bool takeSleepRequest();  // true once after each requestSleep
    const HostSettings& settings() const { return settings_; }
    int32_t voice() const { return voice_; }
    CallLog& log() { return *log_; }
    const CallLog& log() const { return *log_; }
    SharedMemory& sharedMemory() { return *memory_; }

    // For checks: plug-in references still held, releases beyond them, and
    // calls to slots this library never uses, or with bad arguments.
    int32_t outstandingReferences() const { return references_.outstanding(); }
    bool overReleased() const { return references_.overReleased(); }
    int32_t unexpectedCalls() const { return unexpected_.count(); }

private:
    HostSettings settings_;
    std::shared_ptr<SharedMemory> memory_;
    std::shared_ptr<CallLog> log_;
    int32_t voice_;
    gmpi::ServiceReferences references_;
    int64_t blockStart_ = 0;
    bool sleepRequested_ = false;
    UnexpectedCalls unexpected_;
};

}  // namespace zuhost
