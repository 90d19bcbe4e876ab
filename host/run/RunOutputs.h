// The files of one processor run (process, session), written block by block
// as it goes into the run's output folder: one WAV per audio output (a
// channel per voice), the timeline CSV, the capture CSV when the plug-in has
// blob outputs and it is wanted, and the summary's figures. Draining the
// call log after every block keeps the log within its reserve, so the run
// itself does not allocate.
//
// Contract: the constructor creates the files and finish() completes them;
// either throws, naming the file, when it cannot. files() are the files
// made, in the order made.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "host/audio/Runner.h"
#include "host/description/PluginDescription.h"
#include "host/run/CaptureCsv.h"
#include "host/run/OutputFolder.h"
#include "host/run/RunSummary.h"
#include "host/run/TimelineCsv.h"
#include "host/run/WavFile.h"

namespace zuhost {

class RunOutputs {
public:
    RunOutputs(OutputFolder& folder, const PluginDescription& plugin, const Runner& runner, bool writeCaptures);

    void afterBlock(Runner& runner, int32_t frames);
    void finish();
    const std::vector<std::filesystem::path>& files() const { return files_; }
    const RunSummary& summary() const { return summary_; }

private:
    struct AudioOutput {
        int32_t pin;
        std::unique_ptr<WavWriter> writer;
    };

    void writeAudio(const Runner& runner, int32_t frames);
    std::filesystem::path made(OutputFolder& folder, const std::filesystem::path& name);

    std::vector<std::filesystem::path> files_;  // first: the files below are made through it
    std::vector<AudioOutput> audio_;
    std::vector<float> interleaved_;
    TimelineCsv timeline_;
    std::optional<CaptureCsv> captures_;
    RunSummary summary_;
};

// A file name made of a pin's name: letters and digits kept, the rest '_'.
std::string fileNameFor(std::string_view pinName);

}  // namespace zuhost
