#include "modules/list_entry/DropDown.h"

#include "gui/FiniteRect.h"
#include "platform/TextConversion.h"
#include "skin/Drawing.h"
#include "skin/FontCache.h"

namespace zu {

using gmpi_gui::MpColor;
using gmpi_gui::MpRect;
using gmpi_gui::MpSize;

namespace {

MpColor rgb(int r, int g, int b) { return {r / 255.0f, g / 255.0f, b / 255.0f, 1.0f}; }

}  // namespace

gmpi_gui::IMpTextFormat* DropDown::format() {
    if (!format_ && panel_.graphicsHost() != nullptr) {
        format_ = skin::createTextFormat(*panel_.graphicsHost(), "Segoe UI", 400, 10.0f);
        if (format_) {
            format_->setTextAlignment(gmpi_gui::MP_TEXT_ALIGN_LEADING);
            format_->setParagraphAlignment(gmpi_gui::MP_PARAGRAPH_ALIGN_CENTER);
        }
    }
    return format_.get();
}

MpSize DropDown::measure() { return {100, skin::textExtent(format(), "M").height + 2}; }

void DropDown::render(gmpi_gui::IMpDrawingContext& context) {
    const MpRect& r = panel_.bounds();
    auto brush = skin::createBrush(context, rgb(238, 238, 238));
    if (!brush) return;
    context.fillRectangle(&r, brush.get());

    const MpColor outline = rgb(150, 150, 150);
    brush->setColor(&outline);
    skin::drawPath(context,
                   {{r.left, r.top}, {r.right - 1, r.top}, {r.right - 1, r.bottom - 1}, {r.left, r.bottom - 1}}, true,
                   brush.get(), 1.0f);

    const gmpi::EnumListIterator current = panel_.currentItem();
    const std::string text = current.isDone() ? std::string() : platform::toUtf8(current.text());
    const MpColor textColor = rgb(0, 0, 50);
    brush->setColor(&textColor);
    const MpRect layout{r.left + 2, r.top + 2, r.right - 18, r.bottom - 2};
    skin::drawText(context, text, format(), layout, brush.get());

    // The chevron sits at the middle of the box.
    const MpColor chevron = rgb(110, 110, 110);
    brush->setColor(&chevron);
    const float y0 = r.top + (r.bottom - r.top) * 0.5f - 2;
    skin::drawPath(context, {{r.right - 16, y0}, {r.right - 12, y0 + 4}, {r.right - 8, y0}}, false, brush.get(), 2.0f);
}

// The menu opens beside the panel, which has no place to open beside
// without a graphics host or a finite rectangle.
void DropDown::pointerDown(uint32_t, gmpi_gui::MpPoint) {
    if (panel_.graphicsHost() == nullptr || !gmpi_gui::isFiniteRect(panel_.bounds())) return;
    gmpi::ComRef<gmpi::IMpUnknown> created;
    if (panel_.graphicsHost()->createPlatformMenu(created.put()) != gmpi::MP_OK) return;
    const auto menu = created.as<gmpi_gui::IMpPlatformMenu>(gmpi_gui::MP_IID_PLATFORM_MENU);
    if (!menu) return;
    for (gmpi::EnumListIterator item = panel_.items(); !item.isDone() && item.index() < maxMenuItems; item.next())
        menu->addItem(platform::toUtf8(item.text()).c_str(), item.index());
    int32_t chosen = -1;
    menu->setAlignment(gmpi_gui::MP_TEXT_ALIGN_CENTER);
    menu->showMenu(&chosen, panel_.bounds().right, panel_.bounds().top);
    panel_.chooseIndex(chosen);
    panel_.repaint();
}

}  // namespace zu
