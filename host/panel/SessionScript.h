// What the user does during a session, read from a script: one action a line,
// `TIME VERB ARGUMENTS`. A # that begins a word starts a comment; blanks and
// a CR at the end of a line, and blank lines, are skipped.
//
//   0.1s pin fixtureName=VALUE            a value for a panel pin, as a host would send it
//   0.2s down X,Y [alt] [control] [shift]
//   0.2s move X,Y ...              likewise; up ends the gesture
//   0.3s drag X,Y X,Y DURATION [keys]   down, a move every 10 ms, up after DURATION
//   0.5s type TEXT                 the text typed into the next text entry shown
//   0.5s choose N                  the item id picked in the next menu shown
//
// Contract: TIME and DURATION are SampleTime texts; actions come back ordered
// by time, and at equal times the answers (type, choose) first, so that one
// written after the gesture that opens its menu or entry still answers it;
// otherwise in script order. Each action knows its line. A malformed line
// throws UsageError naming its line number; so does resolvePinActions for a
// pin action that does not fit the plug-in's description.
#pragma once

#include <cstdint>
#include <istream>
#include <string>
#include <vector>

#include "gui/GuiInterfaces.h"
#include "host/description/PluginDescription.h"
#include "host/run/PanelPinText.h"

namespace zuhost {

struct SessionAction {
    enum class Kind { Pin, Down, Move, Up, Type, Choose };
    int64_t time = 0;  // samples
    int32_t line = 0;  // in the script, from 1
    Kind kind = Kind::Pin;
    gmpi_gui::MpPoint point{0, 0};
    uint32_t modifiers = 0;
    std::string name;  // Pin: the pin
    std::string text;  // Pin: the value; Type: the text
    int32_t choice = 0;
    PanelPinValue value;  // Pin: name and text read against the description
};

std::vector<SessionAction> parseSessionScript(std::istream& script, float sampleRate);

// Fills in the value of every pin action.
void resolvePinActions(std::vector<SessionAction>& actions, const PluginDescription& plugin);

}  // namespace zuhost
