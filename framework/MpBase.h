// The two styles of audio processor base. Both run the block loop of
// MpPluginBase and differ in what their processing routines are given:
//  - MpBase (first style): routine(bufferOffset, sampleFrames); blockPosition
//    is the time of the event group being handled (0 at block start).
//  - MpBase2 (second style): routine(sampleFrames); blockPosition is the
//    offset, within the host's block, of the samples the routine produces.
//
// Contract: a plug-in selects its routine with setSubProcess(&Class::routine),
// never by flags tested in the sample loop; selecting subProcessNothing and
// allowing sleep is how it goes idle. Until a pin streams (or while sleep is
// allowed) the block loop runs a sleep-check routine that runs the chosen
// routine only for the host's sleep countdown and then asks the host for
// sleep at the end of a block. Routines run on the audio thread and must not
// allocate, lock or do I/O.
#pragma once

#include <cstdint>

#include "framework/MpPluginBase.h"
#include "framework/ProcessRoutines.h"

namespace gmpi {

// clang-format off
class MpBase : public MpPluginBase {
public:
    using SubProcess = void (MpBase::*)(int32_t bufferOffset, int32_t sampleFrames);

    MpBase();
    int32_t process(int32_t sampleFrames, const MpEvent* events) override;  // audio thread; one block
    void onStreamingChange(bool isStreaming) override;                        // audio thread; from pins

    // Selects the routine to run; T derives from MpBase. Callable from inside a routine.
    template <class T>
    void setSubProcess(void (T::*routine)(int32_t, int32_t)) { selectSubProcess(static_cast<SubProcess>(routine)); }
    void subProcessNothing(int32_t bufferOffset, int32_t sampleFrames);     // the routine that does nothing
    bool isSubProcessNothing() const;                                       // the chosen routine is subProcessNothing
    void runSubProcess(int32_t bufferOffset, int32_t sampleFrames);         // runs the chosen routine now, e.g. from a routine that changed it

protected:
    void setSleep(bool allowed);   // true: sleep allowed, sleep checks resume; false: never sleep

private:
    void selectSubProcess(SubProcess routine) { routines_.choose(routine); }
    void sleepCheck(int32_t bufferOffset, int32_t sampleFrames);

    ProcessRoutines<SubProcess> routines_;
};

class MpBase2 : public MpPluginBase {
public:
    using SubProcess = void (MpBase2::*)(int32_t sampleFrames);

    MpBase2();
    int32_t process(int32_t sampleFrames, const MpEvent* events) override;  // audio thread; one block
    void onStreamingChange(bool isStreaming) override;                        // audio thread; from pins

    // Selects the routine to run; T derives from MpBase2. Callable from inside a routine.
    template <class T>
    void setSubProcess(void (T::*routine)(int32_t)) { selectSubProcess(static_cast<SubProcess>(routine)); }
    void subProcessNothing(int32_t sampleFrames);                           // the routine that does nothing

protected:
    void setSleep(bool allowed);   // true: sleep allowed, sleep checks resume; false: never sleep

private:
    void selectSubProcess(SubProcess routine) { routines_.choose(routine); }
    void sleepCheck(int32_t sampleFrames);

    ProcessRoutines<SubProcess> routines_;
};
// clang-format on

}  // namespace gmpi
