#include "host/play/AudioNode.h"

#include <algorithm>

namespace zuhost::play {

void InputMix::render(int32_t frames, float* out) const {
    std::fill_n(out, frames, constant_);
    for (const Source& source : sources_) {
        const float* samples = source.node->output(source.pin);
        if (samples == nullptr) continue;
        for (int32_t i = 0; i < frames; ++i) out[i] += samples[i] * source.scale;
    }
}

bool InputMix::streaming() const {
    return std::any_of(sources_.begin(), sources_.end(),
                       [](const Source& source) { return source.node->streaming(source.pin); });
}

}  // namespace zuhost::play
