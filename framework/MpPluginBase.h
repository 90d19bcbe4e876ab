// The base of every audio-side processor.
//
// Contract: one object answers the host through three interface parts
// (IMpPlugin, IMpPlugin2, IoldSchoolInitialisation) that share one reference
// count. All calls come from the host's audio thread, one at a time; no lock
// is taken. Pins are members of the derived plug-in, registered in its
// constructor (or in open) in the order of the plug-in's description; the pin
// table does not own them. The host must answer the IMpAudioHost query in
// setHost before it calls open or process; without a host, calls to it are
// skipped. Processing (the block loop and its routines) lives in MpBase and
// MpBase2; this class keeps the state they share and dispatches events.
#pragma once

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "framework/ComObject.h"
#include "framework/ComRef.h"
#include "framework/MpInterfaces.h"
#include "framework/MpPin.h"
#include "framework/ProcessRoutines.h"

namespace gmpi {

// clang-format off
class MpPluginBase : public IMpPlugin, public IMpPlugin2, public IoldSchoolInitialisation {
public:
    // Host slots; each override serves the first- and second-generation parts alike.
    int32_t queryInterface(const MpGuid& iid, void** out) override;  // IMpPlugin2: second part; IMpPlugin, IMpUnknown: first part
    int32_t addRef() override;                                        // one more reference; returns the new count
    int32_t release() override;                                       // one fewer; deletes the object at 0
    int32_t open() override;                                          // audio thread, after the buffers are set; returns 0
    int32_t setBuffer(int32_t pinIndex, float* buffer) override;      // audio thread; hands the buffer to the pin, -1 for no pin
    int32_t process(int32_t sampleFrames, const MpEvent* events) override = 0;  // audio thread; one block (MpBase, MpBase2)
    int32_t spareCall(int32_t a, int32_t b, const void* data) override;         // audio thread; reserved, returns 0

    // The first-generation part's table goes on with these, in this order.
    virtual ~MpPluginBase();                                           // releases the host
    virtual int32_t onDataEvent(int32_t a, int32_t b, const void* data);        // audio thread; reserved, returns 0
    virtual int32_t onDataEventForward(int32_t a, int32_t b, const void* data); // audio thread; calls onDataEvent
    virtual void onSetPins();                                          // audio thread; once per group of value or streaming events
    virtual void onStreamingChange(bool isStreaming) = 0;              // audio thread; a pin started or stopped streaming
    virtual void onGraphStart();                                       // audio thread; every output pin sends its first update

    int32_t setHost(IMpUnknown* host) override;                        // any part; asks host for IMpAudioHost, returns that result

    IMpAudioHost* getHost() { return host_.get(); }                    // null until setHost succeeds
    int32_t getBlockPosition() const { return blockPosition_; }        // default time stamp of what pins send
    void restartSleepCountdown();                                      // asks the host how long to go on after outputs go static

protected:
    // Binds pin to this plug-in at index (the next free one when negative:
    // the largest registered index plus one, or 0). An index already taken
    // keeps its first pin and the new pin stays unbound.
    void registerPin(MpPinBase& pin, int32_t index = -1, MpPinHandler handler = nullptr);

    // The block loop shared by both styles of base: runs runSegment(offset,
    // count) for the samples between event groups and dispatches each group
    // (a lone event, the usual case, by a shorter path to the same calls).
    // Event times are clamped into the part of the block not yet processed,
    // so a malformed list never makes a routine run past the block.
    template <class RunSegment>
    void runBlock(int32_t sampleFrames, const MpEvent* events, RunSegment runSegment);

    // The sleep check of both bases, for sampleFrames samples from offset.
    // While sleep is not allowed, the chosen routine becomes current and runs
    // them all; otherwise it runs only until the host's countdown ends, and
    // in the last segment of a block the plug-in asks for sleep instead.
    // runAt(routine, offset, count) runs a routine in the base's style.
    template <class Routine, class RunAt>
    void runSleepCheck(ProcessRoutines<Routine>& routines, int32_t offset, int32_t sampleFrames, RunAt runAt);

    // A pin started or stopped streaming: while any streams, the chosen
    // routine runs without sleep checks, unless sleep is allowed outright.
    template <class Routine>
    void followStreaming(ProcessRoutines<Routine>& routines, bool isStreaming) {
        if (countStreamingChange(isStreaming)) {
            routines.runChosen();
        } else {
            routines.checkSleep();
        }
    }
    // true: sleep allowed, sleep checks resume; false: never sleep.
    template <class Routine>
    void allowSleep(ProcessRoutines<Routine>& routines, bool allowed) {
        setSleepMode(allowed);
        if (allowed) routines.checkSleep();
    }

    int32_t blockPosition_ = 0;

private:
    MpPinBase* findPin(int32_t index) const {
        if (index >= 0 && static_cast<size_t>(index) < pins_.size() && pins_[index].first == index)
            return pins_[index].second;
        return searchPins(index);
    }
    MpPinBase* searchPins(int32_t index) const;
    bool sleepAllowed() const;
    int32_t awakeSamples(int32_t sampleFrames);    // samples to run before the countdown ends; 0 after asking for sleep
    bool countStreamingChange(bool isStreaming);   // true when the chosen routine must run without sleep checks
    void setSleepMode(bool allowed);
    const MpEvent* dispatchEventGroup(const MpEvent* first, int32_t time, int32_t processed, int32_t sampleFrames);
    void dispatchEvent(const MpEvent& event);

    ReferenceCount references_;
    ComRef<IMpAudioHost> host_;
    // Ordered by index. Pins are usually registered as 0, 1, 2..., so
    // findPin first looks for an index at its own position.
    std::vector<std::pair<int32_t, MpPinBase*>> pins_;
    int32_t sleepCountdown_ = 0;
    int32_t streamingPinCount_ = 0;
    int32_t sleepMode_ = -1;    // -1 automatic, 0 never, 1 allowed
    bool lastSegment_ = true;   // false while a routine runs for samples followed by events
    bool mirrorGuard_ = false;
};
// clang-format on

template <class RunSegment>
void MpPluginBase::runBlock(int32_t sampleFrames, const MpEvent* events, RunSegment runSegment) {
    const int32_t frames = std::max(sampleFrames, 0);
    int32_t processed = 0;
    blockPosition_ = 0;
    for (const MpEvent* event = events; event != nullptr;) {
        const int32_t time = std::clamp(event->timeDelta, processed, frames);
        if (time > processed) {
            lastSegment_ = false;
            runSegment(processed, time - processed);
            lastSegment_ = true;
            if (time == frames) return;
            processed = time;
        }
        blockPosition_ = time;
        const MpEvent* next = event->next;
        if (next == nullptr || std::clamp(next->timeDelta, processed, frames) != time) {
            dispatchEvent(*event);
            event = next;
        } else {
            event = dispatchEventGroup(event, time, processed, frames);
        }
    }
    runSegment(processed, frames - processed);
}

template <class Routine, class RunAt>
void MpPluginBase::runSleepCheck(ProcessRoutines<Routine>& routines, int32_t offset, int32_t sampleFrames,
                                 RunAt runAt) {
    while (true) {
        if (!sleepAllowed()) {
            routines.runChosen();
            if (sampleFrames >= 1) runAt(routines.chosen(), offset, sampleFrames);
            return;
        }
        const int32_t samples = awakeSamples(sampleFrames);
        if (samples == 0) return;
        sampleFrames -= samples;
        runAt(routines.chosen(), offset, samples);
        offset += samples;
    }
}

}  // namespace gmpi
