#include "modules/list_entry/ListEntryGui.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "framework/MpFactory.h"
#include "gui/FiniteRect.h"
#include "gui/FloatToInt.h"
#include "modules/list_entry/RotaryGeometry.h"
#include "platform/TextConversion.h"
#include "skin/Drawing.h"
#include "skin/FontCache.h"

namespace zu {

using gmpi::HostRef;
using gmpi_gui::MpColor;
using gmpi_gui::MpPoint;
using gmpi_gui::MpRect;
using gmpi_gui::MpSize;

namespace {

gmpi::PluginRegistration listEntryGuiRegistration(gmpi::MP_SUB_TYPE_GUI, u"ZU List Entry",
                                                  gmpi::createPlugin<ListEntryGui, gmpi::IMpUserInterface2>);

MpColor rgb(int r, int g, int b) { return {r / 255.0f, g / 255.0f, b / 255.0f, 1.0f}; }

}  // namespace

ListEntryGui::ListEntryGui() {
    initializePin(10, valueIn_, &ListEntryGui::refreshDisplay);
    initializePin(hint_, &ListEntryGui::refreshDisplay);
    initializePin(enumList_, &ListEntryGui::onEnumListChanged);
    initializePin(appearance_, &ListEntryGui::rebuildWidgets);
}

// ---- choosing

gmpi::EnumListIterator ListEntryGui::items() const {
    gmpi::EnumListIterator iterator(enumList_.getValue());
    iterator.first();
    return iterator;
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
    gmpi::EnumListIterator item = items();
    const int32_t shown = shownCount();
    const int32_t current = item.findValue(valueIn_) ? item.index() : 0;
    switch (appearance_) {
        case BUTTON_STACK:
            for (int32_t i = 0; i < shown; ++i) bitmapAt(i)->setNormalised(i == current ? 1.0f : 0.0f);
            break;
        case LED_STACK:
        case LED_STACK_LABELLED:
            for (int32_t i = 0; i < shown; ++i) bitmapAt(i + 1)->setNormalised(i == current ? 1.0f : 0.0f);
            break;
        case SELECTOR:
        case UP_DOWN:
            if (item.findValue(valueIn_) && label() != nullptr) label()->setText(platform::toUtf8(item.text()));
            break;
        case ROTARY_SWITCH:
        case ROTARY_SWITCH_PLAIN:
            // The knob shows the current item: the value whose stepped frame is that item's.
            if (skin::BitmapWidget* knob = bitmapAt(0))
                knob->setNormalised(shown > 1 ? float(std::min(current, shown - 1)) / float(shown - 1) : 0.0f);
            break;
        default:
            break;
    }
    if (takeAllDirty()) invalidateRect();
}

void ListEntryGui::onEnumListChanged() {
    itemCount_ = items().count();
    if (appearance_ == DROPDOWN || appearance_ == SELECTOR)
        refreshDisplay();
    else
        rebuildWidgets();
}

void ListEntryGui::rebuildWidgets() {
    widgets_.clear();
    capturedWidget_ = nullptr;
    const int32_t shown = shownCount();
    switch (appearance_) {
        case LED_STACK:
            addBitmap("button_sm");
            for (int32_t i = 0; i < std::max(shown, 1); ++i) addBitmap("led");
            break;
        case LED_STACK_LABELLED:
            addBitmap("button_sm");
            for (int32_t i = 0; i < shown; ++i) addBitmap("led");
            for (gmpi::EnumListIterator item = items(); !item.isDone() && item.index() < shown; item.next())
                addLabel(platform::toUtf8(item.text()));
            break;
        case SELECTOR:
            addBitmap("button_sm");
            addLabel({});
            break;
        case BUTTON_STACK:
            for (int32_t i = 0; i < shown; ++i) addBitmap("button_sm")->setToggle(true);
            for (gmpi::EnumListIterator item = items(); !item.isDone() && item.index() < shown; item.next())
                addLabel(platform::toUtf8(item.text()));
            break;
        case ROTARY_SWITCH:
        case ROTARY_SWITCH_PLAIN: {
            const RotaryGeometry geometry = RotaryGeometry::of(shown);
            constexpr float fullTurn = 2 * std::numbers::pi_v<float>;
            addBitmap("switch_rotary")
                ->setSteppedRotary(shown, geometry.startAngle / fullTurn, float(shown - 1) * geometry.angleStep / fullTurn);
            break;
        }
        case UP_DOWN:
            addBitmap("arrow_left");
            addBitmap("arrow_right");
            addLabel({});
            break;
        default:
            break;
    }
    refreshDisplay();
    invalidateMeasure();
}

// ---- widgets

skin::BitmapWidget* ListEntryGui::bitmapAt(size_t position) const {
    return position < widgets_.size() ? dynamic_cast<skin::BitmapWidget*>(widgets_[position].get()) : nullptr;
}

skin::Widget* ListEntryGui::widgetAt(size_t position) const {
    return position < widgets_.size() ? widgets_[position].get() : nullptr;
}

skin::TextWidget* ListEntryGui::label() const {
    return widgets_.empty() ? nullptr : dynamic_cast<skin::TextWidget*>(widgets_.back().get());
}

std::shared_ptr<skin::BitmapWidget> ListEntryGui::addBitmap(const char* image) {
    auto widget = std::make_shared<skin::BitmapWidget>(getGuiHost(), image);
    widgets_.push_back(widget);
    return widget;
}

void ListEntryGui::addLabel(const std::string& text) {
    widgets_.push_back(std::make_shared<skin::TextWidget>(getGuiHost(), "selector_text", text));
}

bool ListEntryGui::takeAllDirty() {
    bool any = false;
    for (const auto& widget : widgets_) any = widget->takeDirty() || any;
    return any;
}

// ---- pointer

void ListEntryGui::pressWidget(skin::Widget& widget, uint32_t flags, MpPoint point) {
    if (widget.onPointerDown(flags, point)) {
        capturedWidget_ = &widget;
        setCapture();
    }
    if (widget.takeDirty()) invalidateRect();
}

int32_t ListEntryGui::onPointerDown(uint32_t flags, MpPoint point) {
    capturedWidget_ = nullptr;
    switch (appearance_) {
        case LED_STACK:
        case LED_STACK_LABELLED:
        case SELECTOR:
        case BUTTON_STACK:
        case UP_DOWN:
            for (const auto& widget : widgets_)
                if (widget->hitTest(point)) pressWidget(*widget, flags, point);
            break;
        case ROTARY_SWITCH:
        case ROTARY_SWITCH_PLAIN:
            if (!widgets_.empty() && widgets_.front()->hitTest(point)) pressWidget(*widgets_.front(), flags, point);
            break;
        default:
            showDropdownMenu();
            break;
    }
    return gmpi::MP_OK;
}

void ListEntryGui::showDropdownMenu() {
    // The menu opens beside the panel, which has no place to open beside.
    if (getGraphicsHost() == nullptr || !gmpi_gui::isFiniteRect(getBounds())) return;
    HostRef<gmpi::IMpUnknown> created;
    if (getGraphicsHost()->createPlatformMenu(created.put()) != gmpi::MP_OK) return;
    const auto menu = created.as<gmpi_gui::IMpPlatformMenu>(gmpi_gui::MP_IID_PLATFORM_MENU);
    if (!menu) return;
    for (gmpi::EnumListIterator item = items(); !item.isDone() && item.index() < maxMenuItems; item.next())
        menu->addItem(platform::toUtf8(item.text()).c_str(), item.index());
    int32_t chosen = -1;
    menu->setAlignment(gmpi_gui::MP_TEXT_ALIGN_CENTER);
    menu->showMenu(&chosen, getBounds().right, getBounds().top);
    chooseIndex(chosen);
    invalidateRect();
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
    const bool onFirst = !widgets_.empty() && capturedWidget_ == widgets_.front().get();
    switch (appearance_) {
        case LED_STACK:
        case LED_STACK_LABELLED:
            if (onFirst) stepSelection(+1);
            refreshDisplay();
            break;
        case SELECTOR:
            if (onFirst) stepSelection(+1);
            break;
        case UP_DOWN:
            stepSelection(widgets_.size() > 1 && capturedWidget_ == widgets_[1].get() ? +1 : -1);
            break;
        case BUTTON_STACK:
            releaseButtonStack();
            break;
        case ROTARY_SWITCH:
        case ROTARY_SWITCH_PLAIN:
            releaseRotarySwitch();
            break;
        default:
            break;
    }
    for (const auto& widget : widgets_) {
        if (widget->takeDirty()) {
            invalidateRect();
            break;
        }
    }
    return gmpi::MP_OK;
}

// A button that toggled on chooses its item and turns the others off; one
// that toggled off changes nothing else.
void ListEntryGui::releaseButtonStack() {
    const int32_t shown = std::min<int32_t>(shownCount(), static_cast<int32_t>(widgets_.size()));
    int32_t pressed = -1;
    for (int32_t j = 0; j < shown; ++j)
        if (capturedWidget_ == widgets_[j].get()) pressed = j;
    if (pressed < 0 || bitmapAt(pressed)->getNormalised() <= 0) return;
    for (int32_t j = 0; j < shown; ++j) {
        if (j == pressed)
            chooseIndex(j);
        else
            bitmapAt(j)->setNormalised(0);
    }
}

// The knob chooses the item under it when released.
void ListEntryGui::releaseRotarySwitch() {
    const int32_t shown = shownCount();
    if (shown <= 0) return;
    const float position = bitmapAt(0)->getNormalised();
    chooseIndex(std::min(gmpi_gui::floorToInt(double(shown) * position), shown - 1));
    refreshDisplay();
}

// ---- layout and drawing

int32_t ListEntryGui::measure(MpSize, MpSize* desired) {
    if (desired == nullptr) return gmpi::MP_FAIL;
    *desired = usesDropdown() ? measureDropdown() : measureAppearance();
    return gmpi::MP_OK;
}

int32_t ListEntryGui::arrange(const MpRect* finalRect) {
    if (finalRect == nullptr) return gmpi::MP_FAIL;
    MpGuiGfxBase::arrange(finalRect);
    if (!usesDropdown() && gmpi_gui::isFiniteRect(*finalRect)) arrangeAppearance(finalRect->right - finalRect->left, finalRect->bottom - finalRect->top);
    return gmpi::MP_OK;
}

int32_t ListEntryGui::render(gmpi::IMpUnknown* context) {
    const auto drawing = gmpi::queryHostInterface<gmpi_gui::IMpDrawingContext>(context, gmpi_gui::MP_IID_DRAWING_CONTEXT);
    if (!drawing) return gmpi::MP_NOSUPPORT;
    if (!gmpi_gui::isFiniteRect(getBounds())) return gmpi::MP_OK;
    if (usesDropdown())
        drawDropdown(*drawing);
    else if (appearance_ == ROTARY_SWITCH || appearance_ == ROTARY_SWITCH_PLAIN)
        drawRotary(drawing.get(), rotaryOffset_);
    else
        for (const auto& widget : widgets_) widget->render(*drawing);
    return gmpi::MP_OK;
}

gmpi_gui::IMpTextFormat* ListEntryGui::dropdownFormat() {
    if (!dropdownFormat_ && getGraphicsHost() != nullptr) {
        dropdownFormat_ = skin::createTextFormat(*getGraphicsHost(), "Segoe UI", 400, 10.0f);
        if (dropdownFormat_) {
            dropdownFormat_->setTextAlignment(gmpi_gui::MP_TEXT_ALIGN_LEADING);
            dropdownFormat_->setParagraphAlignment(gmpi_gui::MP_PARAGRAPH_ALIGN_CENTER);
        }
    }
    return dropdownFormat_.get();
}

MpSize ListEntryGui::measureDropdown() { return {100, skin::textExtent(dropdownFormat(), "M").height + 2}; }

void ListEntryGui::drawDropdown(gmpi_gui::IMpDrawingContext& context) {
    const MpRect& r = getBounds();
    auto brush = skin::createBrush(context, rgb(238, 238, 238));
    if (!brush) return;
    context.fillRectangle(&r, brush.get());

    const MpColor outline = rgb(150, 150, 150);
    brush->setColor(&outline);
    skin::drawPath(context, {{r.left, r.top}, {r.right - 1, r.top}, {r.right - 1, r.bottom - 1}, {r.left, r.bottom - 1}},
             true, brush.get(), 1.0f);

    gmpi::EnumListIterator item = items();
    const std::string text = item.findValue(valueIn_) ? platform::toUtf8(item.text()) : std::string();
    const MpColor textColor = rgb(0, 0, 50);
    brush->setColor(&textColor);
    const MpRect layout{r.left + 2, r.top + 2, r.right - 18, r.bottom - 2};
    skin::drawText(context, text, dropdownFormat(), layout, brush.get());

    // The chevron sits at the middle of the box.
    const MpColor chevron = rgb(110, 110, 110);
    brush->setColor(&chevron);
    const float y0 = r.top + (r.bottom - r.top) * 0.5f - 2;
    skin::drawPath(context, {{r.right - 16, y0}, {r.right - 12, y0 + 4}, {r.right - 8, y0}}, false, brush.get(), 2.0f);
}

}  // namespace zu
