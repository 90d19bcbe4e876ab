// A plug-in's processor as a node of the live graph: one instance per voice,
// driven as a host drives it on its audio thread. Values for its input pins
// arrive between blocks and reach every voice at the start of the next one;
// its audio inputs come from the patch, with streaming start and stop as
// their sources turn; a voice that asked for sleep is skipped, holding its
// outputs, until a block brings it an event.
//
// Contract: feed and open on the building thread, before the audio thread
// starts; receive, process and sent on the audio thread only. After open
// nothing allocates or locks: events, their bytes and what the voices send
// live in room reserved up front, and what does not fit is dropped and
// counted. Only second-generation processors (IMpPlugin2) are driven. The
// library must outlive the node; the destructor releases every instance.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "host/audio/AudioHost.h"
#include "host/audio/CallLog.h"
#include "host/audio/EventList.h"
#include "host/audio/Runner.h"
#include "host/description/PluginDescription.h"
#include "host/play/AudioNode.h"

namespace zuhost::play {

struct ProcessorSettings {
    float sampleRate = 48000.0f;
    int32_t blockSize = 64;
    int32_t voices = 1;
    size_t eventCapacity = 256;     // events one block may bring each voice
    size_t eventBytes = 64 * 1024;  // their values' bytes
};

class ProcessorNode final : public AudioNode {
public:
    ProcessorNode(const PluginDescription& plugin, ProcessorSettings settings);
    ~ProcessorNode() override;
    ProcessorNode(const ProcessorNode&) = delete;
    ProcessorNode& operator=(const ProcessorNode&) = delete;

    void feed(int32_t pin, InputMix mix);
    int32_t open(const PluginCreator& create);  // 0, or the first failing result

    bool receive(int32_t pin, std::span<const uint8_t> bytes);
    void process(int32_t frames) override;
    const float* output(int32_t pin) const override;
    bool streaming(int32_t pin) const override;
    // What the voices told the host during the last block.
    const CallLog& sent() const { return *log_; }
    int64_t dropped() const { return dropped_ + log_->dropped(); }

private:
    struct Voice {
        std::unique_ptr<AudioHost> host;
        gmpi::IMpUnknown* object = nullptr;
        gmpi::IMpPlugin2* plugin = nullptr;
        std::vector<std::vector<float>> buffers;  // one per audio pin, in audioPins_ order
        EventList events;
        bool started = false;
        bool asleep = false;
        int32_t lastFrames = 0;
    };
    struct Input {
        int32_t pin;
        size_t slot;
        InputMix mix;
        std::vector<float> samples;
        bool toldStreaming = false;
    };
    struct ValueOutput {
        const PinDescription* pin;
        float value = 0.0f;
        std::vector<float> samples;
    };
    struct Pending {
        int32_t type;
        int32_t pin;
        size_t offset;
        size_t size;
    };

    int32_t openVoice(Voice& voice, const PluginCreator& create);
    void setBuffers(Voice& voice);
    bool queue(int32_t type, int32_t pin, std::span<const uint8_t> bytes);
    void renderInputs(int32_t frames);
    void runVoice(Voice& voice, int32_t frames);
    void holdOutputs(Voice& voice, int32_t frames);
    void mixVoices(int32_t frames);
    void readSent(int32_t frames);
    std::vector<float>* audioOutputOf(int32_t pin);

    const PluginDescription& plugin_;
    ProcessorSettings settings_;
    std::vector<const PinDescription*> audioPins_;
    std::shared_ptr<CallLog> log_;
    std::vector<Voice> voices_;
    std::vector<Input> inputs_;
    std::vector<ValueOutput> valueOutputs_;
    std::vector<std::vector<float>> voiceMixes_;  // per audio pin, the sum of the voices' outputs
    std::vector<bool> outputStreaming_;           // per audio pin
    std::vector<Pending> pending_;
    std::vector<uint8_t> pendingBytes_;
    int64_t time_ = 0;
    int64_t dropped_ = 0;
};

}  // namespace zuhost::play
