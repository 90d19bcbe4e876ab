#include "framework/AudioPins.h"

#include "framework/MpPluginBase.h"

namespace gmpi {

namespace {

bool reportsStreaming(int32_t eventType) {
    return eventType == EVENT_PIN_STREAMING_START || eventType == EVENT_PIN_STREAMING_STOP;
}

}  // namespace

void AudioInPin::preEvent(const MpEvent& event) {
    if (!reportsStreaming(event.eventType)) return;
    streamingChanged_ = true;
    const bool streaming = event.eventType == EVENT_PIN_STREAMING_START;
    if (streaming != isStreaming_) {
        isStreaming_ = streaming;
        plugin_->onStreamingChange(streaming);
    }
}

void AudioInPin::postEvent(const MpEvent& event) {
    if (reportsStreaming(event.eventType)) streamingChanged_ = false;
}

void AudioOutPin::setStreaming(bool isStreaming, int32_t blockPosition) {
    if (blockPosition == -1) blockPosition = plugin_->getBlockPosition();
    if (isStreaming != isStreaming_) {
        isStreaming_ = isStreaming;
        plugin_->onStreamingChange(isStreaming);
    }
    if (!isStreaming_) plugin_->restartSleepCountdown();
    if (IMpAudioHost* host = plugin_->getHost()) host->setPinStreaming(blockPosition, id_, isStreaming_);
}

}  // namespace gmpi
