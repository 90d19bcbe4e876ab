#include "tests/guihost/ProbePanels.h"

#include <algorithm>
#include <vector>

#include "framework/MpFactory.h"
#include "gui/ModifierKeys.h"
#include "gui/MpGuiGfxBase.h"
#include "gui/SharedTimer.h"
#include "platform/TextConversion.h"

namespace {

using namespace gmpi_gui;

template <class Interface>
Interface* queried(gmpi::IMpUnknown* object, const gmpi::MpGuid& iid) {
    void* out = nullptr;
    object->queryInterface(iid, &out);
    return static_cast<Interface*>(out);
}

class ProbePanel final : public MpGuiGfxBase, public TimerClient {
public:
    ProbePanel() {
        probeCounts() = {};
        initializePin(probepins::Level, level_, &ProbePanel::onLevel);
        initializePin(probepins::Label, label_);
        initializePin(probepins::Enabled, enabled_, &ProbePanel::onEnabled);
        initializePin(probepins::Clicks, clicks_);
        initializePin(probepins::Traces, traces_, &ProbePanel::onTrace);
    }
    int32_t initialize() override {
        startTimer();
        return MpGuiGfxBase::initialize();
    }
    bool onTimer() override {
        ++probeCounts().timerTicks;
        return true;
    }

    int32_t measure(MpSize available, MpSize* desired) override {
        *desired = {std::min(available.width, 120.0f), 40};
        return gmpi::MP_OK;
    }

    int32_t render(gmpi::IMpUnknown* unknown) override {
        auto* context = queried<IMpDrawingContext>(unknown, MP_IID_DRAWING_CONTEXT);
        if (context == nullptr) return gmpi::MP_FAIL;
        const MpColor red{level_, 0, 0, 1};
        void* brush = nullptr;
        context->createSolidColorBrush(&red, &brush);
        const MpRect& bounds = getBounds();
        const MpRect bar{bounds.left, bounds.top, bounds.right, bounds.top + 20};
        context->fillRectangle(&bar, static_cast<IMpSolidColorBrush*>(brush));

        void* format = nullptr;
        if (getGraphicsHost() != nullptr)
            getGraphicsHost()->createTextFormat("Arial", nullptr, 400, 0, 5, 12, nullptr, &format);
        const MpColor white{1, 1, 1, 1};
        static_cast<IMpSolidColorBrush*>(brush)->setColor(&white);
        const std::string text = platform::toUtf8(label_.getValue());
        const MpRect below{bounds.left, bounds.top + 20, bounds.right, bounds.bottom};
        context->drawText(text.data(), static_cast<int32_t>(text.size()), static_cast<IMpTextFormat*>(format), &below,
                          static_cast<IMpSolidColorBrush*>(brush), 0);
        if (format != nullptr) static_cast<IMpTextFormat*>(format)->release();
        static_cast<IMpSolidColorBrush*>(brush)->release();
        context->release();
        return gmpi::MP_OK;
    }

    int32_t onPointerDown(uint32_t, MpPoint) override {
        setCapture();
        return gmpi::MP_OK;
    }
    int32_t onPointerUp(uint32_t, MpPoint) override {
        if (!getCapture()) return gmpi::MP_FAIL;
        releaseCapture();
        clicks_ = clicks_ + (isControlKeyDown() ? 10 : 1);
        return gmpi::MP_OK;
    }

private:
    void onLevel() { ++probeCounts().levelHandlerRuns; }
    void onEnabled() { probeCounts().enabled = enabled_; }
    void onTrace(int32_t voice) {
        probeCounts().lastTraceVoice = voice;
        probeCounts().lastTraceSize = traces_[voice].getSize();
    }

    gmpi::MpGuiPinFloat level_;
    gmpi::MpGuiPinString label_;
    gmpi::MpGuiPinBool enabled_;
    gmpi::MpGuiPinInt clicks_;
    gmpi::MpGuiArrayPinBlob traces_;
};

std::vector<gmpi::IMpUnknown*>& leaked() {
    static std::vector<gmpi::IMpUnknown*> objects;
    return objects;
}

class LeakyPanel final : public MpGuiGfxBase {
public:
    int32_t measure(MpSize, MpSize* desired) override {
        *desired = {10, 10};
        return gmpi::MP_OK;
    }
    int32_t render(gmpi::IMpUnknown* unknown) override {
        auto* context = queried<IMpDrawingContext>(unknown, MP_IID_DRAWING_CONTEXT);
        const MpColor grey{0.5f, 0.5f, 0.5f, 1};
        void* brush = nullptr;
        context->createSolidColorBrush(&grey, &brush);
        context->fillRectangle(&getBounds(), static_cast<IMpSolidColorBrush*>(brush));
        void* format = nullptr;
        getGraphicsHost()->createTextFormat("Arial", nullptr, 400, 0, 5, 12, nullptr, &format);
        leaked().push_back(static_cast<IMpSolidColorBrush*>(brush));
        leaked().push_back(static_cast<IMpTextFormat*>(format));
        context->release();
        return gmpi::MP_OK;
    }
};

gmpi::PluginRegistration probeRegistration(gmpi::MP_SUB_TYPE_GUI, probePanelId,
                                           &gmpi::createPlugin<ProbePanel, gmpi::IMpUserInterface2>);
gmpi::PluginRegistration leakyRegistration(gmpi::MP_SUB_TYPE_GUI, leakyPanelId,
                                           &gmpi::createPlugin<LeakyPanel, gmpi::IMpUserInterface2>);

}  // namespace

void releaseLeaks() {
    for (gmpi::IMpUnknown* object : leaked()) object->release();
    leaked().clear();
}

ProbeCounts& probeCounts() {
    static ProbeCounts counts;
    return counts;
}
