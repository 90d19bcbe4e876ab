// The label of the selector and the up/down arrows: it shows the current
// item, and is measured with every item's text in turn so that the panel is
// wide enough for any of them.
#pragma once

#include <string>

#include "framework/EnumListIterator.h"
#include "skin/TextWidget.h"

namespace zu {

class ItemLabel : public skin::TextWidget {
public:
    explicit ItemLabel(gmpi::IMpUnknown* host);

    // The item's text; a list without the current value leaves the text as it was.
    void show(const gmpi::EnumListIterator& current);
    // The label's size with text in it; the label keeps its text and dirty flag.
    gmpi_gui::MpSize sizeFor(const std::u16string& text);
};

}  // namespace zu
