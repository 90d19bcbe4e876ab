#include "host/validate/CountingProcessor.h"

#include <utility>

#include "host/description/BorrowedPart.h"

namespace zuhost {

CountingProcessor::CountingProcessor(gmpi::ComRef<gmpi::IMpUnknown> processor)
    : processor_(std::move(processor)),
      plugin2_(borrowedPart<gmpi::IMpPlugin2>(*processor_, gmpi::MP_IID_PLUGIN2)),
      plugin_(borrowedPart<gmpi::IMpPlugin>(*processor_, gmpi::MP_IID_PLUGIN)) {}

// Each generation's part is offered exactly when the processor offers it.
int32_t CountingProcessor::queryInterface(const gmpi::MpGuid& iid, void** out) {
    gmpi::IMpPlugin* const firstGeneration = this;
    gmpi::IMpPlugin2* const secondGeneration = this;
    return gmpi::answerQuery(iid, out,
                             {{gmpi::MP_IID_PLUGIN2, plugin2_ ? secondGeneration : nullptr},
                              {gmpi::MP_IID_PLUGIN, plugin_ ? firstGeneration : nullptr},
                              {gmpi::MP_IID_UNKNOWN, firstGeneration}});
}

int32_t CountingProcessor::setHost(gmpi::IMpUnknown* host) { return plugin2_->setHost(host); }

int32_t CountingProcessor::open() { return plugin2_ ? plugin2_->open() : plugin_->open(); }

int32_t CountingProcessor::setBuffer(int32_t pinIndex, float* buffer) {
    return plugin2_ ? plugin2_->setBuffer(pinIndex, buffer) : plugin_->setBuffer(pinIndex, buffer);
}

int32_t CountingProcessor::process(int32_t sampleFrames, const gmpi::MpEvent* events) {
    if (!counting_) return plugin2_ ? plugin2_->process(sampleFrames, events) : plugin_->process(sampleFrames, events);
    const CallCounts before = counts_;
    int32_t result;
    {
        CountingScope scope(counts_);
        result = plugin2_ ? plugin2_->process(sampleFrames, events) : plugin_->process(sampleFrames, events);
    }
    const bool offended = counts_.allocations != before.allocations || counts_.locks != before.locks;
    if (offended && firstOffendingCall_ < 0) firstOffendingCall_ = countedCalls_;
    ++countedCalls_;
    return result;
}

int32_t CountingProcessor::spareCall(int32_t a, int32_t b, const void* data) {
    return plugin2_ ? plugin2_->spareCall(a, b, data) : plugin_->spareCall(a, b, data);
}

}  // namespace zuhost
