// The audio block loop of each of the five processors, driven by event lists
// decoded from the input: any times (out of order, before or past the block),
// types, pin indices, sizes, inline and extra data, and any block sizes.
//
// Input, little-endian (zeros once the input ends):
//   header: u8 processor (mod 5, in the order of `processors`), u8 voices
//           (1 + low two bits mod 3; bit 7: the host is polyphonic), f32 sample
//           rate, i32 sleep countdown the host asks for
//   then up to 64 blocks, each:
//     i16 sampleFrames, u8 voice mask (bit v: voice v runs; 0: all run),
//     per audio input pin (in pin order): u8 signal kind (mod 4: constant,
//       sine, ramp, raw samples from the input) and f32 level,
//     u8 event count (at most 64), then per event: i32 timeDelta, i32
//       eventType, i32 parm1, i32 parm2, i32 parm3, i32 parm4, u16 length of
//       extra data followed by that many bytes (0: the value is inline).
// Events are linked in input order. A host never points at fewer bytes than it
// says a value has, so parm2 is cut to the extra data's length.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <numbers>
#include <span>
#include <vector>

#include "framework/ComRef.h"
#include "framework/MpInterfaces.h"
#include "fuzz/FuzzCheck.h"
#include "fuzz/FuzzInput.h"
#include "host/audio/AudioHost.h"
#include "tests/modules/ModuleTestSupport.h"

namespace {

using zufuzz::check;
using zufuzz::FuzzInput;
using zuhost::PinInfo;

constexpr int maxBlocks = 64;
constexpr int maxEvents = 64;
constexpr int maxVoices = 3;
constexpr int32_t scopeCaptureBytes = 1600;

struct Processor {
    const char16_t* id;
    std::vector<PinInfo> pins;
    bool smoothedOutput;  // its audio output must stay finite
};

const std::vector<Processor>& processors() {
    static const std::vector<Processor> all{
        {u"ZU Slider", moduletest::sliderPins, true},
        {u"ZU Slider2", moduletest::sliderPins, true},
        {u"ZU List Entry", moduletest::listEntryPins, false},
        {u"ZU Scope3 XP", moduletest::scopePins(0), false},
        {u"ZU TrigScope3 XP", moduletest::triggerScopePins(), false},
    };
    return all;
}

const PinInfo* findPin(const Processor& processor, int32_t index) {
    for (const PinInfo& pin : processor.pins)
        if (pin.index == index) return &pin;
    return nullptr;
}

// One audio buffer of exactly the block's length, so that the sanitizer
// catches any access past it.
struct Buffer {
    int32_t pin;
    bool input;
    std::unique_ptr<float[]> samples;
    std::vector<float> given;  // an input's samples as handed over
};

struct Voice {
    std::unique_ptr<zuhost::AudioHost> host;
    gmpi::ComRef<gmpi::IMpUnknown> object;
    gmpi::ComRef<gmpi::IMpPlugin2> plugin2;
    gmpi::ComRef<gmpi::IMpPlugin> plugin;

