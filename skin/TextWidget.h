// A label or readout: text in a named style of the skin, on the style's
// background colour, starting at the left and centred vertically.
//
// Contract: the style (and its text format) is taken by the first setStyle
// that obtains a text format; later calls change nothing. Text is UTF-8.
#pragma once

#include <string>

#include "skin/Drawing.h"
#include "skin/FontCache.h"
#include "skin/Widget.h"

namespace skin {

class TextWidget : public Widget, public FontCacheClient {
public:
    TextWidget() = default;
    TextWidget(gmpi::IMpUnknown* host, const std::string& styleName, const std::string& text);

    void setText(const std::string& text);  // a different text raises the dirty flag
    const std::string& getText() const { return text_; }
    void setStyle(const std::string& styleName);

    gmpi_gui::MpSize measure() override;  // the text's extent plus 2 each way
    void render(gmpi_gui::IMpDrawingContext& context) override;

private:
    std::string text_;
    gmpi::ComRef<gmpi_gui::IMpTextFormat> format_;
    const FontMetadata* style_ = nullptr;
};

}  // namespace skin
