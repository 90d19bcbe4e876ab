// Panel of "ZU List Entry": a choice among the items of an enumeration list
// ("EnumList"), the current one being "Value In", shown in one of eight
// appearances: a drop-down with the host's popup menu, LED stacks (plain and
// labelled), a selector, a button stack, rotary switches (with and without
// labels) and up/down arrows. A choice is sent back on "Value In" only when
// it differs from the current value.
//
// Contract: the list is never stored parsed; each operation walks the pin's
// text. Widgets are rebuilt only when the appearance (or, for the stacks and
// switches, the list) changes. Appearance codes outside 1..7 behave as the
// drop-down. Stacks and switches show at most maxShownItems items, so that a
// list of thousands still lays out; the drop-down's menu offers the first
// maxMenuItems, since a range list may hold billions and a menu of more is
// of no use to anyone. A
// rectangle that is not finite (see FiniteRect.h) is kept but neither lays
// out, draws nor opens the menu.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/EnumListIterator.h"
#include "gui/MpGuiGfxBase.h"
#include "skin/BitmapWidget.h"
#include "skin/TextWidget.h"

namespace zu {

class ListEntryGui final : public gmpi_gui::MpGuiGfxBase {
public:
    static constexpr int32_t maxShownItems = 256;
    static constexpr int32_t maxMenuItems = 4096;

    ListEntryGui();

    int32_t measure(gmpi_gui::MpSize available, gmpi_gui::MpSize* desired) override;
    int32_t arrange(const gmpi_gui::MpRect* finalRect) override;
    int32_t render(gmpi::IMpUnknown* context) override;
    int32_t onPointerDown(uint32_t flags, gmpi_gui::MpPoint point) override;
    int32_t onPointerMove(uint32_t flags, gmpi_gui::MpPoint point) override;
    int32_t onPointerUp(uint32_t flags, gmpi_gui::MpPoint point) override;

private:
    enum Appearance : int32_t {
        DROPDOWN = 0,
        LED_STACK = 1,
        LED_STACK_LABELLED = 2,
        SELECTOR = 3,
        BUTTON_STACK = 4,
        ROTARY_SWITCH = 5,
        ROTARY_SWITCH_PLAIN = 6,
        UP_DOWN = 7,
    };

    // Pin handlers.
    void refreshDisplay();
    void onEnumListChanged();
    void rebuildWidgets();

    // Choosing.
    gmpi::EnumListIterator items() const;  // at the first item
    void choose(const gmpi::EnumListIterator& item);
    void chooseIndex(int32_t index);
    void stepSelection(int32_t delta);
    void showDropdownMenu();
    void pressWidget(skin::Widget& widget, uint32_t flags, gmpi_gui::MpPoint point);
    void releaseButtonStack();
    void releaseRotarySwitch();
    int32_t shownCount() const { return std::min(itemCount_, maxShownItems); }
    bool usesDropdown() const { return appearance_ < LED_STACK || appearance_ > UP_DOWN; }

    // Widgets.
    skin::BitmapWidget* bitmapAt(size_t position) const;
    skin::TextWidget* label() const;
    skin::Widget* widgetAt(size_t position) const;  // null past the last widget
    skin::Widget* lastStackLabel(int32_t buttons) const;
    std::shared_ptr<skin::BitmapWidget> addBitmap(const char* image);
    void addLabel(const std::string& text);
    bool takeAllDirty();

    // Layouts (measure answers the desired size; arrange places the widgets).
    gmpi_gui::MpSize measureAppearance();
    void arrangeAppearance(float width, float height);
    gmpi_gui::MpSize measureLedStack();
    void arrangeLedStack();
    gmpi_gui::MpSize measureLabelledLedStack();
    void arrangeLabelledLedStack(float width);
    gmpi_gui::MpSize measureSelector();
    void arrangeSelector(float width, float height);
    gmpi_gui::MpSize measureButtonStack();
    void arrangeButtonStack(float width);
    gmpi_gui::MpSize measureUpDown();
    void arrangeUpDown(float width, float height);
    gmpi_gui::MpSize measureRotary();
    void placeKnob();
    gmpi_gui::MpSize labelSizeFor(const std::u16string& text);

    // Drawing.
    gmpi_gui::IMpTextFormat* dropdownFormat();
    gmpi_gui::MpSize measureDropdown();
    void drawDropdown(gmpi_gui::IMpDrawingContext& context);
    gmpi_gui::MpRect drawRotary(gmpi_gui::IMpDrawingContext* context, gmpi_gui::MpPoint offset);

    std::vector<std::shared_ptr<skin::Widget>> widgets_;
    skin::Widget* capturedWidget_ = nullptr;
    gmpi::HostRef<gmpi_gui::IMpTextFormat> dropdownFormat_;
    gmpi_gui::MpPoint rotaryOffset_{0, 0};
    gmpi::MpGuiPinInt valueIn_;
    gmpi::MpGuiPinString hint_;
    gmpi::MpGuiPinString enumList_;
    gmpi::MpGuiPinInt appearance_;
    int32_t itemCount_ = 0;
    int32_t rowSpacing_ = 4;
};

}  // namespace zu
