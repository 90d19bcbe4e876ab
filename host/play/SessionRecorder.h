// What a live run did, kept so that `zuhost session` can do it again: the
// main panel's pin values and pointer actions (with the keys held, and the
// menu choices and typed texts they led to, written before the action that
// showed them) as a session script, every value that crossed between that
// panel and its processor as crossings.csv, and what was heard as WAV.
// Actions on other panels, which a session cannot replay, stay in the script
// as comments.
//
// Contract: GUI thread. The folder is made when missing; script.txt,
// crossings.csv and heard.wav are written as the run goes and complete when
// the recorder is destroyed. Times are seconds since the run began.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <span>
#include <string_view>
#include <vector>

#include "host/description/PluginDescription.h"
#include "gui/GuiInterfaces.h"
#include "host/gui/UserScript.h"
#include "host/play/DroppingQueue.h"
#include "host/run/WavFile.h"

namespace zuhost::play {

class SessionRecorder {
public:
    SessionRecorder(const std::filesystem::path& folder, float sampleRate);

    void pin(double seconds, std::string_view name, std::string_view value);
    // `verb` is down, move or up; `shown` is the panel's record of its menus and text entries.
    void pointer(double seconds, std::string_view verb, gmpi_gui::MpPoint point, uint32_t modifiers,
                 const gui::UserScript& shown);
    void comment(double seconds, std::string_view text);
    void crossing(double seconds, std::string_view direction, const PinDescription& pin, int32_t voice,
                  std::span<const uint8_t> bytes);
    // Writes what has been played since the last call.
    void hear(DroppingQueue<float>& heard);

    std::vector<std::filesystem::path> files() const;

private:
    std::filesystem::path folder_;
    std::ofstream script_;
    std::ofstream crossings_;
    WavWriter wav_;
    std::vector<float> buffer_;
    size_t menusSeen_ = 0;
    size_t entriesSeen_ = 0;
};

// "1.250000s": a time as a script line starts.
std::string scriptTime(double seconds);

}  // namespace zuhost::play
