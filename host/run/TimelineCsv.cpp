#include "host/run/TimelineCsv.h"

#include "host/run/CsvText.h"
#include "host/run/PinValueText.h"

namespace zuhost {

TimelineCsv::TimelineCsv(const std::filesystem::path& path, const PluginDescription& plugin)
    : plugin_(plugin), file_(path) {
    file_ << "time,voice,pin,name,event,value\n";
}

void TimelineCsv::write(const CallLog& log) {
    for (const HostCall& call : log.calls()) writeCall(log, call);
}

void TimelineCsv::writeCall(const CallLog& log, const HostCall& call) {
    file_ << call.time << ',' << call.voice << ',';
    if (call.kind == HostCall::Kind::Sleep) {
        file_ << ",,sleep,\n";
        return;
    }
    const PinDescription* pin = plugin_.findAudioPin(call.pin);
    // A pin the description does not have is shown by index, its bytes in hex.
    PinDescription unknown;
    unknown.index = call.pin;
    unknown.name = unknown.datatype = "?";
    const PinDescription& described = pin != nullptr ? *pin : unknown;
    file_ << call.pin << ',' << csvField(described.name) << ',';
    if (call.kind == HostCall::Kind::PinStreaming) {
        file_ << "streaming," << (call.streaming ? "on" : "off") << '\n';
    } else {
        file_ << "value," << csvField(formatPinValue(described, log.bytes(call))) << '\n';
    }
}

}  // namespace zuhost
