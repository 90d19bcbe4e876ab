// The part every appearance built from widgets shares: its widgets in
// drawing order, drawn one after the other, pressed where the pointer
// lands and asked for their dirty flags.
//
// Contract: a derived class owns its widgets and lists each one here once
// (through show) in the order they are drawn and pressed.
#pragma once

#include <memory>
#include <vector>

#include "modules/list_entry/ListAppearance.h"
#include "skin/BitmapWidget.h"
#include "skin/TextWidget.h"

namespace zu {

class WidgetAppearance : public ListAppearance {
public:
    void render(gmpi_gui::IMpDrawingContext& context) override;
    void pointerDown(uint32_t flags, gmpi_gui::MpPoint point) override;  // every widget under the point, in order
    bool takeDirty() override;
    bool takeFirstDirty() override;
    bool rebuildsWithList() const override { return true; }

protected:
    explicit WidgetAppearance(ListPanel& panel) : panel_(panel) {}

    void show(skin::Widget& widget) { widgets_.push_back(&widget); }
    // Makes count widgets of the named skin image and shows them after those before.
    void showBitmaps(std::vector<std::unique_ptr<skin::BitmapWidget>>& widgets, int32_t count, const char* image);
    // A label with its item's text for each item the list yields, up to count.
    void showItemLabels(std::vector<std::unique_ptr<skin::TextWidget>>& labels, int32_t count);
    // Sets the widget's bounds to width by height at left, top.
    static void place(skin::Widget& widget, float left, float top, float width, float height);

    ListPanel& panel_;

private:
    std::vector<skin::Widget*> widgets_;
};

}  // namespace zu
