// The sound device through SDL2 audio: it calls the engine from its own
// thread for two channels of 32-bit float frames at the rate asked (SDL
// converts when the device wants another format).
//
// Contract: the constructor opens the device paused, or throws DeviceError
// with one line that says what failed and the way out. The device's buffer
// is the block size, except for SDL's "disk" and "dummy" drivers, which
// pace themselves in whole milliseconds: there it is the smallest whole
// number of milliseconds that holds a block. The destructor stops the
// callbacks before it returns; the engine must outlive the device.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "host/play/AudioEngine.h"

namespace zuhost::play {

class DeviceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct DeviceSettings {
    std::string driver;             // SDL's driver name; empty: SDL's choice
    std::filesystem::path outFile;  // for the disk driver
    float sampleRate = 48000.0f;
    int32_t blockSize = 64;
};

// Frames in the device's buffer for the driver, as described above.
int32_t deviceBufferFrames(const std::string& driver, float sampleRate, int32_t blockSize);

class AudioDevice {
public:
    AudioDevice(const DeviceSettings& settings, AudioEngine& engine);
    ~AudioDevice();
    AudioDevice(const AudioDevice&) = delete;
    AudioDevice& operator=(const AudioDevice&) = delete;

    void start() { SDL_PauseAudioDevice(device_, 0); }
    uint32_t id() const { return device_; }
    std::string driver() const { return driver_; }
    int32_t bufferFrames() const { return bufferFrames_; }

private:
    static void callback(void* engine, Uint8* stream, int bytes);

    SDL_AudioDeviceID device_ = 0;
    std::string driver_;
    int32_t bufferFrames_ = 0;
};

}  // namespace zuhost::play
