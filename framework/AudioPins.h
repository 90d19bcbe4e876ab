// Audio pins: sample streams through buffers the host hands over.
//
// Contract: the buffer comes from the host through the plug-in's setBuffer
// before open and whenever the host changes it; it may stay null if the host
// never sets it, and nothing here writes through a null buffer. A pin reports
// streaming when its samples change from sample to sample and static when
// they hold their last value; the plug-in counts streaming pins to decide
// when it may sleep.
#pragma once

#include <cstdint>

#include "framework/MpPin.h"

namespace gmpi {

class MpAudioPinBase : public MpPinBase {
public:
    void setBuffer(float* buffer) override { buffer_ = buffer; }  // the host's samples for this block
    int32_t getDatatype() const override { return MP_AUDIO; }

    float* getBuffer() const { return buffer_; }
    bool isStreaming() const { return isStreaming_; }

protected:
    float* buffer_ = nullptr;
    bool isStreaming_ = false;
};

// An audio input. The host tells it by streaming events whether the signal
// changes; isStreamingChanged is true during the event group that told it.
class AudioInPin : public MpAudioPinBase {
public:
    void preEvent(const MpEvent& event) override;   // streaming start/stop, tells the plug-in of a change
    void postEvent(const MpEvent& event) override;  // ends the group's streamingChanged
    int32_t getDirection() const override { return MP_IN; }

    bool isStreamingChanged() const { return streamingChanged_; }

private:
    bool streamingChanged_ = true;
};

// An audio output. The plug-in writes its buffer and reports streaming.
class AudioOutPin : public MpAudioPinBase {
public:
    int32_t getDirection() const override { return MP_OUT; }

    // Reports whether the output changes from blockPosition on (-1: the
    // plug-in's blockPosition). Going static restarts the plug-in's sleep
    // countdown, so the static signal is produced for as long as the host
    // asks before the plug-in may sleep.
    void setStreaming(bool isStreaming, int32_t blockPosition = -1);
};

}  // namespace gmpi
