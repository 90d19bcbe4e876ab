// A processor driven by hand rather than by a Runner, for checks that look at
// what its interface answers.
//
// Contract: the processor is made through the factory's createInstance with
// the given host; when it took no reference on the host there (it does not
// implement IoldSchoolInitialisation) and offers IMpPlugin2, it gets the host
// through setHost, so it receives the host exactly once. Every described
// audio-rate pin gets a buffer of blockSize samples. The object holds one
// reference on the processor until release() or its destruction; the library
// and the host must outlive it.
#pragma once

#include <cstdint>
#include <vector>

#include "framework/ComRef.h"
#include "framework/MpInterfaces.h"
#include "host/audio/AudioHost.h"
#include "host/description/PluginDescription.h"
#include "host/description/PluginLibrary.h"

namespace zuhost {

class DirectProcessor {
public:
    DirectProcessor(const PluginLibrary& library, const PluginDescription& plugin, AudioHost& host, int32_t blockSize);
    DirectProcessor(const DirectProcessor&) = delete;
    DirectProcessor& operator=(const DirectProcessor&) = delete;

    int32_t setBuffer(int32_t pin, float* buffer);
    void setBuffers();  // each described audio-rate pin its own buffer; results ignored
    int32_t open();
    int32_t process(int32_t frames, const gmpi::MpEvent* events);

    gmpi::IMpUnknown& object() const { return *object_; }
    // Gives up the reference held here; returns what release answered.
    int32_t release();

private:
    void connect(AudioHost& host);

    gmpi::ComRef<gmpi::IMpUnknown> object_;
    gmpi::IMpPlugin2* plugin2_ = nullptr;  // parts of object_, valid while it lives
    gmpi::IMpPlugin* plugin_ = nullptr;
    std::vector<int32_t> audioPins_;
    std::vector<std::vector<float>> buffers_;
};

}  // namespace zuhost
