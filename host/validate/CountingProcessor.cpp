#include "host/validate/CountingProcessor.h"

#include "host/description/BorrowedPart.h"

namespace zuhost {

CountingProcessor::CountingProcessor(gmpi::IMpUnknown* processor)
    : processor_(processor),
      plugin2_(borrowedPart<gmpi::IMpPlugin2>(*processor, gmpi::MP_IID_PLUGIN2)),
      plugin_(borrowedPart<gmpi::IMpPlugin>(*processor, gmpi::MP_IID_PLUGIN)) {}

CountingProcessor::~CountingProcessor() { processor_->release(); }

int32_t CountingProcessor::queryInterface(const gmpi::MpGuid& iid, void** out) {
    *out = nullptr;
    if (iid == gmpi::MP_IID_PLUGIN2 && plugin2_ != nullptr) *out = static_cast<gmpi::IMpPlugin2*>(this);
    else if (iid == gmpi::MP_IID_PLUGIN && plugin_ != nullptr) *out = static_cast<gmpi::IMpPlugin*>(this);
    else if (iid == gmpi::MP_IID_UNKNOWN) *out = static_cast<gmpi::IMpPlugin*>(this);
    if (*out == nullptr) return gmpi::MP_NOSUPPORT;
    addRef();
    return gmpi::MP_OK;
}

int32_t CountingProcessor::addRef() { return ++refCount_; }

int32_t CountingProcessor::release() {
    if (--refCount_ > 0) return refCount_;
    delete this;
    return 0;
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
