#include "host/run/CaptureCsv.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <stdexcept>

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

CaptureCsv::CaptureCsv(const std::filesystem::path& path, const PluginDescription& plugin) : file_(path, std::ios::binary) {
    if (!file_) throw std::runtime_error("cannot create " + path.string());
    file_ << "capture,time,voice,sample";
    for (const PinDescription& pin : plugin.audioPins) {
        if (pin.datatypeCode != gmpi::MP_BLOB || pin.direction != gmpi::MP_OUT) continue;
        channelPins_.push_back(pin.index);
        file_ << ',' << csvField(pin.name);
    }
    file_ << '\n';
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
    return call.kind == HostCall::Kind::PinValue && call.size == CAPTURE_BYTES && channelOf(call.pin) >= 0;
}

int32_t CaptureCsv::channelOf(int32_t pin) const {
    const auto found = std::find(channelPins_.begin(), channelPins_.end(), pin);
    return found == channelPins_.end() ? -1 : static_cast<int32_t>(found - channelPins_.begin());
}

void CaptureCsv::flush() {
    if (pendingCall_ == nullptr) return;
    char number[32];
    for (size_t sample = 0; sample < CAPTURE_SAMPLES; ++sample) {
        file_ << captures_ << ',' << pendingCall_->time << ',' << pendingCall_->voice << ',' << sample;
        for (const auto& blob : pending_) {
            file_ << ',';
            if (blob.empty()) continue;
            const auto [end, error] = std::to_chars(number, number + sizeof number, sampleAt(blob, sample));
            file_.write(number, end - number);
        }
        file_ << '\n';
    }
    ++captures_;
    pendingCall_ = nullptr;
    std::fill(pending_.begin(), pending_.end(), std::span<const uint8_t>());
}

}  // namespace zuhost
