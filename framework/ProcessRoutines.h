// Which routine the block loop of MpBase or MpBase2 runs: the plug-in's
// chosen one, or the base's sleep check, which runs the chosen one only for
// as long as the plug-in must stay awake. Routine is the base's routine
// type (a member function pointer); switching is a pointer copy, so it may
// happen on the audio thread, also from inside a routine.
#pragma once

namespace gmpi {

template <class Routine>
class ProcessRoutines {
public:
    ProcessRoutines(Routine sleepCheck, Routine nothing)
        : current_(sleepCheck), chosen_(nothing), sleepCheck_(sleepCheck) {}

    Routine current() const { return current_; }  // what the block loop runs
    Routine chosen() const { return chosen_; }    // the plug-in's choice

    // While the sleep check is current the choice is held in chosen alone;
    // otherwise both move together.
    void choose(Routine routine) {
        if (current_ == chosen_) current_ = routine;
        chosen_ = routine;
    }
    void runChosen() { current_ = chosen_; }  // no sleep checks until checkSleep
    void checkSleep() { current_ = sleepCheck_; }

private:
    Routine current_;
    Routine chosen_;
    Routine sleepCheck_;
};

}  // namespace gmpi
