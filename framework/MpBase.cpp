#include "framework/MpBase.h"

namespace gmpi {

MpBase::MpBase() : processRoutine_(&MpBase::sleepCheck), subProcessRoutine_(&MpBase::subProcessNothing) {}

int32_t MpBase::process(int32_t sampleFrames, const MpEvent* events) {
    runBlock(sampleFrames, events, [this](int32_t offset, int32_t count) {
        const SubProcess routine = processRoutine_;
        (this->*routine)(offset, count);
    });
    return MP_OK;
}

void MpBase::onStreamingChange(bool isStreaming) {
    processRoutine_ = countStreamingChange(isStreaming) ? subProcessRoutine_ : &MpBase::sleepCheck;
}

void MpBase::subProcessNothing(int32_t, int32_t) {}

bool MpBase::isSubProcessNothing() const { return subProcessRoutine_ == &MpBase::subProcessNothing; }

void MpBase::runSubProcess(int32_t bufferOffset, int32_t sampleFrames) {
    (this->*subProcessRoutine_)(bufferOffset, sampleFrames);
}

void MpBase::setSleep(bool allowed) {
    setSleepMode(allowed);
    if (allowed) processRoutine_ = &MpBase::sleepCheck;
}

// While the sleep check is current the routine choice is held in
// subProcessRoutine_ alone; otherwise both move together.
void MpBase::selectSubProcess(SubProcess routine) {
    if (processRoutine_ == subProcessRoutine_) processRoutine_ = routine;
    subProcessRoutine_ = routine;
}

void MpBase::sleepCheck(int32_t bufferOffset, int32_t sampleFrames) {
    while (true) {
        if (!sleepAllowed()) {
            processRoutine_ = subProcessRoutine_;
            if (sampleFrames >= 1) (this->*subProcessRoutine_)(bufferOffset, sampleFrames);
            return;
        }
        const int32_t samples = awakeSamples(sampleFrames);
        if (samples == 0) return;
        sampleFrames -= samples;
        (this->*subProcessRoutine_)(bufferOffset, samples);
        bufferOffset += samples;
    }
}

MpBase2::MpBase2() : processRoutine_(&MpBase2::sleepCheck), subProcessRoutine_(&MpBase2::subProcessNothing) {}

int32_t MpBase2::process(int32_t sampleFrames, const MpEvent* events) {
    runBlock(sampleFrames, events, [this](int32_t, int32_t count) {
        const SubProcess routine = processRoutine_;
        (this->*routine)(count);
    });
    return MP_OK;
}

void MpBase2::onStreamingChange(bool isStreaming) {
    processRoutine_ = countStreamingChange(isStreaming) ? subProcessRoutine_ : &MpBase2::sleepCheck;
}

void MpBase2::subProcessNothing(int32_t) {}

void MpBase2::setSleep(bool allowed) {
    setSleepMode(allowed);
    if (allowed) processRoutine_ = &MpBase2::sleepCheck;
}

void MpBase2::selectSubProcess(SubProcess routine) {
    if (processRoutine_ == subProcessRoutine_) processRoutine_ = routine;
    subProcessRoutine_ = routine;
}

// The chosen routine finds its samples at blockPosition_, so the position
// moves with each run and is restored for the block loop afterwards.
void MpBase2::sleepCheck(int32_t sampleFrames) {
    const int32_t entryPosition = blockPosition_;
    while (true) {
        if (!sleepAllowed()) {
            processRoutine_ = subProcessRoutine_;
            if (sampleFrames >= 1) (this->*subProcessRoutine_)(sampleFrames);
            break;
        }
        const int32_t samples = awakeSamples(sampleFrames);
        if (samples == 0) break;
        sampleFrames -= samples;
        (this->*subProcessRoutine_)(samples);
        blockPosition_ += samples;
    }
    blockPosition_ = entryPosition;
}

}  // namespace gmpi
