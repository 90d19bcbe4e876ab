// One node of the graph that plays a patch on the audio thread, and what
// reaches one of its inputs.
//
// Contract: nodes are processed once a block in the plan's order, so that
// the outputs an input reads are those of the same block. Nothing here
// allocates, locks or waits once the graph is built.
#pragma once

#include <cstdint>
#include <vector>

namespace zuhost::play {

class AudioNode {
public:
    virtual ~AudioNode() = default;
    virtual void process(int32_t frames) = 0;
    // The last block's samples on an output pin (numbered as in PatchPlan.h).
    virtual const float* output(int32_t pin) const = 0;
    // Whether the output changes from sample to sample; static ones hold a value.
    virtual bool streaming(int32_t) const { return true; }
};

// The constant plus, per connection, the source's samples times its scale
// plus its offset.
class InputMix {
public:
    struct Source {
        const AudioNode* node;
        int32_t pin;
        float scale;
    };

    InputMix() = default;
    InputMix(float constant, std::vector<Source> sources) : constant_(constant), sources_(std::move(sources)) {}

    void render(int32_t frames, float* out) const;
    bool connected() const { return !sources_.empty(); }
    bool streaming() const;

private:
    float constant_ = 0.0f;
    std::vector<Source> sources_;
};

}  // namespace zuhost::play
