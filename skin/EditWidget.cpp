#include "skin/EditWidget.h"

#include <algorithm>

#include "gui/MpString.h"
#include "skin/FontCache.h"
#include "skin/Drawing.h"

namespace skin {

using gmpi::ComRef;
using gmpi_gui::MpColor;
using gmpi_gui::MpPoint;
using gmpi_gui::MpRect;
using gmpi_gui::MpSize;

void EditWidget::setText(const std::string& text) {
    if (text != text_) markDirty();
    text_ = text;
}

void EditWidget::setStyle(const std::string& styleName) {
    if (format_ || graphicsHost() == nullptr) return;
    if (sheet_.styles.empty() && guiHost() != nullptr) {
        guiHost()->prepareResources();
        readSkinStyleSheet(*guiHost(), sheet_);
    }
    const FontMetadata& style = findStyle(sheet_, styleName);
    constexpr int32_t regularWeight = 400;
    format_ = createTextFormat(*graphicsHost(), style.family(), regularWeight, static_cast<float>(style.fontSize));
    if (!format_) return;
    format_->setTextAlignment(gmpi_gui::MP_TEXT_ALIGN_LEADING);
    format_->setParagraphAlignment(gmpi_gui::MP_PARAGRAPH_ALIGN_CENTER);
}

MpSize EditWidget::measure() {
    const MpSize m = textExtent(format_.get(), "M");
    return {4 * m.width + 2, m.height + 2};
}

void EditWidget::render(gmpi_gui::IMpDrawingContext& context) {
    auto brush = createBrush(context, MpColor{1, 1, 1, 1});
    if (!brush) return;
    const MpRect& bounds = getBounds();
    context.fillRectangle(&bounds, brush.get());
    drawFrame(context, *brush);
    if (!format_) return;

    // Text taller than the box moves up so that its bottom stays inside. An
    // upside-down box has no room inside; counting its (negative) height would
    // move the text by as much again, past the float range for the largest.
    const MpColor textColor{0, 0, 50 / 255.0f, 1};
    brush->setColor(&textColor);
    const float inner = std::max(0.0f, (bounds.bottom - 0.5f) - (bounds.top + 0.5f));
    const float excess = std::max(textExtent(format_.get(), "M").height - inner, 0.0f);
    const MpRect layout{bounds.left + 2.5f, bounds.top + 0.5f - excess, bounds.right - 2.5f,
                        bounds.bottom - 0.5f - excess};
    drawText(context, text_, format_.get(), layout, brush.get());
}

// The path is built before the brush turns grey: hosts that record calls see them in that order.
void EditWidget::drawFrame(gmpi_gui::IMpDrawingContext& context, gmpi_gui::IMpSolidColorBrush& brush) const {
    const MpRect& b = getBounds();
    PathBuilder frame(context);
    for (const MpPoint corner : {MpPoint{b.left + 0.5f, b.top + 0.5f}, MpPoint{b.right - 0.5f, b.top + 0.5f},
                                 MpPoint{b.right - 0.5f, b.bottom - 0.5f}, MpPoint{b.left + 0.5f, b.bottom - 0.5f}})
        frame.addPoint(corner);
    frame.finish(true);
    const MpColor grey{100 / 255.0f, 100 / 255.0f, 100 / 255.0f, 1};
    brush.setColor(&grey);
    frame.stroke(&brush, 1.0f);
}

bool EditWidget::onPointerDown(uint32_t, gmpi_gui::MpPoint) { return true; }

void EditWidget::onPointerUp(uint32_t, gmpi_gui::MpPoint) {
    if (readOnly_ || graphicsHost() == nullptr) return;
    ComRef<gmpi::IMpUnknown> created;
    if (graphicsHost()->createPlatformTextEdit(created.put()) != gmpi::MP_OK) return;
    const auto entry = created.as<gmpi_gui::IMpPlatformText>(gmpi_gui::MP_IID_PLATFORM_TEXT);
    if (!entry) return;
    entry->setAlignment(gmpi_gui::MP_TEXT_ALIGN_CENTER);
    entry->setText(text_.c_str());
    // Starts empty: an entry that hands nothing back (the user cancelled)
    // leaves no text for the owner to take, rather than the shown text,
    // which may be a rounded form of the value.
    gmpi_sdk::MpString typed;
    const MpRect& b = getBounds();
    entry->showEditor(b.left, b.top, b.right - b.left, b.bottom - b.top, &typed);
    setText(typed.str());
}

}  // namespace skin
