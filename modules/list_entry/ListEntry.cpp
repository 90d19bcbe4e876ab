#include "modules/list_entry/ListEntry.h"

#include "framework/MpFactory.h"

namespace zu {

namespace {
gmpi::PluginRegistration listEntryRegistration(gmpi::MP_SUB_TYPE_AUDIO, u"ZU List Entry",
                                               gmpi::createPlugin<ListEntry, gmpi::IMpPlugin2>);
}

ListEntry::ListEntry() {
    registerPin(valueIn_);
    registerPin(valueOut_);
}

void ListEntry::onSetPins() { valueOut_.setValue(valueIn_.getValue(), getBlockPosition()); }

}  // namespace zu
