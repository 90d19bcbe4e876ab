#include "host/play/ProcessorNode.h"

#include <algorithm>
#include <cstring>

#include "host/run/PinValueText.h"
#include "host/play/PatchPlan.h"

namespace zuhost::play {

namespace {

// The number a value pin's bytes hold, for the nodes it drives.
float numberOf(const PinDescription& pin, std::span<const uint8_t> bytes, float previous) {
    if (pin.datatype == "bool") return bytes.empty() ? previous : (bytes[0] != 0 ? 1.0f : 0.0f);
    if (bytes.size() != 4) return previous;
    if (pin.datatype == "float") {
        float value;
        std::memcpy(&value, bytes.data(), 4);
        return value;
    }
    int32_t value;
    std::memcpy(&value, bytes.data(), 4);
    return static_cast<float>(value);
}

}  // namespace

ProcessorNode::ProcessorNode(const PluginDescription& plugin, ProcessorSettings settings)
    : plugin_(plugin), settings_(settings) {
    const auto block = static_cast<size_t>(settings_.blockSize);
    for (const PinDescription& pin : plugin.audioPins) {
        if (pin.isAudioRate()) {
            audioPins_.push_back(&pin);
        } else if (pin.direction == gmpi::MP_OUT && carriesNumber(pin)) {
            valueOutputs_.push_back({&pin, 0.0f, std::vector<float>(block)});
        }
    }
    voiceMixes_.assign(audioPins_.size(), std::vector<float>(settings_.voices > 1 ? block : 0));
    outputStreaming_.assign(audioPins_.size(), false);
    // Each voice may send two capture blobs a block, beside a few small values.
    log_ = std::make_shared<CallLog>(1024 * static_cast<size_t>(settings_.voices),
                                     64 * 1024 + 2 * 4096 * static_cast<size_t>(settings_.voices));
    log_->keepWithinReserve();
    pending_.reserve(settings_.eventCapacity);
    pendingBytes_.reserve(settings_.eventBytes);
}

ProcessorNode::~ProcessorNode() {
    for (Voice& voice : voices_) {
        if (voice.plugin != nullptr) voice.plugin->release();
        if (voice.object != nullptr) voice.object->release();
    }
}

void ProcessorNode::feed(int32_t pin, InputMix mix) {
    const auto slot = std::find_if(audioPins_.begin(), audioPins_.end(), [pin](auto* p) { return p->index == pin; });
    if (slot == audioPins_.end()) return;
    inputs_.push_back({pin, static_cast<size_t>(slot - audioPins_.begin()), std::move(mix),
                       std::vector<float>(static_cast<size_t>(settings_.blockSize))});
}

int32_t ProcessorNode::open(const PluginCreator& create) {
    // Unfed audio inputs hear silence.
    for (const PinDescription* pin : audioPins_)
        if (pin->direction == gmpi::MP_IN &&
            std::none_of(inputs_.begin(), inputs_.end(), [pin](const Input& i) { return i.pin == pin->index; }))
            feed(pin->index, InputMix());
    HostSettings host;
    host.sampleRate = settings_.sampleRate;
    host.sleepCountdown = settings_.blockSize;
    host.polyphonic = settings_.voices > 1;
    host.handle = newModuleHandle();
    const auto memory = std::make_shared<SharedMemory>();
    voices_.reserve(static_cast<size_t>(settings_.voices));
    for (int32_t v = 0; v < settings_.voices; ++v) {
        Voice& voice = voices_.emplace_back();
        voice.host = std::make_unique<AudioHost>(host, memory, log_, v);
        voice.buffers.assign(audioPins_.size(), std::vector<float>(static_cast<size_t>(settings_.blockSize)));
        voice.events.reserve(settings_.eventCapacity);
        if (const int32_t result = openVoice(voice, create); result != gmpi::MP_OK) return result;
    }
    // A host holds every voice it plays active.
    for (const PinDescription& pin : plugin_.audioPins)
        if (pin.attribute("hostConnect") == "Voice/Active") receive(pin.index, parsePinValue(pin, "1"));
    log_->clear();
    return gmpi::MP_OK;
}

int32_t ProcessorNode::openVoice(Voice& voice, const PluginCreator& create) {
    voice.object = create(voice.host.get());
    if (voice.object == nullptr) return gmpi::MP_FAIL;
    void* part = nullptr;
    if (voice.object->queryInterface(gmpi::MP_IID_PLUGIN2, &part) != gmpi::MP_OK || part == nullptr)
        return gmpi::MP_NOSUPPORT;
    voice.plugin = static_cast<gmpi::IMpPlugin2*>(part);
    if (const int32_t result = voice.plugin->setHost(voice.host.get()); result != gmpi::MP_OK) return result;
    setBuffers(voice);
    if (const int32_t result = voice.plugin->open(); result != gmpi::MP_OK) return result;
    setBuffers(voice);
    voice.host->takeSleepRequest();
    return gmpi::MP_OK;
}

void ProcessorNode::setBuffers(Voice& voice) {
    for (size_t slot = 0; slot < audioPins_.size(); ++slot)
        voice.plugin->setBuffer(audioPins_[slot]->index, voice.buffers[slot].data());
}

bool ProcessorNode::queue(int32_t type, int32_t pin, std::span<const uint8_t> bytes) {
    if (pending_.size() == pending_.capacity() || pendingBytes_.capacity() - pendingBytes_.size() < bytes.size()) {
        ++dropped_;
        return false;
    }
    pending_.push_back({type, pin, pendingBytes_.size(), bytes.size()});
    pendingBytes_.insert(pendingBytes_.end(), bytes.begin(), bytes.end());
    return true;
}

bool ProcessorNode::receive(int32_t pin, std::span<const uint8_t> bytes) {
    return queue(gmpi::EVENT_PIN_SET, pin, bytes);
}

void ProcessorNode::renderInputs(int32_t frames) {
    for (Input& input : inputs_) {
        input.mix.render(frames, input.samples.data());
        const bool streaming = input.mix.streaming();
        if (time_ == 0 || streaming != input.toldStreaming)
            queue(streaming ? gmpi::EVENT_PIN_STREAMING_START : gmpi::EVENT_PIN_STREAMING_STOP, input.pin, {});
        input.toldStreaming = streaming;
    }
}

void ProcessorNode::process(int32_t frames) {
    log_->clear();
    renderInputs(frames);
    for (Voice& voice : voices_) runVoice(voice, frames);
    pending_.clear();
    pendingBytes_.clear();
    mixVoices(frames);
    readSent(frames);
    time_ += frames;
}

void ProcessorNode::runVoice(Voice& voice, int32_t frames) {
    voice.events.clear();
    if (!voice.started) voice.events.addGraphStart(0);
    for (const Pending& event : pending_) {
        if (voice.events.size() == voice.events.capacity()) {
            ++dropped_;
            continue;
        }
        const std::span<const uint8_t> bytes(pendingBytes_.data() + event.offset, event.size);
        voice.events.add(0, event.type, event.pin, bytes);
    }
    if (voice.asleep && voice.events.empty()) {
        holdOutputs(voice, frames);
        return;
    }
    for (const Input& input : inputs_) std::copy_n(input.samples.begin(), frames, voice.buffers[input.slot].begin());
    setBuffers(voice);
    voice.host->beginBlock(time_);
    voice.plugin->process(frames, voice.events.first());
    voice.started = true;
    voice.lastFrames = frames;
    voice.asleep = voice.host->takeSleepRequest();
}

void ProcessorNode::holdOutputs(Voice& voice, int32_t frames) {
    for (size_t slot = 0; slot < audioPins_.size(); ++slot) {
        if (audioPins_[slot]->direction != gmpi::MP_OUT) continue;
        auto& buffer = voice.buffers[slot];
        const float last = voice.lastFrames > 0 ? buffer[static_cast<size_t>(voice.lastFrames - 1)] : 0.0f;
        std::fill_n(buffer.begin(), frames, last);
    }
    voice.lastFrames = frames;
}

void ProcessorNode::mixVoices(int32_t frames) {
    if (voices_.size() < 2) return;
    for (size_t slot = 0; slot < audioPins_.size(); ++slot) {
        if (audioPins_[slot]->direction != gmpi::MP_OUT) continue;
        float* mix = voiceMixes_[slot].data();
        std::fill_n(mix, frames, 0.0f);
        for (const Voice& voice : voices_)
            for (int32_t i = 0; i < frames; ++i) mix[i] += voice.buffers[slot][static_cast<size_t>(i)];
    }
}

// Value outputs hold their value between changes; voice 0 speaks for them.
void ProcessorNode::readSent(int32_t frames) {
    for (ValueOutput& output : valueOutputs_) std::fill_n(output.samples.begin(), frames, output.value);
    for (const HostCall& call : log_->calls()) {
        if (call.voice != 0) continue;
        const auto offset = std::clamp<int64_t>(call.time - time_, 0, frames);
        if (call.kind == HostCall::Kind::PinStreaming) {
            for (size_t slot = 0; slot < audioPins_.size(); ++slot)
                if (audioPins_[slot]->index == call.pin) outputStreaming_[slot] = call.streaming;
            continue;
        }
        if (call.kind != HostCall::Kind::PinValue) continue;
        for (ValueOutput& output : valueOutputs_) {
            if (output.pin->index != call.pin) continue;
            output.value = numberOf(*output.pin, log_->bytes(call), output.value);
            std::fill(output.samples.begin() + offset, output.samples.begin() + frames, output.value);
        }
    }
}

const float* ProcessorNode::output(int32_t pin) const {
    for (const ValueOutput& output : valueOutputs_)
        if (output.pin->index == pin) return output.samples.data();
    for (size_t slot = 0; slot < audioPins_.size(); ++slot) {
        if (audioPins_[slot]->index != pin || audioPins_[slot]->direction != gmpi::MP_OUT) continue;
        if (voices_.empty()) return nullptr;
        return voices_.size() > 1 ? voiceMixes_[slot].data() : voices_.front().buffers[slot].data();
    }
    return nullptr;
}

bool ProcessorNode::streaming(int32_t pin) const {
    for (size_t slot = 0; slot < audioPins_.size(); ++slot)
        if (audioPins_[slot]->index == pin) return outputStreaming_[slot];
    return false;
}

}  // namespace zuhost::play
