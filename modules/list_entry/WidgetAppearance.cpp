#include "modules/list_entry/WidgetAppearance.h"

#include "platform/TextConversion.h"

namespace zu {

void WidgetAppearance::showBitmaps(std::vector<std::unique_ptr<skin::BitmapWidget>>& widgets, int32_t count,
                                   const char* image) {
    for (int32_t i = 0; i < count; ++i)
        show(*widgets.emplace_back(std::make_unique<skin::BitmapWidget>(panel_.widgetHost(), image)));
}

void WidgetAppearance::showItemLabels(std::vector<std::unique_ptr<skin::TextWidget>>& labels, int32_t count) {
    for (gmpi::EnumListIterator item = panel_.items(); !item.isDone() && item.index() < count; item.next()) {
        const std::string text = platform::toUtf8(item.text());
        show(*labels.emplace_back(std::make_unique<skin::TextWidget>(panel_.widgetHost(), "selector_text", text)));
    }
}

void WidgetAppearance::render(gmpi_gui::IMpDrawingContext& context) {
    for (skin::Widget* widget : widgets_) widget->render(context);
}

// Every widget under the point has the press; the last that takes the pointer keeps it.
void WidgetAppearance::pointerDown(uint32_t flags, gmpi_gui::MpPoint point) {
    for (skin::Widget* widget : widgets_)
        if (widget->hitTest(point)) panel_.press(*widget, flags, point);
}

bool WidgetAppearance::takeDirty() {
    bool any = false;
    for (skin::Widget* widget : widgets_) any = widget->takeDirty() || any;
    return any;
}

bool WidgetAppearance::takeFirstDirty() {
    for (skin::Widget* widget : widgets_)
        if (widget->takeDirty()) return true;
    return false;
}

void WidgetAppearance::place(skin::Widget& widget, float left, float top, float width, float height) {
    widget.setBounds({left, top, left + width, top + height});
}

}  // namespace zu