    int32_t setBuffer(int32_t pin, float* buffer) const {
        return plugin2 ? plugin2->setBuffer(pin, buffer) : plugin->setBuffer(pin, buffer);
    }
    int32_t open() const { return plugin2 ? plugin2->open() : plugin->open(); }
    int32_t process(int32_t frames, const gmpi::MpEvent* events) const {
        return plugin2 ? plugin2->process(frames, events) : plugin->process(frames, events);
    }
    void release() {
        plugin2.reset();
        plugin.reset();
        object.reset();
    }
};

void create(Voice& voice, const Processor& processor) {
    moduletest::libraryFactory()->createInstance(processor.id, gmpi::MP_SUB_TYPE_AUDIO, voice.host.get(),
                                                 voice.object.put());
    check(static_cast<bool>(voice.object), "the factory creates every processor");
    voice.plugin2 = voice.object.as<gmpi::IMpPlugin2>(gmpi::MP_IID_PLUGIN2);
    if (voice.plugin2) {
        check(voice.plugin2->setHost(voice.host.get()) == gmpi::MP_OK, "the processor takes the host");
    } else {
        voice.plugin = voice.object.as<gmpi::IMpPlugin>(gmpi::MP_IID_PLUGIN);
        check(static_cast<bool>(voice.plugin), "a processor offers IMpPlugin");
    }
}

void fillInput(FuzzInput& input, std::span<float> samples) {
    const auto kind = input.read<uint8_t>() % 4;
    const auto level = input.read<float>();
    if (kind == 3) {
        // Raw samples, NaN and infinities included, repeated over the block.
        const auto raw = input.bytes(64 * sizeof(float));
        const size_t count = raw.size() / sizeof(float);
        for (size_t i = 0; i < samples.size(); ++i) {
            samples[i] = 0.0f;
            if (count > 0) std::memcpy(&samples[i], raw.data() + (i % count) * sizeof(float), sizeof(float));
        }
        return;
    }
    for (size_t i = 0; i < samples.size(); ++i) {
        const auto phase = static_cast<float>(i % 37) / 37.0f;
        if (kind == 0) samples[i] = level;
        if (kind == 1) samples[i] = level * std::sin(2.0f * std::numbers::pi_v<float> * phase);
        if (kind == 2) samples[i] = level * (2.0f * phase - 1.0f);
    }
}

struct EventList {
    std::vector<gmpi::MpEvent> events;
    std::vector<std::unique_ptr<uint8_t[]>> extraData;

    const gmpi::MpEvent* first() const { return events.empty() ? nullptr : events.data(); }
};

void readEvents(FuzzInput& input, EventList& list) {
    const int count = std::min<int>(input.read<uint8_t>(), maxEvents);
    list.events.resize(static_cast<size_t>(count));
    for (gmpi::MpEvent& event : list.events) {
        event.timeDelta = input.read<int32_t>();
        event.eventType = input.read<int32_t>();
        event.parm1 = input.read<int32_t>();
        event.parm2 = input.read<int32_t>();
        event.parm3 = input.read<int32_t>();
        event.parm4 = input.read<int32_t>();
        event.extraData = nullptr;
        const auto length = input.read<uint16_t>();
        if (length > 0) {
            const auto bytes = input.bytes(length);
            auto& extra = list.extraData.emplace_back(std::make_unique<uint8_t[]>(length));
            std::copy(bytes.begin(), bytes.end(), extra.get());
            event.extraData = extra.get();
            event.parm2 = std::min<int32_t>(event.parm2, length);
        }
    }
    for (size_t i = 0; i + 1 < list.events.size(); ++i) list.events[i].next = &list.events[i + 1];
    if (!list.events.empty()) list.events.back().next = nullptr;
}

// A host that sets an output pin itself gets that value back, whatever its size.
bool setsOutputPin(const Processor& processor, const EventList& list) {
    return std::any_of(list.events.begin(), list.events.end(), [&](const gmpi::MpEvent& event) {
        const PinInfo* pin = findPin(processor, event.parm1);
        return event.eventType == gmpi::EVENT_PIN_SET && pin != nullptr && pin->direction == gmpi::MP_OUT;
    });
}

// What a processor tells its host must make sense whatever the host sent it.
void checkHostCalls(const Processor& processor, const zuhost::CallLog& log, int32_t frames, bool outputsSetByHost) {
    for (const zuhost::HostCall& call : log.calls()) {
        if (call.kind == zuhost::HostCall::Kind::Sleep) continue;
        check(call.time >= 0 && call.time <= std::max(frames, 0), "what a processor sends is stamped within the block");
        const PinInfo* pin = findPin(processor, static_cast<int32_t>(call.pin));
        check(pin != nullptr && pin->direction == gmpi::MP_OUT, "a processor sends on its output pins only");
        if (pin->datatype == gmpi::MP_BLOB && !outputsSetByHost) {
            check(call.size == 0 || call.size == scopeCaptureBytes, "a scope sends a whole capture or an empty one");
        }
    }
}

void checkBuffers(const Processor& processor, const std::vector<Buffer>& buffers, int32_t frames, float sampleRate) {
    const auto length = static_cast<size_t>(std::max(frames, 0));
    for (const Buffer& buffer : buffers) {
        const std::span<const float> samples(buffer.samples.get(), length);
        if (buffer.input) {
            check(length == 0 || std::memcmp(samples.data(), buffer.given.data(), length * sizeof(float)) == 0,
                  "a processor leaves its input buffers alone");
        } else if (processor.smoothedOutput && std::isfinite(sampleRate)) {
            check(std::all_of(samples.begin(), samples.end(), [](float s) { return std::isfinite(s); }),
                  "a smoothed output stays finite");
        }
    }
}

class Session {
public:
    explicit Session(FuzzInput& input)
        : input_(input), processor_(processors()[input.read<uint8_t>() % processors().size()]) {
        const auto voiceByte = input.read<uint8_t>();
        zuhost::HostSettings settings;
        settings.polyphonic = (voiceByte & 0x80) != 0;
        settings.sampleRate = input.read<float>();
        settings.sleepCountdown = input.read<int32_t>();
        settings.handle = zuhost::newModuleHandle();
        sampleRate_ = settings.sampleRate;
        auto memory = std::make_shared<zuhost::SharedMemory>();
        log_ = std::make_shared<zuhost::CallLog>();
        voices_.resize(static_cast<size_t>(1 + (voiceByte & 3) % maxVoices));
        for (size_t v = 0; v < voices_.size(); ++v) {
            voices_[v].host = std::make_unique<zuhost::AudioHost>(settings, memory, log_, static_cast<int32_t>(v));
            create(voices_[v], processor_);
            check(voices_[v].open() == gmpi::MP_OK, "a processor opens");
        }
    }

