// Whether a processor keeps to the buffers it is given, as the strictest
// hosts check it: every output sample written while the output streams,
// nothing written past a buffer's end, inputs left as they were. Outputs
// start each block filled with a marker NaN, and every buffer is followed by
// canaries. A static output may rely on the host keeping its buffer, so its
// samples are not required.
#include <bit>
#include <cstring>
#include <span>
#include <string>
#include <vector>

#include "host/audio/AudioHost.h"
#include "host/audio/EventList.h"
#include "host/description/PluginLibrary.h"
#include "host/validate/Checks.h"
#include "host/validate/DirectProcessor.h"
#include "host/validate/ProcessorDrive.h"
#include "host/validate/RandomSource.h"
#include "host/validate/Strictness.h"

namespace zuhost {

namespace {

constexpr uint32_t unwrittenSample = 0x7FC5A5A5u;  // a quiet NaN no arithmetic produces
constexpr uint32_t canary = 0x7FCCA11Eu;
constexpr int32_t canaryCount = 16;
constexpr int64_t fewestBufferBlocks = 4;
constexpr int64_t maxBlocks = 600;

float fromBits(uint32_t bits) { return std::bit_cast<float>(bits); }
uint32_t bitsOf(float sample) { return std::bit_cast<uint32_t>(sample); }

// One audio-rate pin's buffer, long enough for the largest block, with canaries behind.
struct PinBuffer {
    const PinDescription* pin;
    std::vector<float> samples;
    std::vector<float> inputCopy;  // what an input held before process
    bool streaming = true;         // an output, as the processor last said

    bool isOutput() const { return pin->direction == gmpi::MP_OUT; }
};

class BufferedProcessor {
public:
    BufferedProcessor(const PluginLibrary& library, const PluginDescription& plugin, const AudioConfig& config,
                      RandomSource& random)
        : host_(HostSettings{config.sampleRate}),
          processor_(library, plugin, host_, maxFrames(config)),
          random_(random),
          config_(config) {
        for (const PinDescription& pin : plugin.audioPins) {
            if (!pin.isAudioRate()) continue;
            PinBuffer& buffer = buffers_.emplace_back(PinBuffer{&pin, {}, {}});
            buffer.samples.assign(static_cast<size_t>(maxFrames(config) + canaryCount), fromBits(canary));
        }
        connectBuffers();
        if (const int32_t result = processor_.open(); result != gmpi::MP_OK)
            fail("open answered " + std::to_string(result));
        connectBuffers();
        startEvents_.addGraphStart(0);
        scriptValues(plugin);
    }

    void runBlock(bool first) {
        const int32_t frames = config_.blockSize == randomBlocks
                                   ? static_cast<int32_t>(random_.integer(1, maxBlockSize))
                                   : config_.blockSize;
        prepareBuffers(frames);
        host_.log().clear();
        processor_.process(frames, first ? startEvents_.first() : nullptr);
        for (PinBuffer& buffer : buffers_) requireKept(buffer, frames, host_.log().calls());
    }

    int32_t release() { return processor_.release(); }

private:
    static int32_t maxFrames(const AudioConfig& config) {
        return config.blockSize == randomBlocks ? maxBlockSize : config.blockSize;
    }

    void connectBuffers() {
        for (PinBuffer& buffer : buffers_) processor_.setBuffer(buffer.pin->index, buffer.samples.data());
    }

    // Inputs carry noise, so the audio ones stream from the start.
    void scriptValues(const PluginDescription& plugin) {
        for (const PinDescription& pin : plugin.audioPins) {
            if (pin.direction != gmpi::MP_IN) continue;
            if (pin.isAudioRate()) {
                startEvents_.addStreaming(0, pin.index, true);
                continue;
            }
            values_.push_back(settledValue(pin.datatypeCode));
            startEvents_.add(0, gmpi::EVENT_PIN_SET, pin.index, values_.back());
        }
    }

