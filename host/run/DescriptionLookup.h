// Plug-ins and pins of a description as the command line names them.
//
// Contract: a pin is found by its name first; a number that is no pin's name
// is an index. When nothing fits, UsageError says what was asked for and,
// for plug-ins and panel pins, lists what the description has.
#pragma once

#include <string_view>

#include "host/description/PluginDescription.h"

namespace zuhost {

// The plug-in whose id or name is `text`.
const PluginDescription& findPluginByIdOrName(const LibraryDescription& library, std::string_view text);

const PinDescription& findAudioPinByNameOrIndex(const PluginDescription& plugin, std::string_view text);

// An audio-side pin that is an audio input: one a host feeds a signal.
const PinDescription& findAudioInput(const PluginDescription& plugin, std::string_view text);

const PinDescription& findGuiPinByNameOrIndex(const PluginDescription& plugin, std::string_view text);

// A panel pin that takes a scope trace (a blob), also by the last word of its name ("A").
const PinDescription& findBlobPin(const PluginDescription& plugin, std::string_view text);

}  // namespace zuhost
