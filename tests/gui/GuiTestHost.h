// A minimal GUI host for the framework tests: it offers the GUI host,
// optionally the graphics host and any further identifiers listed (answered
// by the GUI host), counts its references and records what a panel sends and
// asks for.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "gui/GuiInterfaces.h"

namespace guitest {

struct SentValue {
    int32_t pinId;
    int32_t voice;
    std::vector<uint8_t> bytes;
};

class TestGuiHost final : public gmpi::IMpUserInterfaceHost2, public gmpi_gui::IMpGraphicsHost {
public:
    explicit TestGuiHost(bool offersGraphicsHost = true) : offersGraphicsHost_(offersGraphicsHost) {}

    int32_t queryInterface(const gmpi::MpGuid& iid, void** out) override {
        *out = nullptr;
        if (iid == gmpi::MP_IID_UI_HOST2 || iid == gmpi::MP_IID_UI_HOST || iid == gmpi::MP_IID_UNKNOWN)
            *out = static_cast<gmpi::IMpUserInterfaceHost2*>(this);
        else if (iid == gmpi_gui::MP_IID_GRAPHICS_HOST && offersGraphicsHost_)
            *out = static_cast<gmpi_gui::IMpGraphicsHost*>(this);
        else if (std::find(alsoOffered.begin(), alsoOffered.end(), iid) != alsoOffered.end())
            *out = static_cast<gmpi::IMpUserInterfaceHost2*>(this);
        if (*out == nullptr) return gmpi::MP_NOSUPPORT;
        ++references;
        return gmpi::MP_OK;
    }
    int32_t addRef() override { return ++references; }
    int32_t release() override { return --references; }

    int32_t pinTransmit(int32_t pinId, int32_t size, const void* data, int32_t voice) override {
        const auto* bytes = static_cast<const uint8_t*>(data);
        sent.push_back({pinId, voice, std::vector<uint8_t>(bytes, bytes + size)});
        return gmpi::MP_OK;
    }
    int32_t reserved4() override { return gmpi::MP_OK; }
    int32_t reserved5() override { return gmpi::MP_OK; }
    int32_t reserved6() override { return gmpi::MP_OK; }
    int32_t prepareResources() override { return gmpi::MP_OK; }
    int32_t resolveResourceName(const char*, const char*, gmpi::IMpUnknown*) override { return gmpi::MP_FAIL; }
    int32_t openResource(const char*, void**) override { return gmpi::MP_FAIL; }

    int32_t reserved3() override { return gmpi::MP_OK; }
    void invalidateRect(const gmpi_gui::MpRect* rect) override { invalidations += rect == nullptr ? 1 : 0; }
    void invalidateMeasure() override {}
    int32_t createTextFormat(const char*, gmpi::IMpUnknown*, int32_t, int32_t, int32_t, float, const char*,
                             void**) override {
        return gmpi::MP_FAIL;
    }
    int32_t reserved7() override { return gmpi::MP_OK; }
    int32_t createPlatformMenu(void**) override { return gmpi::MP_FAIL; }
    int32_t setCapture() override {
        captured = true;
        return gmpi::MP_OK;
    }
    int32_t getCapture(int32_t* isCaptured) override {
        *isCaptured = captured;
        return gmpi::MP_OK;
    }
    int32_t releaseCapture() override {
        captured = false;
        return gmpi::MP_OK;
    }
    int32_t createPlatformTextEdit(void**) override { return gmpi::MP_FAIL; }
    int32_t reserved13() override { return gmpi::MP_OK; }
    int32_t loadImage(const char*, void**) override { return gmpi::MP_FAIL; }

    // The host as a panel's setHost receives it.
    gmpi::IMpUnknown* unknown() { return static_cast<gmpi::IMpUserInterfaceHost2*>(this); }

    std::vector<gmpi::MpGuid> alsoOffered;
    int32_t references = 0;     // references held by panels
    int32_t invalidations = 0;  // whole-panel repaint requests
    bool captured = false;
    std::vector<SentValue> sent;

private:
    bool offersGraphicsHost_;
};

}  // namespace guitest
