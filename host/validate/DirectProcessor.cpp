#include "host/validate/DirectProcessor.h"

#include "host/description/TextEncoding.h"
#include "host/description/BorrowedPart.h"
#include "host/validate/Check.h"

namespace zuhost {

DirectProcessor::DirectProcessor(const PluginLibrary& library, const PluginDescription& plugin, AudioHost& host,
                                 int32_t blockSize) {
    const std::u16string id = utf8ToUtf16(plugin.id);
    void* created = nullptr;
    const int32_t result = library.factory().createInstance(id.c_str(), gmpi::MP_SUB_TYPE_AUDIO, &host, &created);
    if (result != gmpi::MP_OK || created == nullptr)
        fail("createInstance of the processor answered " + std::to_string(result) + (created ? "" : " with no object"));
    object_ = gmpi::ComRef<gmpi::IMpUnknown>::adopt(static_cast<gmpi::IMpUnknown*>(created));
    connect(host);
    for (const PinDescription& pin : plugin.audioPins) {
        if (!pin.isAudioRate()) continue;
        audioPins_.push_back(pin.index);
        buffers_.emplace_back(static_cast<size_t>(blockSize), 0.0f);
    }
}

void DirectProcessor::connect(AudioHost& host) {
    plugin2_ = borrowedPart<gmpi::IMpPlugin2>(*object_, gmpi::MP_IID_PLUGIN2);
    plugin_ = borrowedPart<gmpi::IMpPlugin>(*object_, gmpi::MP_IID_PLUGIN);
    if (plugin2_ == nullptr && plugin_ == nullptr) fail("the processor answers neither IMpPlugin2 nor IMpPlugin");
    if (host.outstandingReferences() == 0 && plugin2_ != nullptr) {
        const int32_t result = plugin2_->setHost(&host);
        if (result != gmpi::MP_OK) fail("setHost answered " + std::to_string(result));
    }
}

int32_t DirectProcessor::setBuffer(int32_t pin, float* buffer) {
    return plugin2_ ? plugin2_->setBuffer(pin, buffer) : plugin_->setBuffer(pin, buffer);
}

void DirectProcessor::setBuffers() {
    for (size_t i = 0; i < audioPins_.size(); ++i) setBuffer(audioPins_[i], buffers_[i].data());
}

int32_t DirectProcessor::open() { return plugin2_ ? plugin2_->open() : plugin_->open(); }

int32_t DirectProcessor::process(int32_t frames, const gmpi::MpEvent* events) {
    return plugin2_ ? plugin2_->process(frames, events) : plugin_->process(frames, events);
}

int32_t DirectProcessor::release() {
    plugin2_ = nullptr;
    plugin_ = nullptr;
    return object_.reset();
}

}  // namespace zuhost
