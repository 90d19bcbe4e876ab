#include "modules/scope/Scope3Gui.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "framework/MpFactory.h"
#include "gui/FiniteRect.h"
#include "gui/FloatToInt.h"
#include "platform/SteadyClock.h"
#include "skin/Drawing.h"
#include "skin/FontCache.h"

namespace zu {

using gmpi::ComRef;
using gmpi_gui::MpColor;
using gmpi_gui::MpPoint;
using gmpi_gui::MpSize;

namespace {

gmpi::PluginRegistration scope3GuiRegistration(gmpi::MP_SUB_TYPE_GUI, u"ZU Scope3 XP",
                                               gmpi::createPlugin<Scope3Gui, gmpi::IMpUserInterface2>);
gmpi::PluginRegistration triggerScopeGuiRegistration(gmpi::MP_SUB_TYPE_GUI, u"ZU TrigScope3 XP",
                                                     gmpi::createPlugin<Scope3Gui, gmpi::IMpUserInterface2>);

constexpr int64_t activityHoldNs = 500'000'000;
constexpr int64_t startupGraceNs = 600'000'000;
constexpr int32_t timerPeriodMs = 10;
constexpr float verticalScaleDivisor = 2.15f;
constexpr float minimumSize = 15;

constexpr MpColor rgb(int r, int g, int b) { return {r / 255.0f, g / 255.0f, b / 255.0f, 1.0f}; }
constexpr MpColor background = rgb(0, 0, 68);
constexpr MpColor gridColour = rgb(0, 127, 0);
constexpr MpColor dimB = rgb(150, 150, 0);
constexpr MpColor dimA = rgb(0, 160, 0);
constexpr MpColor brightB = rgb(250, 250, 0);
constexpr MpColor brightA = rgb(0, 255, 0);

}  // namespace

Scope3Gui::Scope3Gui() {
    initializePin(0, captureDataA_, &Scope3Gui::onCaptureData);
    initializePin(1, captureDataB_, &Scope3Gui::onCaptureData);
    initializePin(3, voiceGate_, &Scope3Gui::onVoiceGate);
    initializePin(polyDetect_, &Scope3Gui::onPolyDetect);
    for (int64_t& time : lastDataTime_) time = platform::steadyNanoseconds() + startupGraceNs;
    setTimerPeriod(timerPeriodMs);
}

void Scope3Gui::onCaptureData(int32_t voice) {
    if (voice < 0 || voice >= voiceCount) return;
    lastDataTime_[voice] = platform::steadyNanoseconds();
    invalidateRect();
    startTimer();
}

void Scope3Gui::onVoiceGate(int32_t voice) {
    if (polyDetect_ && voice >= 0 && voice < voiceCount && voiceGate_[voice] != 0) currentVoice_ = voice;
}

void Scope3Gui::onPolyDetect() {
    if (!polyDetect_) currentVoice_ = 0;
}

bool Scope3Gui::onTimer() {
    invalidateRect();
    return true;
}

int32_t Scope3Gui::measure(MpSize available, MpSize* desired) {
    if (desired == nullptr) return gmpi::MP_FAIL;
    // Unbounded space (infinity) and NaN give the minimum: a host cannot lay out an infinite panel.
    desired->width = std::isfinite(available.width) && available.width > minimumSize ? available.width : minimumSize;
    desired->height =
        std::isfinite(available.height) && available.height > minimumSize ? available.height : minimumSize;
    return gmpi::MP_OK;
}

bool Scope3Gui::isActive(int32_t voice, int64_t threshold) const {
    return voiceGate_[voice] != 0 || lastDataTime_[voice] > threshold;
}

int32_t Scope3Gui::render(gmpi::IMpUnknown* object) {
    ComRef<gmpi_gui::IMpDrawingContext> context;
    if (object == nullptr) return gmpi::MP_NOSUPPORT;
    if (const int32_t result = object->queryInterface(gmpi_gui::MP_IID_DRAWING_CONTEXT, context.put());
        result != gmpi::MP_OK)
        return result;
    if (!context) return gmpi::MP_FAIL;

    const float width = getBounds().right - getBounds().left;
    const float height = getBounds().bottom - getBounds().top;
    const int64_t threshold = platform::steadyNanoseconds() - activityHoldNs;
    // A panel without a finite, positive size has nothing to show, but its timer still follows the voices.
    const bool drawable = gmpi_gui::isFiniteRect(getBounds()) && width > 0 && height > 0;

    if (drawable) {
        if (auto fill = skin::createBrush(*context, background)) {
            const gmpi_gui::MpRect field{0, 0, width + 1, height + 1};
            context->fillRectangle(&field, fill.get());
        }
    }
    auto brush = skin::createBrush(*context, gridColour);
    ComRef<gmpi_gui::IMpTextFormat> format;
    if (getGraphicsHost() != nullptr) format = skin::createTextFormat(*getGraphicsHost(), "Verdana", 400, 8.0f);
    const bool drawing = drawable && brush;
    if (drawing) drawGrid(*context, brush.get(), format.get(), width, height);

    bool anyActive = false;
    if (polyDetect_) {
        if (drawing) brush->setColor(&dimB);
        anyActive = drawOtherVoices(*context, captureDataB_, drawing ? brush.get() : nullptr, threshold, width, height);
        if (drawing) brush->setColor(&dimA);
        drawOtherVoices(*context, captureDataA_, drawing ? brush.get() : nullptr, threshold, width, height);
    }
    const int32_t current = currentVoice_;
    if (drawing && (!polyDetect_ || isActive(current, threshold))) {
        if (captureDataB_[current].getSize() == captureBytes) {
            brush->setColor(&brightB);
            drawTrace(*context, captureDataB_[current], brush.get(), width, height);
        }
        if (captureDataA_[current].getSize() == captureBytes) {
            brush->setColor(&brightA);
            drawTrace(*context, captureDataA_[current], brush.get(), width, height);
        }
    }
    if (!anyActive) stopTimer();
    return gmpi::MP_OK;
}

// Centre cross, ticks every tenth of a unit (every 0.4 on short panels) and labels at every half unit.
void Scope3Gui::drawGrid(gmpi_gui::IMpDrawingContext& context, gmpi_gui::IMpSolidColorBrush* brush,
                         gmpi_gui::IMpTextFormat* format, float width, float height) {
    const float centreX = width * 0.5f;
    const float centreY = height * 0.5f;
    const float scale = height / verticalScaleDivisor;
    context.drawLine({0, centreY}, {width, centreY}, brush, 1.0f, nullptr);
    context.drawLine({centreX, 0}, {centreX, height}, brush, 1.0f, nullptr);

    const int32_t step = height < 50 ? 4 : 1;
    for (int32_t i = -10; i <= 10; i += step) {
        const float halfLength = i % 5 == 0 ? 4.0f : 2.0f;
        const float y = centreY + static_cast<float>(gmpi_gui::truncateToInt(double(i) * scale / 10));
        context.drawLine({centreX - halfLength, y}, {centreX + halfLength, y}, brush, 1.0f, nullptr);
    }
    if (height <= 30 || format == nullptr) return;

    struct Label {
        int32_t value;
        const char* text;  // the value as "%2.0f" writes it
    };
    constexpr Label labels[] = {{-10, "-10"}, {-5, "-5"}, {0, " 0"}, {5, " 5"}, {10, "10"}};
    for (const Label& label : labels) {
        const float offset = static_cast<float>(gmpi_gui::truncateToInt(double(label.value) * scale / 10));
        const float left = centreX + 4;
        const float top = centreY - offset - 4;
        const gmpi_gui::MpRect layout{left, top, left + 100, top + 8};
        context.drawText(label.text, static_cast<int32_t>(std::strlen(label.text)), format, &layout, brush, 0);
    }
}

// Dim traces of every voice but the current one (none without a brush);
// answers whether any voice is active.
bool Scope3Gui::drawOtherVoices(gmpi_gui::IMpDrawingContext& context, const gmpi::MpGuiArrayPinBlob& capture,
                                gmpi_gui::IMpSolidColorBrush* brush, int64_t threshold, float width, float height) {
    bool anyActive = false;
    for (int32_t voice = 0; voice < voiceCount; ++voice) {
        if (!isActive(voice, threshold)) continue;
        anyActive = true;
        if (brush != nullptr && voice != currentVoice_ && capture[voice].getSize() == captureBytes)
            drawTrace(context, capture[voice], brush, width, height);
    }
    return anyActive;
}

// One capture as a path across the panel, +1.0 at height / 2.15 above the centre.
void Scope3Gui::drawTrace(gmpi_gui::IMpDrawingContext& context, const gmpi::MpBlob& capture,
                          gmpi_gui::IMpSolidColorBrush* brush, float width, float height) const {
    const auto* bytes = static_cast<const uint8_t*>(capture.getData());
    const float centreY = height * 0.5f;
    const float scale = height / verticalScaleDivisor;
    skin::PathBuilder path(context);
    for (int32_t i = 0; i < samplesPerTrace; ++i) {
        float sample;
        std::memcpy(&sample, bytes + i * 4, 4);
        // In double, so that the widest finite panel does not overflow before the division.
        const MpPoint point{static_cast<float>(double(i) * width / samplesPerTrace), centreY - scale * sample};
        if (std::isfinite(point.y)) path.addPoint(point);
    }
    path.finish(false);
    path.stroke(brush, 1.0f);
}

}  // namespace zu
