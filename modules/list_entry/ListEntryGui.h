// Panel of "ZU List Entry": a choice among the items of an enumeration list
// ("EnumList"), the current one being "Value In", shown in one of eight
// appearances (see ListAppearance.h). A choice is sent back on "Value In"
// only when it differs from the current value.
//
// Contract: the list is never stored parsed; each operation walks the pin's
// text. The appearance is made anew when "Appearance" changes and, for those
// laid out from the items, when the list does; codes outside 1..7 show the
// drop-down. A rectangle that is not finite (see FiniteRect.h) is kept but
// neither lays out, draws nor opens the menu.
#pragma once

#include <memory>

#include "framework/ComRef.h"
#include "gui/MpGuiGfxBase.h"
#include "modules/list_entry/ListAppearance.h"

namespace zu {

class ListEntryGui final : public gmpi_gui::MpGuiGfxBase, private ListPanel {
public:
    ListEntryGui();

    int32_t measure(gmpi_gui::MpSize available, gmpi_gui::MpSize* desired) override;
    int32_t arrange(const gmpi_gui::MpRect* finalRect) override;
    int32_t render(gmpi::IMpUnknown* context) override;
    int32_t onPointerDown(uint32_t flags, gmpi_gui::MpPoint point) override;
    int32_t onPointerMove(uint32_t flags, gmpi_gui::MpPoint point) override;
    int32_t onPointerUp(uint32_t flags, gmpi_gui::MpPoint point) override;

private:
    // Pin handlers.
    void refreshDisplay() override;
    void onEnumListChanged();
    void rebuildWidgets();

    std::unique_ptr<ListAppearance> makeAppearance();  // for the current appearance code
    void choose(const gmpi::EnumListIterator& item);

    // What the appearances ask of the panel.
    gmpi::EnumListIterator items() const override;
    gmpi::EnumListIterator currentItem() const override;
    void chooseIndex(int32_t index) override;
    void stepSelection(int32_t delta) override;
    void press(skin::Widget& widget, uint32_t flags, gmpi_gui::MpPoint point) override;
    void repaint() override { invalidateRect(); }
    gmpi::IMpUnknown* widgetHost() const override { return getGuiHost(); }
    gmpi_gui::IMpGraphicsHost* graphicsHost() const override { return getGraphicsHost(); }
    const gmpi_gui::MpRect& bounds() const override { return getBounds(); }

    std::unique_ptr<ListAppearance> view_;
    skin::Widget* capturedWidget_ = nullptr;
    gmpi::ComRef<gmpi_gui::IMpTextFormat> dropdownFormat_;
    gmpi::MpGuiPinInt valueIn_;
    gmpi::MpGuiPinString hint_;
    gmpi::MpGuiPinString enumList_;
    gmpi::MpGuiPinInt appearance_;
    int32_t itemCount_ = 0;
};

}  // namespace zu
