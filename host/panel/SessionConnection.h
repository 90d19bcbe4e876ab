// Both halves of one plug-in joined the way a host joins them, through its
// parameters: a parameter's value and fields go to the panel pins that name
// them, a value the panel sends on a parameter's pin sets the parameter,
// which reaches the processor as a value event at the start of its next
// block, and values the processor sends on a parameter's pin (scope
// captures, per voice) reach the panel pins of that parameter for the same
// voice. Every crossing is written to a CSV timeline.
//
// Contract: start() before the first block; fromPanel() before each block,
// fromProcessor() after it and before the runner's log is cleared; finish()
// completes the timeline, throwing OutputError when it could not be written. Fields a
// plug-in names but the host does not keep (Grab, MenuSelection) get nothing.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "host/audio/Runner.h"
#include "host/description/PluginDescription.h"
#include "host/gui/PanelSession.h"
#include "host/run/OutputFile.h"
#include "host/run/PanelPinText.h"
#include "host/run/ParameterPins.h"

namespace zuhost {

// One row of a crossings timeline: time,direction,pin,voice,value ("all" for voice -1).
void writeCrossing(std::ostream& timeline, double seconds, std::string_view direction, const PinDescription& pin,
                   int32_t voice, std::span<const uint8_t> bytes);

class SessionConnection {
public:
    SessionConnection(const PluginDescription& plugin, gui::PanelSession& panel, Runner& runner,
                      const std::filesystem::path& timeline, ParameterRange range);

    void start();
    // A value the host gives a panel pin; on a parameter's value pin it sets the parameter.
    void hostSets(const PanelPinValue& value);
    void fromPanel();
    void fromProcessor();
    void finish() { timeline_.finish(); }

    int64_t valuesToProcessor() const { return valuesToProcessor_; }
    int64_t valuesToPanel() const { return valuesToPanel_; }

private:
    void toPanel(int32_t parameterId, std::span<const uint8_t> bytes, int32_t voice, int32_t exceptPin);
    void toProcessor(int32_t parameterId, std::span<const uint8_t> bytes);
    void record(std::string_view direction, const PinDescription& pin, int32_t voice, std::span<const uint8_t> bytes);

    const PluginDescription& plugin_;
    gui::PanelSession& panel_;
    Runner& runner_;
    ParameterRange range_;
    OutputFile timeline_;
    size_t transmitsSeen_ = 0;
    int64_t valuesToProcessor_ = 0;
    int64_t valuesToPanel_ = 0;
};

}  // namespace zuhost
