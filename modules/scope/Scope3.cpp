#include "modules/scope/Scope3.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>

#include "framework/MpFactory.h"

namespace zu {

static_assert(std::endian::native == std::endian::little, "capture blobs carry little-endian floats");

namespace {

gmpi::PluginRegistration scope3Registration(gmpi::MP_SUB_TYPE_AUDIO, u"ZU Scope3 XP",
                                            gmpi::createPlugin<Scope3, gmpi::IMpPlugin>);

constexpr int32_t captureBytes = Scope3::captureSamples * static_cast<int32_t>(sizeof(float));
constexpr int32_t holdOffsPerSecond = 25;  // 40 ms between captures

std::u16string currentVoiceBlockName(int32_t handle) {
    char name[40];
    std::snprintf(name, sizeof name, "ZU Scope3 %x currentvoice", static_cast<unsigned>(handle));
    return std::u16string(name, name + std::strlen(name));
}

// Copies n samples from source + offset, or silence when the host gave no buffer.
void copySamples(const float* source, int32_t offset, int32_t n, float* destination) {
    if (source == nullptr) {
        std::fill_n(destination, n, 0.0f);
    } else {
        std::copy_n(source + offset, n, destination);
    }
}

// Position of the first sample in [from, to) that satisfies the test, or -1.
template <class Test>
int32_t findSample(const float* samples, int32_t from, int32_t to, Test test) {
    if (samples == nullptr) return -1;
    const float* found = std::find_if(samples + from, samples + to, test);
    return found == samples + to ? -1 : static_cast<int32_t>(found - samples);
}

bool atOrBelowZero(float sample) { return sample <= 0.0f; }
bool aboveZero(float sample) { return sample > 0.0f; }

}  // namespace

Scope3::Scope3() {
    const std::array<float, captureSamples> silence{};
    fillingA_.setValueRaw(captureBytes, silence.data());
    fillingB_.setValueRaw(captureBytes, silence.data());
    // Each pin's empty value gets a block too: the first capture trades it
    // away to be filled next, and the audio thread must not allocate one then.
    for (gmpi::BlobOutPin* pin : {&captureDataA_, &captureDataB_}) {
        gmpi::MpBlob empty;
        empty.reserve(captureBytes);
        pin->swapValue(empty);
    }
}

Scope3::~Scope3() {
    // A destroyed voice must not stay current for the clones that outlive it.
    if (currentVoiceSlot_ != nullptr && isCurrentVoice()) std::memset(currentVoiceSlot_, 0, sizeof(Scope3*));
}

int32_t Scope3::open() {
    registerScopePins();
    MpBase::open();
    setSubProcess(&Scope3::subProcessCapture);
    captureA_ = captureB_ = true;
    reportPolyphony();
    setSleep(false);
    joinVoiceGroup();
    captureLength_ = captureSamples;
    return gmpi::MP_OK;
}

void Scope3::registerScopePins() {
    // A second open must not register the pins again.
    if (pinsRegistered_) return;
    registerPin(captureDataA_);
    registerPin(captureDataB_);
    registerPin(signalA_);
    registerPin(signalB_);
    registerPin(voiceActive_);
    registerPin(polyDetect_);
    pinsRegistered_ = true;
}

void Scope3::reportPolyphony() {
    int32_t polyphonic = 0;
    getHost()->queryPolyphonic(&polyphonic);
    polyDetect_.setValue(polyphonic != 0, getBlockPosition());
}

void Scope3::joinVoiceGroup() {
    int32_t handle = 0;
    getHost()->getHandle(&handle);
    const std::u16string name = currentVoiceBlockName(handle);
    void* block = nullptr;
    int32_t needInitialise = 0;
    getHost()->allocateSharedMemory(name.c_str(), &block, -1.0f, sizeof(Scope3*), &needInitialise);
    // Without a shared block this instance behaves as the only voice.
    currentVoiceSlot_ = block != nullptr ? block : privateVoiceSlot_;
    std::memset(currentVoiceSlot_, 0, sizeof(Scope3*));
}

bool Scope3::isCurrentVoice() const {
    const Scope3* current = nullptr;
    std::memcpy(&current, currentVoiceSlot_, sizeof current);
    return current == this;
}

void Scope3::becomeCurrentVoice() {
    const Scope3* self = this;
    std::memcpy(currentVoiceSlot_, &self, sizeof self);
}

int32_t Scope3::wholeSampleRate() {
    float rate = 0.0f;
    getHost()->getSampleRate(&rate);
    if (!(rate > 0.0f)) return 0;
    if (rate >= static_cast<float>(std::numeric_limits<int32_t>::max())) return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(rate);
}

void Scope3::onSetPins() {
    setSleep(false);
    const bool inputStreaming = signalA_.isStreaming() || signalB_.isStreaming() || getTriggerPin().isStreaming();
    capturesBeforeSleep_ = inputStreaming ? -1 : 2;
    if (isSubProcessNothing()) setSubProcess(&Scope3::subProcessCapture);
    if (!voiceActive_.isUpdated()) return;

    int32_t polyphonic = 0;
    getHost()->queryPolyphonic(&polyphonic);
    if (voiceActive_.getValue() <= 0.0f && polyphonic != 0) {
        clearTraces();
        goIdle();
    } else if (voiceActive_.getValue() > 0.0f) {
        becomeCurrentVoice();
    }
}

void Scope3::clearTraces() {
    // A restart before the next capture begins sends the last one again, so
    // it is set aside rather than emptied.
    if (writeIndex_ >= captureLength_ && !fillingHoldsCapture_) {
        captureDataA_.swapValue(fillingA_);
        captureDataB_.swapValue(fillingB_);
        fillingHoldsCapture_ = true;
    }
    captureDataA_.setValueRaw(0, nullptr);
    captureDataA_.sendPinUpdate(getBlockPosition());
    captureDataB_.setValueRaw(0, nullptr);
    captureDataB_.sendPinUpdate(getBlockPosition());
}

// Restarted after a capture filled and before the next began, the routine
// finds nothing left to take and sends the last whole capture again.
void Scope3::subProcessCapture(int32_t offset, int32_t count) {
    const int32_t n = std::min(count, captureLength_ - writeIndex_);
    if (writeIndex_ < captureLength_) {
        if (captureA_)
            copySamples(signalA_.getBuffer(), offset, n, static_cast<float*>(fillingA_.getData()) + writeIndex_);
        if (captureB_)
            copySamples(signalB_.getBuffer(), offset, n, static_cast<float*>(fillingB_.getData()) + writeIndex_);
        writeIndex_ += n;
        if (writeIndex_ < captureLength_) return;
        fillingHoldsCapture_ = true;
    }
    // Stamped with the start of this call, not the sample at which the capture filled.
    sendCapture(offset);
    runSubProcess(offset + n, count - n);
}

void Scope3::sendCapture(int32_t time) {
    if (isCurrentVoice()) {
        if (fillingHoldsCapture_) publishFilling();
        captureDataA_.sendPinUpdate(time);
        captureDataB_.sendPinUpdate(time);
    }
    countdown_ = wholeSampleRate() / holdOffsPerSecond;
    setSubProcess(&Scope3::subProcessHoldOff);
    const bool lastBeforeSleep = capturesBeforeSleep_ > 0 && --capturesBeforeSleep_ == 0;
    if (lastBeforeSleep || waitCannotEnd()) goIdle();
}

// The pins' previous blocks become the next ones to fill: they are always a
// capture's size, so no block is allocated here.
void Scope3::publishFilling() {
    captureDataA_.swapValue(fillingA_);
    captureDataB_.swapValue(fillingB_);
    fillingA_.resizeForOverwrite(captureBytes);
    fillingB_.resizeForOverwrite(captureBytes);
    fillingHoldsCapture_ = false;
}

void Scope3::goIdle() {
    setSubProcess(&MpBase::subProcessNothing);
    setSleep(true);
}

// With no input streaming the trigger holds still and cannot cross zero; a
// scope without a time-out would hold off and then wait awake for ever.
bool Scope3::waitCannotEnd() { return capturesBeforeSleep_ > 0 && getTriggerTimeout() == noTimeOut; }

void Scope3::subProcessHoldOff(int32_t, int32_t count) {
    countdown_ -= count;
    if (countdown_ < 0) {
        countdown_ = getTriggerTimeout();
        setSubProcess(&Scope3::subProcessWaitLow);
    }
}

void Scope3::subProcessWaitLow(int32_t offset, int32_t count) {
    const float* trigger = getTriggerPin().getBuffer();
    const int32_t end = offset + count;
    const int32_t low = findSample(trigger, offset, end, atOrBelowZero);
    if (low < 0) {
        countdown_ -= count;
        if (countdown_ < 0) setSubProcess(&Scope3::subProcessWaitHigh);
        return;
    }
    setSubProcess(&Scope3::subProcessWaitHigh);
    writeIndex_ = 0;
    const int32_t high = findSample(trigger, low, end, aboveZero);
    if (high >= 0) return startCaptureAt(high, end - high);
    countdown_ -= end - low;
    if (countdown_ < 0) {
        writeIndex_ = 0;
        setSubProcess(&Scope3::subProcessCapture);
    }
}

void Scope3::subProcessWaitHigh(int32_t offset, int32_t count) {
    const int32_t end = offset + count;
    const int32_t high = findSample(getTriggerPin().getBuffer(), offset, end, aboveZero);
    if (high >= 0) return startCaptureAt(high, end - high);
    countdown_ -= count;
    if (countdown_ < 0) {
        writeIndex_ = 0;
        setSubProcess(&Scope3::subProcessCapture);
    }
}

void Scope3::startCaptureAt(int32_t offset, int32_t count) {
    setSubProcess(&Scope3::subProcessCapture);
    writeIndex_ = 0;
    subProcessCapture(offset, count);
}

}  // namespace zu
