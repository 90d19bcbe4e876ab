#include "modules/list_entry/ItemLabel.h"

#include "platform/TextConversion.h"

namespace zu {

ItemLabel::ItemLabel(gmpi::IMpUnknown* host) : TextWidget(host, "selector_text", {}) {}

void ItemLabel::show(const gmpi::EnumListIterator& current) {
    if (!current.isDone()) setText(platform::toUtf8(current.text()));
}

gmpi_gui::MpSize ItemLabel::sizeFor(const std::u16string& text) {
    const std::string previous = getText();
    const bool wasDirty = isDirty();
    setText(platform::toUtf8(text));
    const gmpi_gui::MpSize size = measure();
    setText(previous);
    if (!wasDirty) takeDirty();
    return size;
}

}  // namespace zu
