#include "host/run/ProcessorSetup.h"

#include "framework/ComRef.h"
#include "framework/MpInterfaces.h"
#include "host/description/BorrowedPart.h"
#include "host/description/TextEncoding.h"
#include "host/run/PinValueText.h"

namespace zuhost {

namespace {

gmpi::IMpUnknown* createWithHost(gmpi::IMpFactory2& factory, const std::u16string& id, gmpi::IMpUnknown* host) {
    void* object = nullptr;
    if (factory.createInstance(id.c_str(), gmpi::MP_SUB_TYPE_AUDIO, host, &object) != gmpi::MP_OK) return nullptr;
    return static_cast<gmpi::IMpUnknown*>(object);
}

}  // namespace

std::vector<PinInfo> audioPinInfos(const PluginDescription& plugin) {
    std::vector<PinInfo> pins;
    for (const PinDescription& pin : plugin.audioPins)
        pins.push_back({pin.index, pin.datatypeCode, pin.direction, pin.isAudioRate()});
    return pins;
}

PluginCreator processorCreator(const PluginLibrary& library, const std::string& pluginId) {
    gmpi::IMpFactory2& factory = library.factory();
    return [&factory, id = utf8ToUtf16(pluginId)](gmpi::IMpUnknown* host) -> gmpi::IMpUnknown* {
        void* object = nullptr;
        if (factory.createInstance2(id.c_str(), gmpi::MP_SUB_TYPE_AUDIO, &object) != gmpi::MP_OK || object == nullptr)
            return nullptr;
        auto created = gmpi::ComRef<gmpi::IMpUnknown>::adopt(static_cast<gmpi::IMpUnknown*>(object));
        if (borrowedPart<gmpi::IMpPlugin2>(*created, gmpi::MP_IID_PLUGIN2)) return created.detach();
        created.reset();  // gone before it is made again, with the host
        return createWithHost(factory, id, host);
    };
}

RunnerSettings runnerSettings(float sampleRate, int32_t blockSize, int32_t voices, int32_t sleepCountdown) {
    RunnerSettings settings;
    settings.host.sampleRate = sampleRate;
    settings.host.sleepCountdown = sleepCountdown;
    settings.host.polyphonic = voices > 1;
    settings.blockSize = blockSize;
    settings.voices = voices;
    return settings;
}

void feedHostConnectedPins(Runner& runner, const PluginDescription& plugin) {
    for (const PinDescription& pin : plugin.audioPins)
        if (pin.attribute("hostConnect") == "Voice/Active")
            runner.script().setValue(0, pin.index, parsePinValue(pin, "1"));
}

}  // namespace zuhost
