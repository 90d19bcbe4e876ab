// Skin images by short name: resolved and loaded through the host, made
// transparent by a companion mask image or a key colour, and described by
// their metadata text, which is read once per name while the cache has
// clients.
//
// Contract: every request loads the bitmap anew and hands it to the caller
// (one reference); the metadata record belongs to the cache. A name whose
// image does not load makes no entry, so a later request tries again; every
// caller that receives a bitmap also receives a record.
#pragma once

#include <string>
#include <string_view>

#include "framework/ComRef.h"
#include "skin/ImageMetadata.h"
#include "skin/SkinCache.h"

namespace skin {

class ImageCache : public SkinCache<ImageMetadata> {
public:
    static ImageCache& instance();

    // The image's bitmap (empty when it does not load) and, through metadata,
    // its cached record (null when the name is neither cached nor loaded).
    gmpi::ComRef<gmpi_gui::IMpBitmap> getImage(gmpi::IMpUserInterfaceHost2* guiHost,
                                               gmpi_gui::IMpGraphicsHost* graphicsHost, const std::string& name,
                                               const ImageMetadata*& metadata);

private:
    ImageCache() = default;
};

// Counts its object as a client of the image cache for the object's life.
using ImageCacheClient = SkinCacheClient<ImageCache>;

// The name without its last extension; a dot inside a directory part is not one.
std::string stripExtension(std::string_view name);

}  // namespace skin
