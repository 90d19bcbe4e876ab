// The patch a plug-in opens in when no patch file is given, chosen by what
// its processor offers, so that each is seen and heard at once:
//  - an audio output (a slider or knob): it sets a sine's level and pitch
//    (220 to 660 Hz), starting at the middle of its range;
//  - a value output (a list entry): its item chooses the sine's pitch, 220,
//    330, 440 or 550 Hz;
//  - audio inputs (a scope): it watches a 440 Hz sine and a 220 Hz one whose
//    level a knob sets; a first input beyond two (a trigger) gets the 440 Hz one.
// The output plays every sine; a meter listens to what is played.
#pragma once

#include "host/description/PluginDescription.h"
#include "host/play/Patch.h"

namespace zuhost::play {

Patch defaultPatch(const PluginDescription& plugin);

}  // namespace zuhost::play
