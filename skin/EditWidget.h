// A box for typing a value: white with a grey frame, its text in a style of
// the skin. A click (released) opens the host's text entry; the widget takes
// the text the entry hands back; an entry that hands nothing back (the user
// cancelled) leaves it empty, for the owner to restore.
//
// Contract: reads the skin's style sheet once, on the first setStyle that
// needs it, and keeps the first text format it obtains. The box takes the
// pointer on a press, so the panel captures it. A read-only box, or a host
// without a text entry, ignores clicks. Text is UTF-8.
#pragma once

#include <string>

#include "skin/FontMetadata.h"
#include "skin/Widget.h"

namespace skin {

class EditWidget : public Widget {
public:
    void setText(const std::string& text);  // a different text raises the dirty flag
    const std::string& getText() const { return text_; }
    void setStyle(const std::string& styleName);
    void setReadOnly(bool readOnly) { readOnly_ = readOnly; }

    gmpi_gui::MpSize measure() override;  // four "M" wide plus 2, one "M" high plus 2
    void render(gmpi_gui::IMpDrawingContext& context) override;
    bool onPointerDown(uint32_t flags, gmpi_gui::MpPoint point) override;  // true
    void onPointerUp(uint32_t flags, gmpi_gui::MpPoint point) override;    // opens the host's text entry

private:
    void drawFrame(gmpi_gui::IMpDrawingContext& context, gmpi_gui::IMpSolidColorBrush& brush) const;

    std::string text_;
    gmpi::ComRef<gmpi_gui::IMpTextFormat> format_;
    FontStyleSheet sheet_;
    bool readOnly_ = false;
};

}  // namespace skin
