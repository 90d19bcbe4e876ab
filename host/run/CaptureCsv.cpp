#include "host/run/CaptureCsv.h"

#include <algorithm>
#include <charconv>
#include <cstring>

#include "framework/MpInterfaces.h"
#include "host/run/CsvText.h"

namespace zuhost {

namespace {

// The capture format is little-endian; so is every target this host runs on.
float sampleAt(std::span<const uint8_t> blob, size_t index) {
    float value = 0;
    std::memcpy(&value, blob.data() + index * sizeof(float), sizeof(float));
    return value;
}

}  // namespace

CaptureCsv::CaptureCsv(const PluginDescription& plugin, const std::optional<std::filesystem::path>& path) {
    if (path) file_.emplace(*path);
    std::string header = "capture,time,voice,sample";
    for (const PinDescription& pin : plugin.audioPins) {
        if (pin.datatypeCode != gmpi::MP_BLOB || pin.direction != gmpi::MP_OUT) continue;
        channelPins_.push_back(pin.index);
        header += ',' + csvField(pin.name);
    }
    if (file_) *file_ << header << '\n';
    pending_.resize(channelPins_.size());
}

void CaptureCsv::write(const CallLog& log) {
    for (const HostCall& call : log.calls()) {
        if (!isCapture(call)) continue;
        const auto channel = static_cast<size_t>(channelOf(call.pin));
        const bool sameGroup = pendingCall_ != nullptr && pendingCall_->voice == call.voice &&
                               pendingCall_->time == call.time && pending_[channel].empty();
        if (!sameGroup) {
            flush();
            pendingCall_ = &call;
        }
        pending_[channel] = log.bytes(call);
    }
    flush();
}

bool CaptureCsv::isCapture(const HostCall& call) const {
    return call.kind == HostCall::Kind::PinValue && call.size == captureBytes && channelOf(call.pin) >= 0;
}

int32_t CaptureCsv::channelOf(int32_t pin) const {
    const auto found = std::find(channelPins_.begin(), channelPins_.end(), pin);
    return found == channelPins_.end() ? -1 : static_cast<int32_t>(found - channelPins_.begin());
}

void CaptureCsv::flush() {
    if (pendingCall_ == nullptr) return;
    if (file_) writeRows(*file_);
    ++captures_;
    pendingCall_ = nullptr;
    std::fill(pending_.begin(), pending_.end(), std::span<const uint8_t>());
}

void CaptureCsv::writeRows(OutputFile& file) const {
    char number[32];
    for (size_t sample = 0; sample < captureSamples; ++sample) {
        file << captures_ << ',' << pendingCall_->time << ',' << pendingCall_->voice << ',' << sample;
        for (const auto& blob : pending_) {
            file << ',';
            if (blob.empty()) continue;
            const auto [end, error] = std::to_chars(number, number + sizeof number, sampleAt(blob, sample));
            file.write(number, end - number);
        }
        file << '\n';
    }
}

}  // namespace zuhost
