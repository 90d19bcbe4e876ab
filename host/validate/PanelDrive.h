// A panel of the library under test, driven through the substitute GUI host
// the way a host drives it, with what the panel checks ask of every step:
// rendering leaves nothing unreleased and hands over only finite
// coordinates, and every value the panel sends is for a described GUI pin.
//
// Contract: the library stays loaded while the drive lives. Each requirement
// throws CheckFailure naming what the panel did.
#pragma once

#include <cstdint>
#include <string>

#include "host/description/PluginLibrary.h"
#include "host/gui/PanelSession.h"
#include "host/gui/RecordingContext.h"
#include "host/validate/Check.h"
#include "host/validate/RandomSource.h"

namespace zuhost {

// After a render at `available`: no drawing object left alive, no reference
// to the context kept, no unknown object handed back, no non-finite coordinate.
void requireCleanRender(const gui::RecordingContext& recording, gmpi_gui::MpSize available);

class PanelDrive {
public:
    PanelDrive(const CheckContext& context, bool offerGraphicsHost = true);

    gui::PanelSession& session() { return session_; }

    // Creation as kind 2 with the interfaces a host needs, and setHost accepted.
    void requireCreated() const;
    // Every described GUI pin takes a value of its datatype; -1 is refused.
    // Answers a note naming what only deserves a warning.
    std::string deliverDescribedPins();
    // What a host gives the parameter pins: start values, a range of 0 to 10, names and lists.
    void deliverParameters();
    // Measures, arranges and renders at `available` into `recording`;
    // answers the render's time in seconds.
    double layOutAndRender(gmpi_gui::MpSize available, gui::RecordingContext& recording);
    double layOutAndRender(gmpi_gui::MpSize available);
    void requireDescribedTransmits();
    // A panel that shows a parameter the processor takes as input is how the
    // user sets it: when the gestures so far sent nothing, it is swept with
    // drags (sweepDrags) and must send something then.
    void requireTransmitsFromAControl();
    // Random pointer gestures with modifier keys, and random pin values of every
    // datatype with odd sizes and voices.
    void playGestures(RandomSource& random, int32_t count);
    void sendRandomPins(RandomSource& random, int32_t count);
    // Releases the panel and requires that it gave back everything and calls
    // the host no more.
    void releaseAndRequireClean();

private:
    const PinDescription* randomPin(RandomSource& random) const;
    // Drags up and to the right from every point of a grid over the panel, as a
    // user looking for its control would, until it sends something. A menu or
    // text entry a drag opens is answered (the menu's last item, the text "1")
    // and the drag played again.
    void sweepDrags();
    void dragAnswering(gmpi_gui::MpPoint from, gmpi_gui::MpPoint to);

    const CheckContext& context_;
    PluginLibrary library_;
    gui::PanelSession session_;
    gmpi_gui::MpRect bounds_{0, 0, 100, 100};
};

}  // namespace zuhost
