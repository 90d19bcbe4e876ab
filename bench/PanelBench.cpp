// The panels' drawing costs, each against the same picture drawn with Cairo
// directly in the same run (CairoReplay of the panel's recorded render):
//  - a scope frame at 400x300 with 256 traces of 400 points (all 128 voices
//    gated, each with a capture on both channels), through the panel and the
//    Cairo context;
//  - a slider (vertical, no readout) and a list entry (a stack of LEDs),
//    whose renders draw only bitmaps of the default skin.
// Each counts frames per second of CPU time as "fps".
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <numbers>
#include <string_view>
#include <vector>

#include "bench/CairoReplay.h"
#include "framework/MpInterfaces.h"
#include "host/gui/PanelSession.h"
#include "host/gui/RecordingContext.h"
#include "host/gui/cairo/CairoContext.h"
#include "modules/scope/Scope3Gui.h"

namespace {

using zuhost::gui::PanelSession;

constexpr gmpi_gui::MpSize scopeFrame{400, 300};
constexpr gmpi_gui::MpSize controlSpace{100, 200};

enum ScopePin : int32_t { captureA = 0, captureB = 1, voiceGate = 3, polyDetect = 4 };
enum SliderPin : int32_t { sliderValue = 13, sliderAppearance = 15, rangeLo = 21, rangeHi = 22, showReadout = 23 };
enum ListEntryPin : int32_t { listValue = 10, enumList = 12, listAppearance = 13 };
constexpr int32_t verticalSlider = 0;
constexpr int32_t ledStack = 1;

std::unique_ptr<PanelSession> openPanel(std::u16string_view id) {
    return std::make_unique<PanelSession>(*PanelSession::factoryFrom(&MP_GetFactory), id);
}

// A capture of `cycles` sine cycles across the trace at `level`, starting `phase` cycles in.
std::vector<uint8_t> sineCapture(float cycles, float phase, float level) {
    std::vector<uint8_t> bytes(zu::Scope3Gui::captureBytes);
    for (int32_t i = 0; i < zu::Scope3Gui::samplesPerTrace; ++i) {
        const float t = float(i) / zu::Scope3Gui::samplesPerTrace;
        const float sample = level * std::sin(2 * std::numbers::pi_v<float> * (cycles * t + phase));
        std::memcpy(bytes.data() + i * sizeof(float), &sample, sizeof(float));
    }
    return bytes;
}

// Every voice gated with a capture on both channels: one trace per voice and channel.
std::unique_ptr<PanelSession> busyScope() {
    auto scope = openPanel(u"ZU Scope3 XP");
    scope->setBool(polyDetect, true);
    for (int32_t voice = 0; voice < zu::Scope3Gui::voiceCount; ++voice) {
        const float phase = float(voice) / zu::Scope3Gui::voiceCount;
        scope->setFloat(voiceGate, 1.0f, voice);
        scope->setBlob(captureA, sineCapture(3, phase, 0.9f), voice);
        scope->setBlob(captureB, sineCapture(5, phase, 0.45f), voice);
    }
    scope->initialize();
    scope->arrange({0, 0, scopeFrame.width, scopeFrame.height});
    return scope;
}

// The size a control panel asks for within controlSpace, at which it is laid out.
gmpi_gui::MpSize frameSize(PanelSession& panel) { return panel.measure(controlSpace); }

void arrangeAtDesiredSize(PanelSession& panel) {
    const gmpi_gui::MpSize size = frameSize(panel);
    panel.arrange({0, 0, size.width, size.height});
}

std::unique_ptr<PanelSession> slider() {
    auto panel = openPanel(u"ZU Slider");
    panel->setFloat(rangeLo, 0.0f);
    panel->setFloat(rangeHi, 10.0f);
    panel->setFloat(sliderValue, 6.0f);
    panel->setBool(showReadout, false);
    panel->setInt(sliderAppearance, verticalSlider);
    panel->initialize();
    arrangeAtDesiredSize(*panel);
    return panel;
}

std::unique_ptr<PanelSession> listEntry() {
    auto panel = openPanel(u"ZU List Entry");
    panel->setString(enumList, u"Sine,Saw,Square,Triangle,Noise,Pulse");
    panel->setInt(listValue, 2);
    panel->setInt(listAppearance, ledStack);
    panel->initialize();
    arrangeAtDesiredSize(*panel);
    return panel;
}

void countFrames(benchmark::State& state) {
    state.counters["fps"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

// Renders of the panel through the Cairo context, each over the last frame.
void panelFrames(benchmark::State& state, PanelSession& panel, gmpi_gui::MpSize size) {
    zuhost::gui::CairoContext context(static_cast<int32_t>(std::ceil(size.width)),
                                      static_cast<int32_t>(std::ceil(size.height)));
    for (auto _ : state) {
        if (panel.render(context) != gmpi::MP_OK) {
            state.SkipWithError("the panel did not render");
            return;
        }
    }
    countFrames(state);
}

// The panel's render recorded once, then drawn with Cairo directly.
void replayedFrames(benchmark::State& state, PanelSession& panel, gmpi_gui::MpSize size) {
    zuhost::gui::RecordingContext recording;
    if (panel.render(recording) != gmpi::MP_OK) {
        state.SkipWithError("the panel did not render");
        return;
    }
    zubench::CairoReplay replay(recording.calls(), static_cast<int32_t>(std::ceil(size.width)),
                                static_cast<int32_t>(std::ceil(size.height)));
    state.counters["unreplayed text"] = replay.textCalls();
    for (auto _ : state) replay.draw();
    countFrames(state);
}

void ScopeFramePanel(benchmark::State& state) { panelFrames(state, *busyScope(), scopeFrame); }
void ScopeFrameCairo(benchmark::State& state) { replayedFrames(state, *busyScope(), scopeFrame); }

// A control panel at the size it asks for, rendered or replayed.
using PanelMaker = std::unique_ptr<PanelSession> (*)();
using FrameLoop = void (*)(benchmark::State&, PanelSession&, gmpi_gui::MpSize);
void controlFrames(benchmark::State& state, PanelMaker make, FrameLoop frames) {
    const auto panel = make();
    frames(state, *panel, frameSize(*panel));
}

void SliderRenderPanel(benchmark::State& state) { controlFrames(state, slider, panelFrames); }
void SliderRenderCairo(benchmark::State& state) { controlFrames(state, slider, replayedFrames); }
void ListEntryRenderPanel(benchmark::State& state) { controlFrames(state, listEntry, panelFrames); }
void ListEntryRenderCairo(benchmark::State& state) { controlFrames(state, listEntry, replayedFrames); }

}  // namespace

BENCHMARK(ScopeFramePanel)->Unit(benchmark::kMillisecond);
BENCHMARK(ScopeFrameCairo)->Unit(benchmark::kMillisecond);
BENCHMARK(SliderRenderPanel)->Unit(benchmark::kMicrosecond);
BENCHMARK(SliderRenderCairo)->Unit(benchmark::kMicrosecond);
BENCHMARK(ListEntryRenderPanel)->Unit(benchmark::kMicrosecond);
BENCHMARK(ListEntryRenderCairo)->Unit(benchmark::kMicrosecond);
