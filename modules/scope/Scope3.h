// Audio half of "ZU Scope3 XP", a free-running two-channel oscilloscope.
//
// Captures 400 consecutive samples of "Signal A" and "Signal B" from a rising
// zero crossing of the trigger signal (here "Signal A") and sends each capture
// as two 1600-byte blobs of little-endian floats, then holds off for 40 ms and
// waits for the next crossing; after a third of a second without one it
// captures anyway. Routine cycle: capture -> hold-off -> wait-low -> wait-high.
//
// Voice clones of one module share an 8-byte host block that points at the
// most recently activated voice; only that voice sends. A voice that ends in
// polyphonic use clears both traces and sleeps. With no input streaming, the
// scope sends two more captures after the last change and then sleeps; a
// scope without a time-out sleeps after a capture when the next trigger
// cannot come.
#pragma once

#include <limits>

#include "framework/AudioPins.h"
#include "framework/MpBase.h"
#include "framework/MpControlPin.h"

namespace zu {

class Scope3 : public gmpi::MpBase {
public:
    static constexpr int32_t captureSamples = 400;
    static constexpr int32_t noTimeOut = std::numeric_limits<int32_t>::max();

    Scope3();
    ~Scope3() override;
    int32_t open() override;
    void onSetPins() override;

    virtual gmpi::AudioInPin& getTriggerPin() { return signalA_; }
    // Samples to wait for a crossing before capturing anyway: a third of a second.
    virtual int32_t getTriggerTimeout() { return wholeSampleRate() / 3; }

protected:
    int32_t wholeSampleRate();
    // Starts a capture at offset and runs it for count samples; the block
    // loop carries it on from the next call. Also for scopes that decide on
    // their own when a capture begins.
    void startCaptureAt(int32_t offset, int32_t count);

private:
    void registerScopePins();
    void reportPolyphony();
    void joinVoiceGroup();
    bool isCurrentVoice() const;
    void becomeCurrentVoice();
    void clearTraces();
    void goIdle();
    bool waitCannotEnd();

    void subProcessCapture(int32_t offset, int32_t count);
    void subProcessHoldOff(int32_t offset, int32_t count);
    void subProcessWaitLow(int32_t offset, int32_t count);
    void subProcessWaitHigh(int32_t offset, int32_t count);
    void sendCapture(int32_t time);
    void publishFilling();

    gmpi::BlobOutPin captureDataA_;
    gmpi::BlobOutPin captureDataB_;
    gmpi::AudioInPin signalA_;
    gmpi::AudioInPin signalB_;
    gmpi::FloatInPin voiceActive_;
    gmpi::BoolOutPin polyDetect_;

    int32_t writeIndex_ = 0;
    int32_t countdown_ = 0;
    int32_t capturesBeforeSleep_ = -1;
    // The captures being filled. Sending trades each with its pin's value, so
    // the samples are copied once, from the host's buffers. Once a capture
    // has filled, and until the next begins, the last whole capture is in the
    // filling blobs while fillingHoldsCapture_, otherwise in the pins: a voice
    // that is not current keeps it unsent, and ending a voice sets the pins'
    // aside before emptying them.
    gmpi::MpBlob fillingA_;
    gmpi::MpBlob fillingB_;
    bool fillingHoldsCapture_ = false;
    bool captureA_ = false;
    bool captureB_ = false;
    bool pinsRegistered_ = false;
    // The shared block holding the current voice; a private one when the host offers none.
    void* currentVoiceSlot_ = nullptr;
    alignas(8) unsigned char privateVoiceSlot_[8] = {};
    int32_t captureLength_ = captureSamples;
};

}  // namespace zu
