#include "host/audio/Runner.h"

#include <algorithm>
#include <limits>
#include <stdexcept>
#include <utility>

namespace zuhost {

Runner::Runner(std::vector<PinInfo> pins, RunnerSettings settings, std::shared_ptr<SharedMemory> memory)
    : pins_(std::move(pins)),
      settings_(settings),
      memory_(memory ? std::move(memory) : std::make_shared<SharedMemory>()),
      log_(std::make_shared<CallLog>(settings.logCalls, settings.logBytes)) {
    settings_.blockSize = std::max(settings_.blockSize, 1);
    settings_.voices = std::max(settings_.voices, 1);
    // Resolved once here so that every voice clone reports the same handle.
    if (settings_.host.handle == 0) settings_.host.handle = newModuleHandle();
    for (const PinInfo& pin : pins_) {
        if (!pin.audioRate) continue;
        if (pin.isAudioInput()) {
            const auto slot = static_cast<int32_t>(audioPins_.size());
            inputs_.push_back({pin.index, slot, {}, std::vector<float>(static_cast<size_t>(settings_.blockSize))});
        }
        audioPins_.push_back(pin);
    }
}

Runner::~Runner() { close(); }

void Runner::setInput(int32_t pin, Signal signal, int64_t from) {
    const auto input = std::find_if(inputs_.begin(), inputs_.end(), [pin](const Input& i) { return i.pin == pin; });
    if (input == inputs_.end()) throw std::invalid_argument("not an audio input pin");
    if (from < 0) throw std::invalid_argument("an input signal cannot start before sample 0");
    auto& segments = input->segments;
    const auto at = std::upper_bound(segments.begin(), segments.end(), from,
                                     [](int64_t time, const InputSegment& segment) { return time < segment.from; });
    segments.insert(at, InputSegment{from, std::move(signal)});
}

int32_t Runner::open(const PluginCreator& create) {
    size_t segmentCount = 0;
    for (const Input& input : inputs_) segmentCount += input.segments.size();
    streamingChanges_.reserve(segmentCount + inputs_.size());
    const size_t eventCapacity = script_.events().size() + streamingChanges_.capacity() + 1;

    voices_.reserve(static_cast<size_t>(settings_.voices));
    for (int32_t v = 0; v < settings_.voices; ++v) {
        Voice& voice = voices_.emplace_back();
        voice.host = std::make_unique<AudioHost>(settings_.host, memory_, log_, v);
        voice.buffers.assign(audioPins_.size(), std::vector<float>(static_cast<size_t>(settings_.blockSize)));
        voice.events.reserve(eventCapacity);
        if (const int32_t result = openVoice(voice, create); result != gmpi::MP_OK) return result;
    }
    return gmpi::MP_OK;
}

int32_t Runner::openVoice(Voice& voice, const PluginCreator& create) {
    voice.object = gmpi::ComRef<gmpi::IMpUnknown>::adopt(create(voice.host.get()));
    if (!voice.object) return gmpi::MP_FAIL;
    if (const int32_t result = connect(voice); result != gmpi::MP_OK) return result;
    setBuffers(voice);
    const int32_t result = voice.plugin2 ? voice.plugin2->open() : voice.plugin->open();
    if (result != gmpi::MP_OK) return result;
    // Processors may register pins in open, so their buffers are handed out again.
    setBuffers(voice);
    voice.host->takeSleepRequest();
    return gmpi::MP_OK;
}

int32_t Runner::connect(Voice& voice) {
    voice.plugin2 = voice.object.as<gmpi::IMpPlugin2>(gmpi::MP_IID_PLUGIN2);
    if (voice.plugin2) return voice.plugin2->setHost(voice.host.get());
    // A first-generation plug-in got its host from the creator.
    voice.plugin = voice.object.as<gmpi::IMpPlugin>(gmpi::MP_IID_PLUGIN);
    return voice.plugin ? gmpi::MP_OK : gmpi::MP_NOSUPPORT;
}

void Runner::close() {
    for (Voice& voice : voices_) {
        voice.plugin2.reset();
        voice.plugin.reset();
        voice.object.reset();
    }
}

void Runner::setBuffers(Voice& voice) {
    for (size_t slot = 0; slot < audioPins_.size(); ++slot) {
        float* buffer = voice.buffers[slot].data();
        const int32_t pin = audioPins_[slot].index;
        if (voice.plugin2)
            voice.plugin2->setBuffer(pin, buffer);
        else
            voice.plugin->setBuffer(pin, buffer);
    }
}

void Runner::run(int64_t samples, const BlockObserver& observer) {
    while (samples > 0) {
        const auto frames = static_cast<int32_t>(std::min<int64_t>(settings_.blockSize, samples));
        renderInputs(time_, frames);
        for (size_t v = 0; v < voices_.size(); ++v) runVoice(voices_[v], static_cast<int32_t>(v), time_, frames);
        if (observer) observer(time_, frames);
        time_ += frames;
        samples -= frames;
    }
}

const Runner::InputSegment* Runner::activeSegment(const Input& input, int64_t time) {
    const auto after = std::upper_bound(input.segments.begin(), input.segments.end(), time,
                                        [](int64_t t, const InputSegment& segment) { return t < segment.from; });
    return after == input.segments.begin() ? nullptr : &*(after - 1);
}

bool Runner::streamingAt(const Input& input, int64_t time) {
    const InputSegment* segment = activeSegment(input, time);
    return segment != nullptr && segment->signal.isStreaming();
}

void Runner::renderInputs(int64_t blockStart, int32_t frames) {
    streamingChanges_.clear();
    for (Input& input : inputs_) {
        renderInput(input, blockStart, frames);
        collectStreamingChanges(input, blockStart, frames);
    }
}

void Runner::renderInput(Input& input, int64_t blockStart, int32_t frames) {
    int32_t done = 0;
    while (done < frames) {
        const int64_t time = blockStart + done;
        const InputSegment* segment = activeSegment(input, time);
        const auto next = std::upper_bound(input.segments.begin(), input.segments.end(), time,
                                           [](int64_t t, const InputSegment& s) { return t < s.from; });
        const int64_t until = next == input.segments.end() ? std::numeric_limits<int64_t>::max() : next->from;
        const auto count = static_cast<int32_t>(std::min<int64_t>(frames - done, until - time));
        const std::span<float> out(input.samples.data() + done, static_cast<size_t>(count));
        if (segment != nullptr)
            segment->signal.render(time - segment->from, settings_.host.sampleRate, out);
        else
            std::fill(out.begin(), out.end(), 0.0f);
        done += count;
    }
}

void Runner::collectStreamingChanges(const Input& input, int64_t blockStart, int32_t frames) {
    // The first block tells every input's state; later ones only its changes.
    if (blockStart == 0) streamingChanges_.push_back({0, input.pin, streamingAt(input, 0)});
    const int64_t end = blockStart + frames;
    int64_t previousBoundary = -1;
    for (const InputSegment& segment : input.segments) {
        if (segment.from >= end) break;
        if (segment.from <= 0 || segment.from < blockStart || segment.from == previousBoundary) continue;
        previousBoundary = segment.from;
        const bool streaming = streamingAt(input, segment.from);
        if (streaming != streamingAt(input, segment.from - 1))
            streamingChanges_.push_back({static_cast<int32_t>(segment.from - blockStart), input.pin, streaming});
    }
}

void Runner::runVoice(Voice& voice, int32_t voiceIndex, int64_t blockStart, int32_t frames) {
    if (!voice.plugin2 && !voice.plugin) return;
    gatherEvents(voice, voiceIndex, blockStart, frames);
    if (voice.asleep && voice.events.empty()) {
        holdOutputs(voice, frames);
        ++voice.blocksSlept;
        return;
    }
    voice.asleep = false;
    copyInputs(voice, frames);
    setBuffers(voice);
    voice.host->beginBlock(blockStart);
    process(voice, frames);
    voice.graphStarted = true;
    voice.lastFrames = frames;
    voice.asleep = voice.host->takeSleepRequest();
}

void Runner::gatherEvents(Voice& voice, int32_t voiceIndex, int64_t blockStart, int32_t frames) {
    voice.events.clear();
    if (!voice.graphStarted) voice.events.addGraphStart(0);
    for (const StreamingChange& change : streamingChanges_)
        voice.events.addStreaming(change.offset, change.pin, change.streaming);
    for (const ScriptedEvent& event : script_.between(blockStart, blockStart + frames)) {
        if (event.voice != allVoices && event.voice != voiceIndex) continue;
        voice.events.add(static_cast<int32_t>(event.time - blockStart), event.type, event.pin, event.value);
    }
}

void Runner::holdOutputs(Voice& voice, int32_t frames) {
    for (size_t slot = 0; slot < audioPins_.size(); ++slot) {
        if (!audioPins_[slot].isAudioOutput()) continue;
        auto& buffer = voice.buffers[slot];
        const float last = voice.lastFrames > 0 ? buffer[static_cast<size_t>(voice.lastFrames - 1)] : 0.0f;
        std::fill_n(buffer.begin(), frames, last);
    }
    voice.lastFrames = frames;
}

void Runner::copyInputs(Voice& voice, int32_t frames) const {
    for (const Input& input : inputs_)
        std::copy_n(input.samples.begin(), frames, voice.buffers[static_cast<size_t>(input.slot)].begin());
}

void Runner::process(Voice& voice, int32_t frames) {
    const gmpi::MpEvent* events = voice.events.first();
    if (voice.plugin2)
        voice.plugin2->process(frames, events);
    else
        voice.plugin->process(frames, events);
}

int32_t Runner::audioSlot(int32_t pin) const {
    for (size_t slot = 0; slot < audioPins_.size(); ++slot)
        if (audioPins_[slot].index == pin) return static_cast<int32_t>(slot);
    return -1;
}

std::span<const float> Runner::buffer(int32_t voice, int32_t pin) const {
    const int32_t slot = audioSlot(pin);
    if (slot < 0) throw std::out_of_range("not an audio pin");
    const Voice& v = voices_.at(static_cast<size_t>(voice));
    return std::span<const float>(v.buffers[static_cast<size_t>(slot)].data(), static_cast<size_t>(v.lastFrames));
}

}  // namespace zuhost
