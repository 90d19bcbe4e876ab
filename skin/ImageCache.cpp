#include "skin/ImageCache.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "gui/FloatToInt.h"
#include "gui/MpString.h"

namespace skin {

namespace {

using gmpi::ComRef;
using gmpi::IMpUnknown;
using gmpi_gui::IMpBitmap;
using gmpi_gui::IMpBitmapPixels;
using gmpi_gui::truncateToInt;

// A bitmap's pixels while locked, with the extent that may be touched.
struct LockedPixels {
    explicit LockedPixels(IMpBitmap& bitmap) {
        ComRef<IMpUnknown> locked;
        if (bitmap.lockPixels(locked.put(), 0) != gmpi::MP_OK) return;
        access = locked.as<IMpBitmapPixels>(gmpi_gui::MP_IID_BITMAP_PIXELS);
        gmpi_gui::MpSize size{0, 0};
        if (!access || bitmap.getBitmapSize(&size) != gmpi::MP_OK) return;
        address = access->getPixelAddress();
        stride = access->getBytesPerRow();
        width = std::min(std::max(truncateToInt(size.width), 0), std::max(stride, 0) / 4);
        height = std::max(truncateToInt(size.height), 0);
        if (address == nullptr) width = height = 0;
    }
    uint8_t* pixel(int32_t x, int32_t y) const { return address + static_cast<ptrdiff_t>(y) * stride + x * 4; }

    ComRef<IMpBitmapPixels> access;
    uint8_t* address = nullptr;
    int32_t stride = 0;
    int32_t width = 0;
    int32_t height = 0;
};

ComRef<IMpBitmap> loadBitmap(gmpi_gui::IMpGraphicsHost& graphicsHost, const std::string& fullName) {
    ComRef<IMpUnknown> loaded;
    if (graphicsHost.loadImage(fullName.c_str(), loaded.put()) != gmpi::MP_OK) return {};
    return loaded.as<IMpBitmap>(gmpi_gui::MP_IID_BITMAP);
}

bool resolve(gmpi::IMpUserInterfaceHost2& guiHost, const std::string& name, const char* type, std::string& fullName) {
    gmpi_sdk::MpString result;
    const bool resolved = guiHost.resolveResourceName(name.c_str(), type, &result) == gmpi::MP_OK;
    fullName = result.str();
    return resolved;
}

// Alpha = 255 - the mask's first byte, over the rows and columns both bitmaps have.
void applyMask(IMpBitmap& image, IMpBitmap& mask) {
    const LockedPixels target(image);
    const LockedPixels source(mask);
    const int32_t rows = std::min(target.height, source.height);
    const int32_t columns = std::min(target.width, source.width);
    for (int32_t y = 0; y < rows; ++y)
        for (int32_t x = 0; x < columns; ++x) target.pixel(x, y)[3] = static_cast<uint8_t>(255 - source.pixel(x, y)[0]);
}

// Every pixel equal to the key pixel (alpha included) becomes fully transparent.
void applyKeyColour(IMpBitmap& image, const ImageMetadata& metadata) {
    const LockedPixels pixels(image);
    const int32_t rows = std::min(truncateToInt(metadata.imageSize.height), pixels.height);
    const int32_t keyX = metadata.transparentPixelX;
    const int32_t keyY = metadata.transparentPixelY;
    if (keyX >= pixels.width || keyY < 0 || keyY >= pixels.height) return;
    uint32_t key;
    std::memcpy(&key, pixels.pixel(keyX, keyY), 4);
    for (int32_t y = 0; y < rows; ++y) {
        for (int32_t x = 0; x < pixels.width; ++x) {
            uint8_t* pixel = pixels.pixel(x, y);
            if (std::memcmp(pixel, &key, 4) == 0) pixel[3] = 0;
        }
    }
}

bool endsWithBmp(const std::string& fullName) {
    return fullName.size() >= 3 && fullName.compare(fullName.size() - 3, 3, "bmp") == 0;
}

}  // namespace

ImageCache& ImageCache::instance() {
    static ImageCache cache;
    return cache;
}

std::string stripExtension(std::string_view name) {
    for (size_t i = name.size(); i-- > 0;) {
        if (name[i] == '/' || name[i] == '\\') break;
        if (name[i] == '.') return std::string(name.substr(0, i));
    }
    return std::string(name);
}

ComRef<IMpBitmap> ImageCache::getImage(gmpi::IMpUserInterfaceHost2* guiHost, gmpi_gui::IMpGraphicsHost* graphicsHost,
                                       const std::string& name, const ImageMetadata*& metadata) {
    ImageMetadata* cached = find(name);
    metadata = cached;
    if (guiHost == nullptr || graphicsHost == nullptr) return {};

    std::string fullName;
    resolve(*guiHost, name, "Image", fullName);
    ComRef<IMpBitmap> bitmap = loadBitmap(*graphicsHost, fullName);
    if (!bitmap) return {};

    std::string maskName;
    if (endsWithBmp(fullName) && resolve(*guiHost, stripExtension(name) + "_mask.bmp", "Image", maskName)) {
        if (ComRef<IMpBitmap> mask = loadBitmap(*graphicsHost, maskName)) applyMask(*bitmap, *mask);
    }

    std::shared_ptr<ImageMetadata> created;
    if (cached == nullptr) {
        created = std::make_shared<ImageMetadata>();
        std::string metadataName;
        ComRef<IMpUnknown> opened;
        if (resolve(*guiHost, stripExtension(name), "ImageMeta", metadataName) &&
            guiHost->openResource(metadataName.c_str(), opened.put()) == gmpi::MP_OK) {
            if (ComRef<gmpi::IMpFile> file = opened.as<gmpi::IMpFile>(gmpi::MP_IID_FILE)) {
                parseImageMetadata(*created, file);
                bitmap->getBitmapSize(&created->imageSize);
            }
        }
    }
    const ImageMetadata& record = cached != nullptr ? *cached : *created;
    if (record.transparentPixelX >= 0) applyKeyColour(*bitmap, record);
    metadata = cached != nullptr ? cached : insert(name, std::move(created));
    return bitmap;
}

}  // namespace skin
