// The timeline of a run as CSV: every pin value, streaming change and sleep
// request the plug-in sent, one per row, in the order sent.
//
// Columns: time (absolute sample), voice, pin (index), name, event (value,
// streaming or sleep), value (the value as text, on or off, or empty).
#pragma once

#include <filesystem>

#include "host/audio/CallLog.h"
#include "host/description/PluginDescription.h"
#include "host/run/OutputFile.h"

namespace zuhost {

class TimelineCsv {
public:
    // Throws OutputError when the file cannot be created, or finish() when it could not be written.
    TimelineCsv(const std::filesystem::path& path, const PluginDescription& plugin);

    void write(const CallLog& log);
    void finish() { file_.finish(); }

private:
    void writeCall(const CallLog& log, const HostCall& call);

    const PluginDescription& plugin_;
    OutputFile file_;
};

}  // namespace zuhost
