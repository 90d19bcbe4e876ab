#include "host/play/AudioGraph.h"

#include <algorithm>
#include <stdexcept>

#include "host/run/ProcessorSetup.h"

namespace zuhost::play {

AudioGraph::AudioGraph(const PatchPlan& plan, const PluginLibrary& library, float sampleRate, int32_t blockSize)
    : blockSize_(blockSize),
      nodes_(plan.patch.nodes.size()),
      processors_(plan.patch.nodes.size(), nullptr),
      order_(plan.order),
      left_(static_cast<size_t>(blockSize)),
      right_(static_cast<size_t>(blockSize)) {
    // Sources come first in the order, so every input finds its sources built.
    for (const int32_t node : order_) nodes_[static_cast<size_t>(node)] = build(plan, library, node, sampleRate);
}

InputMix AudioGraph::mixFor(const PatchPlan& plan, PinRef input, float constant) const {
    std::vector<InputMix::Source> sources;
    for (const PlanConnection& connection : plan.connectionsTo(input)) {
        sources.push_back(
            {nodes_[static_cast<size_t>(connection.from.node)].get(), connection.from.pin, connection.scale});
        constant += connection.offset;
    }
    return InputMix(constant, std::move(sources));
}

std::vector<InputMix> AudioGraph::hostInputs(const PatchPlan& plan, int32_t node) const {
    const PatchNode& patchNode = plan.patch.nodes[static_cast<size_t>(node)];
    std::vector<InputMix> inputs;
    const auto pins = hostPinsOf(patchNode.kind);
    for (size_t pin = 0; pin < pins.size(); ++pin) {
        if (pins[pin].output) continue;
        const PinRef input{node, static_cast<int32_t>(pin)};
        const auto given = patchNode.inputs.find(std::string(pins[pin].name));
        const bool connected = !plan.connectionsTo(input).empty();
        const float constant = given != patchNode.inputs.end() ? given->second
                               : connected                     ? 0.0f
                                                               : pins[pin].defaultValue;
        inputs.push_back(mixFor(plan, input, constant));
    }
    return inputs;
}

std::unique_ptr<AudioNode> AudioGraph::build(const PatchPlan& plan, const PluginLibrary& library, int32_t node,
                                             float sampleRate) {
    const PatchNode& patchNode = plan.patch.nodes[static_cast<size_t>(node)];
    switch (patchNode.kind) {
        case NodeKind::Sine: return std::make_unique<SineNode>(hostInputs(plan, node), blockSize_, sampleRate);
        case NodeKind::Noise: return std::make_unique<NoiseNode>(hostInputs(plan, node), blockSize_);
        case NodeKind::Wav:
            return std::make_unique<WavNode>(hostInputs(plan, node), blockSize_, patchNode.file, sampleRate);
        case NodeKind::Output: {
            auto output = std::make_unique<OutputNode>(hostInputs(plan, node), blockSize_);
            outputs_.push_back(output.get());
            return output;
        }
        case NodeKind::Meter: {
            auto meter = std::make_unique<MeterNode>(hostInputs(plan, node), blockSize_);
            meters_.emplace_back(patchNode.id, meter.get());
            return meter;
        }
        case NodeKind::Plugin: break;
    }
    const PluginDescription& plugin = *plan.plugins[static_cast<size_t>(node)];
    ProcessorSettings settings;
    settings.sampleRate = sampleRate;
    settings.blockSize = blockSize_;
    settings.voices = patchNode.voices;
    auto processor = std::make_unique<ProcessorNode>(plugin, settings);
    for (const PinDescription& pin : plugin.audioPins) {
        const PinRef input{node, pin.index};
        if (pin.direction == gmpi::MP_IN && pin.isAudioRate() && !plan.connectionsTo(input).empty())
            processor->feed(pin.index, mixFor(plan, input, 0.0f));
    }
    if (const int32_t result = processor->open(processorCreator(library, plugin.id)); result != gmpi::MP_OK)
        throw std::runtime_error("node \"" + patchNode.id + "\": \"" + plugin.id +
                                 "\"'s processor did not open (result " + std::to_string(result) + ")");
    processors_[static_cast<size_t>(node)] = processor.get();
    return processor;
}

void AudioGraph::renderBlock(int32_t frames) {
    for (const int32_t node : order_) nodes_[static_cast<size_t>(node)]->process(frames);
    std::fill_n(left_.begin(), frames, 0.0f);
    std::fill_n(right_.begin(), frames, 0.0f);
    for (const OutputNode* output : outputs_) {
        for (int32_t i = 0; i < frames; ++i) {
            left_[static_cast<size_t>(i)] += output->channel(0)[i];
            right_[static_cast<size_t>(i)] += output->channel(1)[i];
        }
    }
}

ProcessorNode* AudioGraph::processor(int32_t node) const {
    return node >= 0 && static_cast<size_t>(node) < processors_.size() ? processors_[static_cast<size_t>(node)]
                                                                       : nullptr;
}

}  // namespace zuhost::play
