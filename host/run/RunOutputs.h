// The files of one processor run (process, session), written block by block
// as it goes: one WAV per audio output (a channel per voice), the timeline
// CSV, the capture CSV when the plug-in has blob outputs, and the summary's
// figures. Draining the call log after every block keeps the log within its
// reserve, so the run itself does not allocate.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "host/audio/Runner.h"
#include "host/description/PluginDescription.h"
#include "host/run/CaptureCsv.h"
#include "host/run/RunSummary.h"
#include "host/run/TimelineCsv.h"
#include "host/run/WavFile.h"

namespace zuhost {

class RunOutputs {
public:
    // Creates the directory and the files; throws when it cannot.
    RunOutputs(const std::filesystem::path& directory, const PluginDescription& plugin, const Runner& runner);

    void afterBlock(Runner& runner, int32_t frames);
    const std::vector<std::filesystem::path>& files() const { return files_; }
    const RunSummary& summary() const { return summary_; }

private:
    struct AudioOutput {
        int32_t pin;
        std::unique_ptr<WavWriter> writer;
    };

    void writeAudio(const Runner& runner, int32_t frames);

    std::vector<AudioOutput> audio_;
    std::vector<float> interleaved_;
    TimelineCsv timeline_;
    std::optional<CaptureCsv> captures_;
    RunSummary summary_;
    std::vector<std::filesystem::path> files_;
};

// A file name made of a pin's name: letters and digits kept, the rest '_'.
std::string fileNameFor(std::string_view pinName);

}  // namespace zuhost
