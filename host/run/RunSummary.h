// What a run amounted to, printed at its end: samples and blocks processed,
// blocks slept, values and captures sent, the spans in which each audio
// output streamed, and whether the plug-in kept to the host's rules
// (references released, no unexpected calls).
#pragma once

#include <cstdint>
#include <map>
#include <ostream>
#include <utility>
#include <vector>

#include "host/audio/CallLog.h"
#include "host/audio/Runner.h"
#include "host/description/PluginDescription.h"

namespace zuhost {

class RunSummary {
public:
    explicit RunSummary(const PluginDescription& plugin) : plugin_(plugin) {}

    void record(const CallLog& log);
    void setCaptures(int64_t captures) { captures_ = captures; }
    // After the runner has closed, so that leftover references show.
    void print(std::ostream& out, const Runner& runner) const;

private:
    struct Span {
        int64_t begin;
        int64_t end;  // -1 while still streaming
    };
    using VoicePin = std::pair<int32_t, int32_t>;

    void recordStreaming(const HostCall& call);
    void printStreaming(std::ostream& out) const;
    void printConduct(std::ostream& out, const Runner& runner) const;

    const PluginDescription& plugin_;
    std::map<int32_t, int64_t> valuesPerPin_;
    std::map<VoicePin, std::vector<Span>> streaming_;
    int64_t sleepRequests_ = 0;
    int64_t captures_ = 0;
};

}  // namespace zuhost
