#include "modules/slider/SliderGui.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

#include "framework/MpFactory.h"
#include "gui/FiniteRect.h"
#include "gui/ModifierKeys.h"
#include "modules/slider/TypedNumber.h"

namespace zu {

using gmpi_gui::MpPoint;
using gmpi_gui::MpRect;
using gmpi_gui::MpSize;

namespace {

gmpi::PluginRegistration sliderGuiRegistration(gmpi::MP_SUB_TYPE_GUI, u"ZU Slider",
                                               gmpi::createPlugin<SliderGui, gmpi::IMpUserInterface2>);
gmpi::PluginRegistration slider2GuiRegistration(gmpi::MP_SUB_TYPE_GUI, u"ZU Slider2",
                                                gmpi::createPlugin<Slider2Gui, gmpi::IMpUserInterface2>);

struct Appearance {
    const char* image;  // null: no image
    bool isToggle;
};

Appearance appearanceOf(int32_t code, const SliderPanelStyle& style) {
    switch (code) {
        case 0:
        case 1: return {"vslider_med", false};
        case 2: return {"hslider_med", false};
        case 3: return {"knob_med", false};
        case 4: return {"button", false};
        case 5: return {"button", true};
        case 6: return {style.appearance6Image, false};
        case 7: return {"knob_sm", false};
        case 8: return {"button_sm", false};
        case 9: return {"button_sm", true};
        default: return {nullptr, false};
    }
}

}  // namespace

SliderGui::SliderGui() : SliderGuiBase({"button_sm", true}) {
    initializePin(13, valueIn_, &SliderGui::refreshFromValue);
    initializePin(hint_);
    initializePin(appearance_, &SliderGui::applyAppearance);
    initializePin(title_);
    initializePin(normalized_);
    initializePin(menuItems_);
    initializePin(menuSelection_);
    initializePin(mouseDown_);
    initializePin(rangeLo_, &SliderGui::refreshFromValue);
    initializePin(rangeHi_, &SliderGui::refreshFromValue);
    initializePin(showReadout_);
}

Slider2Gui::Slider2Gui() : SliderGuiBase({"button", false}) {
    initializePin(valueIn_, &Slider2Gui::refreshFromValue);
    initializePin(nameIn_);
    initializePin(menuItems_);
    initializePin(menuSelection_);
    initializePin(mouseDown_);
    initializePin(rangeLo_, &Slider2Gui::refreshFromValue);
    initializePin(rangeHi_, &Slider2Gui::refreshFromValue);
    initializePin(resetValue_);
    initializePin(appearance_, &Slider2Gui::applyAppearance);
    initializePin(showReadout_);
}

int32_t SliderGuiBase::setHost(gmpi::IMpUnknown* host) {
    bitmapWidget_.setHost(host);
    readout_.setHost(host);
    return MpGuiGfxBase::setHost(host);
}

void SliderGuiBase::applyAppearance() {
    const Appearance appearance = appearanceOf(appearance_, style_);
    if (style_.preparesResourcesPerImage && getGuiHost() != nullptr) getGuiHost()->prepareResources();
    bitmapWidget_.setHost(getGuiHost());
    bitmapWidget_.setImage(appearance.image != nullptr ? appearance.image : "");
    bitmapWidget_.setToggle(appearance.isToggle);
    invalidateMeasure();
}

int32_t SliderGuiBase::measure(MpSize, MpSize* desired) {
    if (desired == nullptr) return gmpi::MP_FAIL;
    readout_.setHost(getGuiHost());
    readout_.setStyle("control_edit");
    const MpSize control = bitmapWidget_.measure();
    const MpSize readout = readout_.measure();
    desired->width = std::max(control.width, readoutWidth);
    desired->height = control.height + (showReadout_ ? readout.height : 0.0f);
    return gmpi::MP_OK;
}

int32_t SliderGuiBase::arrange(const MpRect* finalRect) {
    if (finalRect == nullptr) return gmpi::MP_FAIL;
    if (!gmpi_gui::isFiniteRect(*finalRect)) return MpGuiGfxBase::arrange(finalRect);
    const float width = finalRect->right - finalRect->left;
    const float height = finalRect->bottom - finalRect->top;
    float readoutTop = 0;
    if (appearance_ >= 0) {
        const MpSize control = bitmapWidget_.measure();
        const float x = std::floor((width - control.width) / 2);
        bitmapWidget_.setBounds({x, 0, x + control.width, control.height});
        readoutTop = control.height;
    }
    const float readoutHeight = std::min(readout_.measure().height, height - readoutTop);
    const float readoutLeft = std::floor((width - readoutWidth) / 2 + 0.5f);
    readout_.setBounds({readoutLeft, readoutTop, readoutLeft + readoutWidth, readoutTop + readoutHeight});
    return MpGuiGfxBase::arrange(finalRect);
}

int32_t SliderGuiBase::render(gmpi::IMpUnknown* context) {
    const auto drawing = gmpi::ComRef<gmpi_gui::IMpDrawingContext>::query(context, gmpi_gui::MP_IID_DRAWING_CONTEXT);
    if (!drawing) return gmpi::MP_NOSUPPORT;
    // Widgets keep the places of the last rectangle that could be laid out.
    if (!gmpi_gui::isFiniteRect(getBounds())) return gmpi::MP_OK;
    bitmapWidget_.render(*drawing);
    if (showReadout_) readout_.render(*drawing);
    return gmpi::MP_OK;
}

int32_t SliderGuiBase::onPointerDown(uint32_t flags, MpPoint point) {
    if (gmpi_gui::isAltKeyDown()) {
        valueIn_ = resetValue();
        refreshFromValue();
        return gmpi::MP_OK;
    }
    capturedWidget_ = nullptr;
    if (bitmapWidget_.hitTest(point)) {
        if (bitmapWidget_.onPointerDown(flags, point)) {
            capturedWidget_ = &bitmapWidget_;
            setCapture();
        }
        valueFromWidget();
        if (bitmapWidget_.takeDirty()) invalidateRect();
    }
    if (readout_.hitTest(point) && readout_.onPointerDown(flags, point)) {
        capturedWidget_ = &readout_;
        setCapture();
    }
    return gmpi::MP_OK;
}

int32_t SliderGuiBase::onPointerMove(uint32_t flags, MpPoint point) {
    if (!getCapture()) return gmpi::MP_FAIL;
    if (capturedWidget_ == nullptr) return gmpi::MP_OK;
    capturedWidget_->onPointerMove(flags, point);
    // Only the control's own position becomes a value; moving over the readout leaves it.
    if (capturedWidget_ == &bitmapWidget_) valueFromWidget();
    if (bitmapWidget_.takeDirty()) invalidateRect();
    return gmpi::MP_OK;
}

int32_t SliderGuiBase::onPointerUp(uint32_t flags, MpPoint point) {
    if (!getCapture()) return gmpi::MP_FAIL;
    releaseCapture();
    if (capturedWidget_ == nullptr) return gmpi::MP_OK;
    capturedWidget_->onPointerUp(flags, point);
    if (capturedWidget_ == &bitmapWidget_)
        valueFromWidget();
    else
        commitReadoutText();
    invalidateIfChanged();
    return gmpi::MP_OK;
}

void SliderGuiBase::refreshFromValue() {
    if (getCapture()) return;
    const float position = (valueIn_ - rangeLo_) / (rangeHi_ - rangeLo_);
    bitmapWidget_.setNormalised(position);
    updateReadout();
    invalidateIfChanged();
}

void SliderGuiBase::valueFromWidget() {
    valueIn_ = rangeLo_ + (rangeHi_ - rangeLo_) * bitmapWidget_.getNormalised();
    updateReadout();
}

void SliderGuiBase::commitReadoutText() {
    if (const std::optional<float> typed = typedValue(readout_.getText())) valueIn_ = *typed;
    refreshFromValue();
}

void SliderGuiBase::updateReadout() {
    readout_.setText(formatReadout(valueIn_));
    if (readout_.takeDirty()) invalidateRect();
}

void SliderGuiBase::invalidateIfChanged() {
    if (bitmapWidget_.takeDirty() || readout_.takeDirty()) invalidateRect();
}

std::string SliderGuiBase::formatReadout(float value) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, double(value), std::chars_format::general, 3);
    std::string formatted(text, result.ptr);
    const bool onlyZeros = formatted.find_first_not_of("0.", 1) == std::string::npos;
    if (formatted.size() > 1 && formatted[0] == '-' && value > -1 && onlyZeros) formatted.erase(0, 1);
    return formatted;
}

}  // namespace zu
