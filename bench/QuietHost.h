// A host for benchmarks: it answers a processor's questions through the
// substitute host but records nothing of what the processor sends, so that a
// benchmark times the library's work rather than the host's bookkeeping (and
// no log grows while it runs). It counts values and sleep requests, so that a
// benchmark can check that its processor reached the state it measures.
// Voice clones of one module share one SharedMemory and one handle.
#pragma once

#include <cstdint>
#include <memory>
#include <utility>

#include "framework/ComObject.h"
#include "framework/MpInterfaces.h"
#include "host/audio/AudioHost.h"
#include "host/audio/SharedMemory.h"

namespace zubench {

class QuietHost final : public gmpi::IMpAudioHost {
public:
    explicit QuietHost(zuhost::HostSettings settings = {}, std::shared_ptr<zuhost::SharedMemory> memory = nullptr)
        : answers_(settings, std::move(memory)) {}
    QuietHost(const QuietHost&) = delete;
    QuietHost& operator=(const QuietHost&) = delete;

    int32_t queryInterface(const gmpi::MpGuid& iid, void** out) override;
    int32_t addRef() override { return references_.addRef(); }
    int32_t release() override { return references_.release(); }
    int32_t setPinValue(int32_t, int32_t, int32_t, const void*) override {
        ++valuesSent_;
        return gmpi::MP_OK;
    }
    int32_t setPinStreaming(int32_t, int32_t, bool) override { return gmpi::MP_OK; }
    int32_t requestSleep() override {
        ++sleepRequests_;
        return gmpi::MP_OK;
    }
    int32_t unused6() override { return answers_.unused6(); }
    int32_t querySleepCountdown(int32_t* samples) override { return answers_.querySleepCountdown(samples); }
    int32_t getSampleRate(float* rate) override { return answers_.getSampleRate(rate); }
    int32_t getHandle(int32_t* handle) override { return answers_.getHandle(handle); }
    int32_t unused10() override { return answers_.unused10(); }
    int32_t unused11() override { return answers_.unused11(); }
    int32_t unused12() override { return answers_.unused12(); }
    int32_t unused13() override { return answers_.unused13(); }
    int32_t queryPolyphonic(int32_t* isPolyphonic) override { return answers_.queryPolyphonic(isPolyphonic); }
    int32_t unused15() override { return answers_.unused15(); }
    int32_t allocateSharedMemory(const char16_t* name, void** out, float sampleRate, int32_t size,
                                 int32_t* needInitialise) override {
        return answers_.allocateSharedMemory(name, out, sampleRate, size, needInitialise);
    }

    int64_t valuesSent() const { return valuesSent_; }
    int64_t sleepRequests() const { return sleepRequests_; }

private:
    zuhost::AudioHost answers_;  // answers questions; never sees what is sent
    gmpi::ServiceReferences references_;
    int64_t valuesSent_ = 0;
    int64_t sleepRequests_ = 0;
};

}  // namespace zubench
