#include "framework/MpPluginBase.h"

namespace gmpi {

namespace {

bool addressesPin(int32_t eventType) { return eventType >= EVENT_PIN_SET && eventType <= EVENT_MIDI; }

bool changesPins(int32_t eventType) { return eventType >= EVENT_PIN_SET && eventType <= EVENT_PIN_STREAMING_STOP; }

}  // namespace

MpPluginBase::~MpPluginBase() = default;

int32_t MpPluginBase::queryInterface(const MpGuid& iid, void** out) {
    IMpPlugin* const firstGeneration = this;
    return answerQuery(iid, out,
                       {{MP_IID_PLUGIN2, static_cast<IMpPlugin2*>(this)},
                        {MP_IID_PLUGIN, firstGeneration},
                        {MP_IID_UNKNOWN, firstGeneration}});
}

int32_t MpPluginBase::addRef() { return references_.addRef(); }

int32_t MpPluginBase::release() { return references_.release(this); }

int32_t MpPluginBase::setHost(IMpUnknown* host) {
    if (host == nullptr) return MP_FAIL;
    void* audioHost = nullptr;
    const int32_t result = host->queryInterface(MP_IID_AUDIO_HOST, &audioHost);
    if (result != MP_OK) return result;
    host_ = ComRef<IMpAudioHost>::adopt(static_cast<IMpAudioHost*>(audioHost));
    return result;
}

int32_t MpPluginBase::open() { return MP_OK; }

int32_t MpPluginBase::setBuffer(int32_t pinIndex, float* buffer) {
    MpPinBase* pin = findPin(pinIndex);
    if (pin == nullptr) return MP_FAIL;
    pin->setBuffer(buffer);
    return MP_OK;
}

// Both generations' spareCall are this one function; the guard keeps the
// forwarding between them from recursing.
int32_t MpPluginBase::spareCall(int32_t a, int32_t b, const void* data) {
    if (mirrorGuard_) return MP_OK;
    mirrorGuard_ = true;
    const int32_t result = spareCall(a, b, data);
    mirrorGuard_ = false;
    return result;
}

int32_t MpPluginBase::onDataEvent(int32_t, int32_t, const void*) { return MP_OK; }

int32_t MpPluginBase::onDataEventForward(int32_t a, int32_t b, const void* data) { return onDataEvent(a, b, data); }

void MpPluginBase::onSetPins() {}

void MpPluginBase::onGraphStart() {
    for (auto& [index, pin] : pins_) {
        if (pin->getDirection() == MP_OUT) pin->sendFirstUpdate();
    }
}

void MpPluginBase::restartSleepCountdown() {
    if (host_) host_->querySleepCountdown(&sleepCountdown_);
}

namespace {

bool indexBelow(const std::pair<int32_t, MpPinBase*>& entry, int32_t index) { return entry.first < index; }

}  // namespace

void MpPluginBase::registerPin(MpPinBase& pin, int32_t index, MpPinHandler handler) {
    if (index < 0) index = pins_.empty() ? 0 : pins_.back().first + 1;
    const auto place = std::lower_bound(pins_.begin(), pins_.end(), index, indexBelow);
    if (place != pins_.end() && place->first == index) return;
    pins_.insert(place, {index, &pin});
    pin.bind(index, *this, handler != nullptr ? handler : pin.getDefaultHandler());
}

MpPinBase* MpPluginBase::searchPins(int32_t index) const {
    const auto found = std::lower_bound(pins_.begin(), pins_.end(), index, indexBelow);
    return found != pins_.end() && found->first == index ? found->second : nullptr;
}

// Three passes over two or more events that share one time: every pin takes
// its new value first, so that onSetPins sees the whole group; handlers run
// between.
const MpEvent* MpPluginBase::dispatchEventGroup(const MpEvent* first, int32_t time, int32_t processed,
                                                int32_t sampleFrames) {
    bool pinsChanged = false;
    const MpEvent* end = first;
    for (; end != nullptr && std::clamp(end->timeDelta, processed, sampleFrames) == time; end = end->next) {
        if (!addressesPin(end->eventType)) continue;
        pinsChanged |= changesPins(end->eventType);
        if (MpPinBase* pin = findPin(end->parm1)) pin->preEvent(*end);
    }
    for (const MpEvent* event = first; event != end; event = event->next) {
        if (event->eventType == EVENT_GRAPH_START) {
            onGraphStart();
        } else if (addressesPin(event->eventType)) {
            if (MpPinBase* pin = findPin(event->parm1)) pin->onEvent(*event);
        }
    }
    if (pinsChanged) onSetPins();
    for (const MpEvent* event = first; event != end; event = event->next) {
        if (!addressesPin(event->eventType)) continue;
        if (MpPinBase* pin = findPin(event->parm1)) pin->postEvent(*event);
    }
    return end;
}

// A group of one event, the usual case: the same three passes, one after the
// other for the one pin, found once.
void MpPluginBase::dispatchEvent(const MpEvent& event) {
    if (!addressesPin(event.eventType)) {
        if (event.eventType == EVENT_GRAPH_START) onGraphStart();
        return;
    }
    MpPinBase* pin = findPin(event.parm1);
    if (pin != nullptr) {
        pin->preEvent(event);
        pin->onEvent(event);
    }
    if (changesPins(event.eventType)) onSetPins();
    if (pin != nullptr) pin->postEvent(event);
}

bool MpPluginBase::sleepAllowed() const { return sleepMode_ == 1 || (sleepMode_ == -1 && streamingPinCount_ == 0); }

int32_t MpPluginBase::awakeSamples(int32_t sampleFrames) {
    if (sleepCountdown_ < 1) {
        if (lastSegment_) {
            if (host_) host_->requestSleep();
            return 0;
        }
        sleepCountdown_ = sampleFrames;
    }
    const int32_t samples = std::min(sleepCountdown_, sampleFrames);
    sleepCountdown_ -= samples;
    return samples;
}

bool MpPluginBase::countStreamingChange(bool isStreaming) {
    streamingPinCount_ += isStreaming ? 1 : -1;
    return streamingPinCount_ != 0 && sleepMode_ != 1;
}

void MpPluginBase::setSleepMode(bool allowed) { sleepMode_ = allowed ? 1 : 0; }

}  // namespace gmpi
