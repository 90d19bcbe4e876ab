// Stands between a host and a processor and counts the heap allocations,
// deallocations and locks made inside the processor's process calls.
//
// Contract: forwards every call to the processor it wraps, whose reference it
// holds until its own count reaches 0. It answers IMpPlugin2 and IMpPlugin
// exactly when the processor does, and IMpUnknown always. Counting starts
// with startCounting() (after a warm-up) and covers only the time inside the
// processor's process; process itself adds no allocation or lock.
#pragma once

#include <cstdint>

#include "framework/ComObject.h"
#include "framework/ComRef.h"
#include "framework/MpInterfaces.h"
#include "host/run/CallCounting.h"

namespace zuhost {

class CountingProcessor final : public gmpi::IMpPlugin, public gmpi::IMpPlugin2 {
public:
    explicit CountingProcessor(gmpi::ComRef<gmpi::IMpUnknown> processor);

    int32_t queryInterface(const gmpi::MpGuid& iid, void** out) override;
    int32_t addRef() override { return references_.addRef(); }
    int32_t release() override { return references_.release(this); }
    int32_t setHost(gmpi::IMpUnknown* host) override;
    int32_t open() override;
    int32_t setBuffer(int32_t pinIndex, float* buffer) override;
    int32_t process(int32_t sampleFrames, const gmpi::MpEvent* events) override;
    int32_t spareCall(int32_t a, int32_t b, const void* data) override;

    void startCounting() { counting_ = true; }
    const CallCounts& counts() const { return counts_; }
    int64_t countedCalls() const { return countedCalls_; }
    // The first counted process call (0-based) that allocated or locked, or -1.
    int64_t firstOffendingCall() const { return firstOffendingCall_; }

private:
    friend class gmpi::ReferenceCount;  // deletes it at the last release
    ~CountingProcessor() = default;

    gmpi::ComRef<gmpi::IMpUnknown> processor_;
    gmpi::IMpPlugin2* plugin2_ = nullptr;  // parts of processor_, valid while it lives
    gmpi::IMpPlugin* plugin_ = nullptr;
    gmpi::ReferenceCount references_;
    bool counting_ = false;
    CallCounts counts_;
    int64_t countedCalls_ = 0;
    int64_t firstOffendingCall_ = -1;
};

}  // namespace zuhost
