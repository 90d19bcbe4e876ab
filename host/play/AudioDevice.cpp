#include "host/play/AudioDevice.h"

#include <cmath>
#include <numeric>

namespace zuhost::play {

namespace {

constexpr int channels = 2;

[[noreturn]] void fail(const std::string& what) {
    throw DeviceError("no sound device (" + what +
                      "): pass --audio-driver dummy, or --audio-driver disk --audio-out FILE");
}

}  // namespace

int32_t deviceBufferFrames(const std::string& driver, float sampleRate, int32_t blockSize) {
    const auto rate = static_cast<int64_t>(std::lround(sampleRate));
    if ((driver != "disk" && driver != "dummy") || rate <= 0) return blockSize;
    // Frames in the fewest whole milliseconds that hold a whole number of frames.
    const int64_t unit = rate / std::gcd(rate, int64_t{1000});
    return static_cast<int32_t>((blockSize + unit - 1) / unit * unit);
}

AudioDevice::AudioDevice(const DeviceSettings& settings, AudioEngine& engine) {
    const char* driver = settings.driver.empty() ? nullptr : settings.driver.c_str();
    if (SDL_AudioInit(driver) != 0) fail(SDL_GetError());
    driver_ = SDL_GetCurrentAudioDriver();
    bufferFrames_ = deviceBufferFrames(driver_, settings.sampleRate, settings.blockSize);
    SDL_AudioSpec wanted{};
    wanted.freq = static_cast<int>(std::lround(settings.sampleRate));
    wanted.format = AUDIO_F32SYS;
    wanted.channels = channels;
    wanted.samples = static_cast<Uint16>(bufferFrames_);
    wanted.callback = &AudioDevice::callback;
    wanted.userdata = &engine;
    const std::string outFile = settings.outFile.string();
    // The disk driver takes the file it writes as the device's name.
    const char* name = driver_ == "disk" && !outFile.empty() ? outFile.c_str() : nullptr;
    SDL_AudioSpec obtained{};
    // The disk driver announces itself as a critical message; whoever chose it knows.
    SDL_LogOutputFunction log = nullptr;
    void* logData = nullptr;
    SDL_LogGetOutputFunction(&log, &logData);
    if (driver_ == "disk") SDL_LogSetOutputFunction([](void*, int, SDL_LogPriority, const char*) {}, nullptr);
    device_ = SDL_OpenAudioDevice(name, 0, &wanted, &obtained, 0);
    SDL_LogSetOutputFunction(log, logData);
    if (device_ == 0) {
        const std::string reason = SDL_GetError();
        SDL_AudioQuit();
        fail(driver_ + ": " + reason);
    }
}

AudioDevice::~AudioDevice() {
    SDL_CloseAudioDevice(device_);
    SDL_AudioQuit();
}

void AudioDevice::callback(void* engine, Uint8* stream, int bytes) {
    const int frames = bytes / static_cast<int>(sizeof(float) * channels);
    static_cast<AudioEngine*>(engine)->fill(reinterpret_cast<float*>(stream), frames);
}

}  // namespace zuhost::play
