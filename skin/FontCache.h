// Text formats for named styles of the skin's style sheet (the resource
// "global" of type "ImageMeta"), with each style's record kept while the
// cache has clients.
//
// Contract: the sheet is read again for every name not yet cached; a name
// the sheet does not define, or a skin without a sheet, gets the fallback
// style. The text format is made anew on every request and handed to the
// caller (one reference); the record belongs to the cache.
#pragma once

#include <string>

#include "framework/ComRef.h"
#include "skin/FontMetadata.h"
#include "skin/SkinCache.h"

namespace skin {

class FontCache : public SkinCache<FontMetadata> {
public:
    static FontCache& instance();

    // A text format for the style (empty when the host makes none) and,
    // through style, the cached record.
    gmpi::ComRef<gmpi_gui::IMpTextFormat> getTextFormat(gmpi::IMpUserInterfaceHost2* guiHost,
                                                        gmpi_gui::IMpGraphicsHost* graphicsHost,
                                                        const std::string& name, const FontMetadata*& style);

private:
    FontCache() = default;
};

// Counts its object as a client of the font cache for the object's life.
using FontCacheClient = SkinCacheClient<FontCache>;

// Reads the skin's style sheet through the GUI host into sheet (left empty
// when the skin has none).
void readSkinStyleSheet(gmpi::IMpUserInterfaceHost2& guiHost, FontStyleSheet& sheet);

// A text format for a family, weight and size, normal style and stretch.
gmpi::ComRef<gmpi_gui::IMpTextFormat> createTextFormat(gmpi_gui::IMpGraphicsHost& graphicsHost,
                                                       const std::string& family, int32_t weight, float size);

}  // namespace skin
