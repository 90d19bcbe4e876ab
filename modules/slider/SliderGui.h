// Panels of "ZU Slider" and "ZU Slider2": one skin control (slider, knob or
// button, chosen by "Appearance") over an optional readout into which the
// user can type a value. The control's position is "Value In" mapped through
// "RangeLo".."RangeHi"; the user's changes go back on "Value In".
//
// Contract: a rectangle that is not finite (see FiniteRect.h) is kept but
// neither lays out nor draws anything. Values from the host do not move the
// control while the user drags it. Typed text that sets no value (see
// TypedNumber.h) leaves the value as it was and restores the readout, as does
// a cancelled entry. An Alt-click writes the reset value.
#pragma once

#include <string>

#include "gui/MpGuiGfxBase.h"
#include "skin/BitmapWidget.h"
#include "skin/EditWidget.h"

namespace zu {

// What sets the two panels apart.
struct SliderPanelStyle {
    const char* appearance6Image;    // the other appearances name the same images
    bool preparesResourcesPerImage;  // calls the GUI host's prepareResources before each image change
};

class SliderGuiBase : public gmpi_gui::MpGuiGfxBase {
public:
    int32_t setHost(gmpi::IMpUnknown* host) override;
    int32_t measure(gmpi_gui::MpSize available, gmpi_gui::MpSize* desired) override;
    int32_t arrange(const gmpi_gui::MpRect* finalRect) override;
    int32_t render(gmpi::IMpUnknown* context) override;
    int32_t onPointerDown(uint32_t flags, gmpi_gui::MpPoint point) override;
    int32_t onPointerMove(uint32_t flags, gmpi_gui::MpPoint point) override;
    int32_t onPointerUp(uint32_t flags, gmpi_gui::MpPoint point) override;

    // The readout's text for a value: three significant digits, negative zero as 0.
    static std::string formatReadout(float value);

protected:
    explicit SliderGuiBase(SliderPanelStyle style) : style_(style) {}

    void refreshFromValue();
    void applyAppearance();
    virtual float resetValue() const = 0;

    gmpi::MpGuiPinFloat valueIn_;
    gmpi::MpGuiPinInt appearance_;
    gmpi::MpGuiPinFloat rangeLo_;
    gmpi::MpGuiPinFloat rangeHi_;
    gmpi::MpGuiPinBool showReadout_;
    gmpi::MpGuiPinString menuItems_;
    gmpi::MpGuiPinInt menuSelection_;
    gmpi::MpGuiPinBool mouseDown_;

private:
    static constexpr float readoutWidth = 60;

    void valueFromWidget();
    void commitReadoutText();
    void updateReadout();
    void invalidateIfChanged();

    SliderPanelStyle style_;
    skin::BitmapWidget bitmapWidget_;
    skin::EditWidget readout_;
    skin::Widget* capturedWidget_ = nullptr;
};

// "ZU Slider": pins 13 to 23; Alt-click resets to 0.
class SliderGui final : public SliderGuiBase {
public:
    SliderGui();

private:
    float resetValue() const override { return 0.0f; }

    gmpi::MpGuiPinString hint_;
    gmpi::MpGuiPinString title_;
    gmpi::MpGuiPinFloat normalized_;
};

// "ZU Slider2": pins 0 to 9; Alt-click resets to "Reset Value".
class Slider2Gui final : public SliderGuiBase {
public:
    Slider2Gui();

private:
    float resetValue() const override { return resetValue_; }

    gmpi::MpGuiPinString nameIn_;
    gmpi::MpGuiPinFloat resetValue_;
};

}  // namespace zu
