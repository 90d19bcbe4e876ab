#include "host/play/SessionRecorder.h"

#include <cstdio>
#include <stdexcept>

#include "host/command/NumberText.h"
#include "host/gui/PanelSession.h"
#include "host/panel/SessionConnection.h"

namespace zuhost::play {

namespace {

constexpr size_t hearingChunk = 8192;

std::filesystem::path madeFolder(const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder);
    return folder;
}

std::string keysOf(uint32_t modifiers) {
    std::string keys;
    if (modifiers & gui::AltKey) keys += " alt";
    if (modifiers & gui::ControlKey) keys += " control";
    if (modifiers & gui::ShiftKey) keys += " shift";
    return keys;
}

}  // namespace

std::string scriptTime(double seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6fs", seconds < 0 ? 0.0 : seconds);
    return text;
}

SessionRecorder::SessionRecorder(const std::filesystem::path& folder, float sampleRate)
    : folder_(madeFolder(folder)),
      script_(folder / "script.txt", std::ios::binary),
      crossings_(folder / "crossings.csv", std::ios::binary),
      wav_(folder / "heard.wav", 2, sampleRate),
      buffer_(hearingChunk) {
    if (!script_ || !crossings_) throw std::runtime_error("cannot write into " + folder.string());
    script_ << "# recorded by zuhost play; replay with: zuhost session PLUGIN --script "
            << (folder / "script.txt").string() << "\n";
    crossings_ << "time,direction,pin,voice,value\n";
}

void SessionRecorder::pin(double seconds, std::string_view name, std::string_view value) {
    script_ << scriptTime(seconds) << " pin " << name << "=" << value << "\n";
}

void SessionRecorder::pointer(double seconds, std::string_view verb, gmpi_gui::MpPoint point, uint32_t modifiers,
                              const gui::UserScript& shown) {
    const std::string time = scriptTime(seconds);
    for (; menusSeen_ < shown.menus().size(); ++menusSeen_)
        script_ << time << " choose " << shown.menus()[menusSeen_].chosenId << "\n";
    for (; entriesSeen_ < shown.textEntries().size(); ++entriesSeen_)
        if (const auto& typed = shown.textEntries()[entriesSeen_].typedText)
            script_ << time << " type " << *typed << "\n";
    script_ << time << " " << verb << " " << shortestText(point.x) << "," << shortestText(point.y) << keysOf(modifiers)
            << "\n";
}

void SessionRecorder::comment(double seconds, std::string_view text) {
    script_ << "# " << scriptTime(seconds) << " " << text << "\n";
}

void SessionRecorder::crossing(double seconds, std::string_view direction, const PinDescription& pin, int32_t voice,
                               std::span<const uint8_t> bytes) {
    writeCrossing(crossings_, seconds, direction, pin, voice, bytes);
}

void SessionRecorder::hear(DroppingQueue<float>& heard) {
    // Blocks go into the queue whole, so what comes out is whole frames.
    while (const size_t count = heard.pop(buffer_.data(), buffer_.size())) wav_.write({buffer_.data(), count});
}

std::vector<std::filesystem::path> SessionRecorder::files() const {
    return {folder_ / "script.txt", folder_ / "crossings.csv", folder_ / "heard.wav"};
}

}  // namespace zuhost::play
