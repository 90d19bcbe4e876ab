// Panel of both scopes ("ZU Scope3 XP", "ZU TrigScope3 XP"): an oscilloscope
// picture of the captures the processor sends per voice, channel A green
// over channel B yellow, on a dark blue field with a centre cross, ticks and
// value labels. Polyphonic, it draws every recently active voice dimly and
// the voice whose gate opened last brightly, and keeps redrawing on the
// shared timer while any voice is active.
//
// Contract: a capture is 400 little-endian floats (1600 bytes); a blob of any
// other size draws nothing for its channel and voice, and non-finite samples
// are left out of the trace. It asks for the size it is offered, at least 15
// by 15; an infinite offer gets the minimum. A voice counts as active while
// its gate is open and for 500 ms after its last capture. render allocates
// nothing beyond the host objects it creates and releases.
#pragma once

#include <array>
#include <cstdint>

#include "gui/MpGuiGfxBase.h"
#include "gui/SharedTimer.h"

namespace zu {

class Scope3Gui final : public gmpi_gui::MpGuiGfxBase, public gmpi_gui::TimerClient {
public:
    static constexpr int32_t voiceCount = 128;
    static constexpr int32_t samplesPerTrace = 400;
    static constexpr int32_t captureBytes = samplesPerTrace * 4;

    Scope3Gui();

    int32_t measure(gmpi_gui::MpSize available, gmpi_gui::MpSize* desired) override;
    int32_t render(gmpi::IMpUnknown* context) override;
    bool onTimer() override;

private:
    void onCaptureData(int32_t voice);
    void onVoiceGate(int32_t voice);
    void onPolyDetect();
    bool isActive(int32_t voice, int64_t threshold) const;
    void drawGrid(gmpi_gui::IMpDrawingContext& context, gmpi_gui::IMpSolidColorBrush* brush,
                  gmpi_gui::IMpTextFormat* format, float width, float height);
    bool drawOtherVoices(gmpi_gui::IMpDrawingContext& context, const gmpi::MpGuiArrayPinBlob& capture,
                         gmpi_gui::IMpSolidColorBrush* brush, int64_t threshold, float width, float height);
    void drawTrace(gmpi_gui::IMpDrawingContext& context, const gmpi::MpBlob& capture,
                   gmpi_gui::IMpSolidColorBrush* brush, float width, float height) const;

    gmpi::MpGuiArrayPinBlob captureDataA_;
    gmpi::MpGuiArrayPinBlob captureDataB_;
    gmpi::MpGuiArrayPinFloat voiceGate_;
    gmpi::MpGuiPinBool polyDetect_;
    int32_t currentVoice_ = 0;
    std::array<int64_t, voiceCount> lastDataTime_{};
};

}  // namespace zu