    void prepareBuffers(int32_t frames) {
        for (PinBuffer& buffer : buffers_) {
            const auto length = static_cast<size_t>(frames);
            for (size_t i = 0; i < length; ++i)
                buffer.samples[i] =
                    buffer.isOutput() ? fromBits(unwrittenSample) : static_cast<float>(random_.real(-1.0, 1.0));
            std::fill(buffer.samples.begin() + static_cast<std::ptrdiff_t>(length), buffer.samples.end(),
                      fromBits(canary));
            if (!buffer.isOutput())
                buffer.inputCopy.assign(buffer.samples.begin(),
                                        buffer.samples.begin() + static_cast<std::ptrdiff_t>(length));
        }
    }

    static void requireKept(PinBuffer& buffer, int32_t frames, std::span<const HostCall> calls) {
        const std::string pin = pinName(*buffer.pin);
        auto change = calls.begin();
        for (size_t i = static_cast<size_t>(frames); i < buffer.samples.size(); ++i)
            if (bitsOf(buffer.samples[i]) != canary)
                fail("process(" + std::to_string(frames) + ") wrote past the end of " + pin + "'s buffer, at sample " +
                     std::to_string(i));
        for (size_t i = 0; i < static_cast<size_t>(frames); ++i) {
            for (; change != calls.end() && change->time <= static_cast<int64_t>(i); ++change)
                if (change->kind == HostCall::Kind::PinStreaming && change->pin == buffer.pin->index)
                    buffer.streaming = change->streaming;
            if (buffer.isOutput() && buffer.streaming && bitsOf(buffer.samples[i]) == unwrittenSample)
                fail("process(" + std::to_string(frames) + ") left sample " + std::to_string(i) + " of " + pin +
                     " unwritten while it streamed");
            if (!buffer.isOutput() && bitsOf(buffer.samples[i]) != bitsOf(buffer.inputCopy[i]))
                fail("process(" + std::to_string(frames) + ") changed sample " + std::to_string(i) + " of the input " +
                     pin);
        }
        for (; change != calls.end(); ++change)
            if (change->kind == HostCall::Kind::PinStreaming && change->pin == buffer.pin->index)
                buffer.streaming = change->streaming;
    }

    AudioHost host_;
    DirectProcessor processor_;
    RandomSource& random_;
    AudioConfig config_;
    std::vector<PinBuffer> buffers_;
    std::vector<std::vector<uint8_t>> values_;
    EventList startEvents_;
};

int64_t blockCount(const AudioConfig& config, int strictness) {
    const int32_t frames = config.blockSize == randomBlocks ? maxBlockSize / 2 : config.blockSize;
    const auto length = static_cast<int64_t>(config.sampleRate * 0.02 * strictness);
    return std::clamp<int64_t>(length / frames, fewestBufferBlocks, maxBlocks);
}

void runConfig(const CheckContext& context, const PluginLibrary& library, const AudioConfig& config) {
    RandomSource random(context.options.seed, context.plugin->id + "/buffers/" + config.describe());
    // The second processor is made after the first is released, as a host reopens one.
    for (const char* round : {"first processor", "processor made after the first was released"}) {
        within(round, [&] {
            BufferedProcessor processor(library, *context.plugin, config, random);
            const int64_t blocks = blockCount(config, context.options.strictness);
            for (int64_t block = 0; block < blocks; ++block) processor.runBlock(block == 0);
            processor.release();
        });
    }
}

}  // namespace

Verdict checkBuffers(const CheckContext& context) {
    const PluginLibrary library = PluginLibrary::open(context.options.library);
    const std::vector<AudioConfig> configs = bufferConfigs(context.options.strictness);
    for (const AudioConfig& config : configs) within(config.describe(), [&] { runConfig(context, library, config); });
    return passed(std::to_string(configs.size()) + " configurations");
}

}  // namespace zuhost
