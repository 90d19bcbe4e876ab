// The description embedded in the library the tests run beside, read once.
#pragma once

#include "host/description/EmbeddedDescription.h"

inline const zuhost::LibraryDescription& builtDescription() {
    static const zuhost::LibraryDescription description = zuhost::loadDescription("libzu_modules.so");
    return description;
}
