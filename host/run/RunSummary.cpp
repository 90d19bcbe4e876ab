#include "host/run/RunSummary.h"

namespace zuhost {

void RunSummary::record(const CallLog& log) {
    for (const HostCall& call : log.calls()) {
        switch (call.kind) {
            case HostCall::Kind::PinValue: ++valuesPerPin_[call.pin]; break;
            case HostCall::Kind::PinStreaming: recordStreaming(call); break;
            case HostCall::Kind::Sleep: ++sleepRequests_; break;
        }
    }
}

void RunSummary::recordStreaming(const HostCall& call) {
    auto& spans = streaming_[{call.voice, call.pin}];
    const bool open = !spans.empty() && spans.back().end < 0;
    if (call.streaming && !open) spans.push_back({call.time, -1});
    if (!call.streaming && open) spans.back().end = call.time;
}

void RunSummary::print(std::ostream& out, const Runner& runner) const {
    const int64_t blocks = (runner.time() + runner.settings().blockSize - 1) / runner.settings().blockSize;
    out << "samples processed: " << runner.time() << " (" << blocks << " blocks of " << runner.settings().blockSize
        << ", " << runner.voiceCount() << " voice(s))\n";
    out << "blocks slept:";
    for (int32_t v = 0; v < runner.voiceCount(); ++v) out << ' ' << runner.blocksSlept(v);
    out << "\nsleep requests: " << sleepRequests_ << "\n";
    out << "captures sent: " << captures_ << "\n";
    for (const auto& [pin, count] : valuesPerPin_) {
        const PinDescription* described = plugin_.findAudioPin(pin);
        out << "values sent on pin " << pin << " \"" << (described ? described->name : "?") << "\": " << count << "\n";
    }
    printStreaming(out);
    printConduct(out, runner);
}

void RunSummary::printStreaming(std::ostream& out) const {
    for (const auto& [key, spans] : streaming_) {
        const PinDescription* described = plugin_.findAudioPin(key.second);
        out << "streaming spans of voice " << key.first << " pin " << key.second << " \""
            << (described ? described->name : "?") << "\":";
        if (spans.empty()) out << " none";
        for (const Span& span : spans) {
            out << ' ' << span.begin << '-';
            if (span.end >= 0)
                out << span.end;
            else
                out << "end";
        }
        out << "\n";
    }
}

void RunSummary::printConduct(std::ostream& out, const Runner& runner) const {
    for (int32_t v = 0; v < runner.voiceCount(); ++v) {
        const AudioHost& host = runner.host(v);
        if (host.outstandingReferences() > 0)
            out << "warning: voice " << v << " kept " << host.outstandingReferences() << " host reference(s)\n";
        if (host.overReleased()) out << "warning: voice " << v << " released the host more often than it took it\n";
        if (host.unexpectedCalls() > 0)
            out << "warning: voice " << v << " made " << host.unexpectedCalls()
                << " host call(s) with bad arguments or to unused slots\n";
    }
}

}  // namespace zuhost
