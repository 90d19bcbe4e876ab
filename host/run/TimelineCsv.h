// The timeline of a run as CSV: every pin value, streaming change and sleep
// request the plug-in sent, one per row, in the order sent.
//
// Columns: time (absolute sample), voice, pin (index), name, event (value,
// streaming or sleep), value (the value as text, on or off, or empty).
#pragma once

#include <filesystem>
#include <fstream>

#include "host/audio/CallLog.h"
#include "host/description/PluginDescription.h"

namespace zuhost {

class TimelineCsv {
public:
    // Throws std::runtime_error when the file cannot be created.
    TimelineCsv(const std::filesystem::path& path, const PluginDescription& plugin);

    void write(const CallLog& log);

private:
    void writeCall(const CallLog& log, const HostCall& call);

    const PluginDescription& plugin_;
    std::ofstream file_;
};

}  // namespace zuhost
