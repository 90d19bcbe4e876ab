#include "skin/TextWidget.h"

namespace skin {

using gmpi_gui::MpColor;
using gmpi_gui::MpRect;
using gmpi_gui::MpSize;

TextWidget::TextWidget(gmpi::IMpUnknown* host, const std::string& styleName, const std::string& text) {
    setHost(host);
    setText(text);
    setStyle(styleName);
}

void TextWidget::setText(const std::string& text) {
    if (text != text_) markDirty();
    text_ = text;
}

void TextWidget::setStyle(const std::string& styleName) {
    if (format_) return;
    format_ = FontCache::instance().getTextFormat(guiHost(), graphicsHost(), styleName, style_);
    if (!format_) return;
    format_->setTextAlignment(gmpi_gui::MP_TEXT_ALIGN_LEADING);
    format_->setParagraphAlignment(gmpi_gui::MP_PARAGRAPH_ALIGN_CENTER);
}

MpSize TextWidget::measure() {
    const MpSize extent = textExtent(format_.get(), text_);
    return {extent.width + 2, extent.height + 2};
}

void TextWidget::render(gmpi_gui::IMpDrawingContext& context) {
    const FontMetadata fallback;
    const FontMetadata& style = style_ != nullptr ? *style_ : fallback;
    auto brush = createBrush(context, toColor(style.backgroundColor));
    if (!brush) return;
    const MpRect& bounds = getBounds();
    context.fillRectangle(&bounds, brush.get());
    if (!format_) return;
    const MpColor color = toColor(style.color);
    brush->setColor(&color);
    const MpRect layout{bounds.left + 2, bounds.top + 2, bounds.right - 2, bounds.bottom - 2};
    drawText(context, text_, format_.get(), layout, brush.get());
}

}  // namespace skin
