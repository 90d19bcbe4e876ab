#include "modules/list_entry/ListEntryGui.h"

#include <algorithm>

#include "framework/MpFactory.h"
#include "gui/FiniteRect.h"
#include "modules/list_entry/ButtonStack.h"
#include "modules/list_entry/DropDown.h"
#include "modules/list_entry/LedStack.h"
#include "modules/list_entry/RotarySwitch.h"
#include "modules/list_entry/Selector.h"
#include "modules/list_entry/UpDownSelect.h"

namespace zu {

using gmpi_gui::MpPoint;
using gmpi_gui::MpRect;
using gmpi_gui::MpSize;

namespace {

gmpi::PluginRegistration listEntryGuiRegistration(gmpi::MP_SUB_TYPE_GUI, u"ZU List Entry",
                                                  gmpi::createPlugin<ListEntryGui, gmpi::IMpUserInterface2>);

// The item values of the "Appearance" pin's list; any code it does not hold
// shows the drop-down too.
enum Appearance : int32_t {
    dropdown = 0,
    ledStack = 1,
    ledStackLabelled = 2,
    selector = 3,
    buttonStack = 4,
    rotarySwitch = 5,
    rotarySwitchPlain = 6,
    upDown = 7,
};

}  // namespace

ListEntryGui::ListEntryGui() {
    initializePin(10, valueIn_, &ListEntryGui::refreshDisplay);
    initializePin(hint_, &ListEntryGui::refreshDisplay);
    initializePin(enumList_, &ListEntryGui::onEnumListChanged);
    initializePin(appearance_, &ListEntryGui::rebuildWidgets);
    view_ = makeAppearance();
}

std::unique_ptr<ListAppearance> ListEntryGui::makeAppearance() {
    ListPanel& panel = *this;
    const int32_t shown = std::min(itemCount_, ListAppearance::maxShownItems);
    switch (appearance_) {
        case ledStack: return std::make_unique<LedStack>(panel, shown, Labels::without);
        case ledStackLabelled: return std::make_unique<LedStack>(panel, shown, Labels::with);
        case selector: return std::make_unique<Selector>(panel);
        case buttonStack: return std::make_unique<ButtonStack>(panel, shown);
        case rotarySwitch: return std::make_unique<RotarySwitch>(panel, shown, Labels::with);
        case rotarySwitchPlain: return std::make_unique<RotarySwitch>(panel, shown, Labels::without);
        case upDown: return std::make_unique<UpDownSelect>(panel);
        case dropdown: return std::make_unique<DropDown>(panel, dropdownFormat_, DropDown::Chosen::byItsCode);
        default: return std::make_unique<DropDown>(panel, dropdownFormat_, DropDown::Chosen::asStandIn);
    }
}

// ---- choosing

gmpi::EnumListIterator ListEntryGui::items() const {
    gmpi::EnumListIterator iterator(enumList_.getValue());
    iterator.first();
    return iterator;
}

gmpi::EnumListIterator ListEntryGui::currentItem() const {
    gmpi::EnumListIterator item = items();
    item.findValue(valueIn_);
    return item;
}

void ListEntryGui::choose(const gmpi::EnumListIterator& item) {
    if (item.value() != valueIn_) valueIn_ = item.value();
}

void ListEntryGui::chooseIndex(int32_t index) {
    gmpi::EnumListIterator item = items();
    if (item.findIndex(index)) choose(item);
}

void ListEntryGui::stepSelection(int32_t delta) {
    gmpi::EnumListIterator item = items();
    const int32_t count = item.count();
    int32_t index = 0;
    if (item.findValue(valueIn_)) {
        index = item.index() + delta;
        if (index >= count) index = 0;
        if (index < 0) index = count - 1;
    }
    if (!item.findIndex(index)) return;
    choose(item);
    refreshDisplay();
}

void ListEntryGui::refreshDisplay() {
    view_->refresh(currentItem());
    if (view_->takeDirty()) invalidateRect();
}

void ListEntryGui::onEnumListChanged() {
    itemCount_ = items().count();
    if (view_->rebuildsWithList())
        rebuildWidgets();
    else
        refreshDisplay();
}

void ListEntryGui::rebuildWidgets() {
    view_.reset();
    capturedWidget_ = nullptr;
    view_ = makeAppearance();
    refreshDisplay();
    invalidateMeasure();
}

// ---- pointer

void ListEntryGui::press(skin::Widget& widget, uint32_t flags, MpPoint point) {
    if (widget.onPointerDown(flags, point)) {
        capturedWidget_ = &widget;
        setCapture();
    }
    if (widget.takeDirty()) invalidateRect();
}

int32_t ListEntryGui::onPointerDown(uint32_t flags, MpPoint point) {
    capturedWidget_ = nullptr;
    view_->pointerDown(flags, point);
    return gmpi::MP_OK;
}

int32_t ListEntryGui::onPointerMove(uint32_t flags, MpPoint point) {
    if (!getCapture()) return gmpi::MP_FAIL;
    if (capturedWidget_ != nullptr) {
        capturedWidget_->onPointerMove(flags, point);
        if (capturedWidget_->takeDirty()) invalidateRect();
    }
    return gmpi::MP_OK;
}

int32_t ListEntryGui::onPointerUp(uint32_t flags, MpPoint point) {
    if (!getCapture()) return gmpi::MP_FAIL;
    releaseCapture();
    if (capturedWidget_ == nullptr) return gmpi::MP_OK;
    capturedWidget_->onPointerUp(flags, point);
    view_->pointerUp(*capturedWidget_);
    if (view_->takeFirstDirty()) invalidateRect();
    return gmpi::MP_OK;
}

// ---- layout and drawing

int32_t ListEntryGui::measure(MpSize, MpSize* desired) {
    if (desired == nullptr) return gmpi::MP_FAIL;
    *desired = view_->measure();
    return gmpi::MP_OK;
}

int32_t ListEntryGui::arrange(const MpRect* finalRect) {
    if (finalRect == nullptr) return gmpi::MP_FAIL;
    MpGuiGfxBase::arrange(finalRect);
    if (gmpi_gui::isFiniteRect(*finalRect))
        view_->arrange({finalRect->right - finalRect->left, finalRect->bottom - finalRect->top});
    return gmpi::MP_OK;
}

int32_t ListEntryGui::render(gmpi::IMpUnknown* context) {
    const auto drawing = gmpi::ComRef<gmpi_gui::IMpDrawingContext>::query(context, gmpi_gui::MP_IID_DRAWING_CONTEXT);
    if (!drawing) return gmpi::MP_NOSUPPORT;
    if (gmpi_gui::isFiniteRect(getBounds())) view_->render(*drawing);
    return gmpi::MP_OK;
}

}  // namespace zu
