// The nodes of a patch built for playing, and one block of them played in
// the plan's order: what the output nodes receive is the block's sound.
//
// Contract: built on one thread (opening every processor; a processor that
// fails to open throws std::runtime_error naming its node), then played on
// the audio thread alone, where renderBlock neither allocates nor locks.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "host/description/PluginLibrary.h"
#include "host/play/AudioNode.h"
#include "host/play/HostNodes.h"
#include "host/play/PatchPlan.h"
#include "host/play/ProcessorNode.h"

namespace zuhost::play {

class AudioGraph {
public:
    AudioGraph(const PatchPlan& plan, const PluginLibrary& library, float sampleRate, int32_t blockSize);

    void renderBlock(int32_t frames);
    const float* left() const { return left_.data(); }
    const float* right() const { return right_.data(); }

    // The processor of a plug-in node, or null for a host node or no node.
    ProcessorNode* processor(int32_t node) const;
    // Every meter with its node's id.
    const std::vector<std::pair<std::string, MeterNode*>>& meters() const { return meters_; }
    int32_t blockSize() const { return blockSize_; }

private:
    std::vector<InputMix> hostInputs(const PatchPlan& plan, int32_t node) const;
    InputMix mixFor(const PatchPlan& plan, PinRef input, float constant) const;
    std::unique_ptr<AudioNode> build(const PatchPlan& plan, const PluginLibrary& library, int32_t node,
                                     float sampleRate);

    int32_t blockSize_;
    std::vector<std::unique_ptr<AudioNode>> nodes_;  // by patch node
    std::vector<ProcessorNode*> processors_;         // by patch node; null for host nodes
    std::vector<int32_t> order_;
    std::vector<OutputNode*> outputs_;
    std::vector<std::pair<std::string, MeterNode*>> meters_;
    std::vector<float> left_, right_;
};

}  // namespace zuhost::play
