#include "framework/MpBase.h"

namespace gmpi {

MpBase::MpBase() : routines_(&MpBase::sleepCheck, &MpBase::subProcessNothing) {}

int32_t MpBase::process(int32_t sampleFrames, const MpEvent* events) {
    runBlock(sampleFrames, events, [this](int32_t offset, int32_t count) {
        const SubProcess routine = routines_.current();
        (this->*routine)(offset, count);
    });
    return MP_OK;
}

void MpBase::onStreamingChange(bool isStreaming) { followStreaming(routines_, isStreaming); }

void MpBase::setSleep(bool allowed) { allowSleep(routines_, allowed); }

void MpBase::subProcessNothing(int32_t, int32_t) {}

bool MpBase::isSubProcessNothing() const { return routines_.chosen() == &MpBase::subProcessNothing; }

void MpBase::runSubProcess(int32_t bufferOffset, int32_t sampleFrames) {
    (this->*routines_.chosen())(bufferOffset, sampleFrames);
}

void MpBase::sleepCheck(int32_t bufferOffset, int32_t sampleFrames) {
    runSleepCheck(routines_, bufferOffset, sampleFrames,
                  [this](SubProcess routine, int32_t offset, int32_t count) { (this->*routine)(offset, count); });
}

MpBase2::MpBase2() : routines_(&MpBase2::sleepCheck, &MpBase2::subProcessNothing) {}

int32_t MpBase2::process(int32_t sampleFrames, const MpEvent* events) {
    runBlock(sampleFrames, events, [this](int32_t, int32_t count) {
        const SubProcess routine = routines_.current();
        (this->*routine)(count);
    });
    return MP_OK;
}

void MpBase2::onStreamingChange(bool isStreaming) { followStreaming(routines_, isStreaming); }

void MpBase2::setSleep(bool allowed) { allowSleep(routines_, allowed); }

void MpBase2::subProcessNothing(int32_t) {}

// The chosen routine finds its samples at blockPosition_, so the position
// moves on with each run and is restored for the block loop afterwards.
void MpBase2::sleepCheck(int32_t sampleFrames) {
    const int32_t entryPosition = blockPosition_;
    runSleepCheck(routines_, entryPosition, sampleFrames, [this](SubProcess routine, int32_t, int32_t count) {
        (this->*routine)(count);
        blockPosition_ += count;
    });
    blockPosition_ = entryPosition;
}

}  // namespace gmpi
