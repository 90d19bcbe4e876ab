// Drives one module, one plug-in instance per voice, the way a host does.
//
// Contract:
//  - The caller names the module's pins; the runner owns a buffer for each
//    audio pin of each voice, fills audio inputs from their signals and sends
//    streaming start/stop (101/102) for an audio input at sample 0 and
//    whenever its signal turns between streaming and static. Other events
//    come from the script.
//  - open() creates every voice through the caller's creator (which gets the
//    voice's host object, for plug-ins that take it at creation), calls
//    setHost on IMpPlugin2 instances, hands out buffers, calls open and hands
//    out buffers again. Every process() call is preceded by setBuffer for each
//    audio pin. The first call of each voice carries graph start (104).
//  - A voice that asked for sleep is not called again until a block that
//    holds an event for it; meanwhile its audio outputs hold their last
//    sample and blocksSlept() counts the blocks it missed.
//  - run() does not allocate once open() has returned, as long as the script
//    is not changed and the call log stays within its reserve.
//  - Instances are released by close() or the destructor.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <vector>

#include "framework/ComRef.h"
#include "framework/MpInterfaces.h"
#include "host/audio/AudioHost.h"
#include "host/audio/CallLog.h"
#include "host/audio/EventList.h"
#include "host/audio/EventScript.h"
#include "host/audio/PinInfo.h"
#include "host/audio/SharedMemory.h"
#include "host/audio/Signals.h"

namespace zuhost {

struct RunnerSettings {
    HostSettings host;  // sample rate, sleep countdown, polyphonic flag, handle
    int32_t blockSize = 64;
    int32_t voices = 1;
    size_t logCalls = 4096;  // call log reserve
    size_t logBytes = 64 * 1024;
};

// Creates one instance holding one reference; gets the host object it serves.
using PluginCreator = std::function<gmpi::IMpUnknown*(gmpi::IMpUnknown* host)>;
// Called after every block with its absolute start and length.
using BlockObserver = std::function<void(int64_t blockStart, int32_t frames)>;

class Runner {
public:
    Runner(std::vector<PinInfo> pins, RunnerSettings settings = {}, std::shared_ptr<SharedMemory> memory = nullptr);
    ~Runner();
    Runner(const Runner&) = delete;
    Runner& operator=(const Runner&) = delete;

    // Before open.
    EventScript& script() { return script_; }
    void setInput(int32_t pin, Signal signal, int64_t from = 0);

    // Creates and opens every voice; 0, or the first failing result.
    int32_t open(const PluginCreator& create);
    // Processes `samples` more samples, block by block.
    void run(int64_t samples, const BlockObserver& observer = {});
    // Releases every instance.
    void close();

    int64_t time() const { return time_; }
    int32_t voiceCount() const { return static_cast<int32_t>(voices_.size()); }
    const std::vector<PinInfo>& pins() const { return pins_; }
    const RunnerSettings& settings() const { return settings_; }
    CallLog& log() { return *log_; }
    const CallLog& log() const { return *log_; }
    // The samples of an audio pin in the last block run.
    std::span<const float> buffer(int32_t voice, int32_t pin) const;
    AudioHost& host(int32_t voice) { return *voices_.at(voice).host; }
    const AudioHost& host(int32_t voice) const { return *voices_.at(voice).host; }
    int64_t blocksSlept(int32_t voice) const { return voices_.at(voice).blocksSlept; }
    bool asleep(int32_t voice) const { return voices_.at(voice).asleep; }

private:
    struct InputSegment {
        int64_t from;
        Signal signal;
    };
    struct Input {
        int32_t pin;
        int32_t slot;                        // its buffer among a voice's audio buffers
        std::vector<InputSegment> segments;  // ordered by start
        std::vector<float> samples;          // this block's samples
    };
    struct StreamingChange {
        int32_t offset;
        int32_t pin;
        bool streaming;
    };
    struct Voice {
        std::unique_ptr<AudioHost> host;
        gmpi::ComRef<gmpi::IMpUnknown> object;
        gmpi::ComRef<gmpi::IMpPlugin2> plugin2;
        gmpi::ComRef<gmpi::IMpPlugin> plugin;
        std::vector<std::vector<float>> buffers;  // one per audio pin, in audioPins_ order
        EventList events;
        bool graphStarted = false;
        bool asleep = false;
        int64_t blocksSlept = 0;
        int32_t lastFrames = 0;
    };

    int32_t openVoice(Voice& voice, const PluginCreator& create);
    int32_t connect(Voice& voice);
    void setBuffers(Voice& voice);
    void renderInputs(int64_t blockStart, int32_t frames);
    void renderInput(Input& input, int64_t blockStart, int32_t frames);
    void collectStreamingChanges(const Input& input, int64_t blockStart, int32_t frames);
    static const InputSegment* activeSegment(const Input& input, int64_t time);
    static bool streamingAt(const Input& input, int64_t time);
    void runVoice(Voice& voice, int32_t voiceIndex, int64_t blockStart, int32_t frames);
    void gatherEvents(Voice& voice, int32_t voiceIndex, int64_t blockStart, int32_t frames);
    void holdOutputs(Voice& voice, int32_t frames);
    void copyInputs(Voice& voice, int32_t frames) const;
    void process(Voice& voice, int32_t frames);
    int32_t audioSlot(int32_t pin) const;

    std::vector<PinInfo> pins_;
    std::vector<PinInfo> audioPins_;
    RunnerSettings settings_;
    std::shared_ptr<SharedMemory> memory_;
    std::shared_ptr<CallLog> log_;
    EventScript script_;
    std::vector<Input> inputs_;
    std::vector<StreamingChange> streamingChanges_;
    std::vector<Voice> voices_;
    int64_t time_ = 0;
};

}  // namespace zuhost