    ~Session() {
        for (Voice& voice : voices_) {
            voice.release();
            check(voice.host->outstandingReferences() == 0 && !voice.host->overReleased(),
                  "a released processor gives back the host's references");
            check(voice.host->unexpectedCalls() == 0, "a processor calls its host as the interface allows");
        }
    }

    void runBlocks() {
        for (int block = 0; block < maxBlocks && !input_.done(); ++block) runBlock();
    }

private:
    void runBlock() {
        const int32_t frames = input_.read<int16_t>();
        const auto voiceMask = input_.read<uint8_t>();
        const auto buffers = makeBuffers(frames);
        EventList events;
        readEvents(input_, events);
        outputsSetByHost_ |= setsOutputPin(processor_, events);
        for (size_t v = 0; v < voices_.size(); ++v) {
            if (voiceMask != 0 && (voiceMask & (1u << v)) == 0) continue;
            for (const Buffer& buffer : buffers) voices_[v].setBuffer(buffer.pin, buffer.samples.get());
            log_->clear();
            voices_[v].process(frames, events.first());
            checkHostCalls(processor_, *log_, frames, outputsSetByHost_);
            checkBuffers(processor_, buffers, frames, sampleRate_);
        }
    }

    std::vector<Buffer> makeBuffers(int32_t frames) {
        const auto length = static_cast<size_t>(std::max(frames, 0));
        std::vector<Buffer> buffers;
        for (const PinInfo& pin : processor_.pins) {
            if (!pin.audioRate) continue;
            Buffer& buffer =
                buffers.emplace_back(Buffer{pin.index, pin.isAudioInput(), std::make_unique<float[]>(length), {}});
            if (!buffer.input) continue;
            fillInput(input_, std::span(buffer.samples.get(), length));
            buffer.given.assign(buffer.samples.get(), buffer.samples.get() + length);
        }
        return buffers;
    }

    FuzzInput& input_;
    const Processor& processor_;
    float sampleRate_ = 0.0f;
    bool outputsSetByHost_ = false;
    std::shared_ptr<zuhost::CallLog> log_;
    std::vector<Voice> voices_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    Session session(input);
    session.runBlocks();
    return 0;
}
