// `zuhost play` at work: the patch's processors on the audio device's thread
// and its panels in a window on this one, in real time, until the window is
// closed, the duration is up or the device goes away.
//
// The loop waits for the first of: an event, the next frame (60 a second),
// the next timer tick, the next scripted action. Pointer events go to the
// panel under the pointer, or to the one that holds the capture; modifier
// keys follow the real keyboard. Once a frame the processors' values reach
// the panels, and the panels that asked are drawn again (and measured again,
// when they asked for that).
//
// Contract: GUI thread; one player at a time (the library's timers and keys
// are the process's). run() answers the exit status: 1 when the sound
// device failed during the run, which ends it with what was recorded
// written all the same. Failures to open the display or the sound device
// throw with one line that names the way out.
#pragma once

#include <memory>
#include <ostream>
#include <vector>

#include "host/description/PluginLibrary.h"
#include "host/panel/SessionScript.h"
#include "host/play/PatchPlan.h"
#include "host/play/PlayArguments.h"

namespace zuhost::play {

class Player {
public:
    Player(const PlayArguments& arguments, PatchPlan plan, std::vector<SessionAction> script);
    ~Player();
    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;

    int run(std::ostream& out, std::ostream& err);

private:
    class Run;
    const PlayArguments& arguments_;
    PatchPlan plan_;
    std::vector<SessionAction> script_;
};

}  // namespace zuhost::play
