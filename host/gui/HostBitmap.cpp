#include "host/gui/HostBitmap.h"

#include <cstring>

namespace zuhost::gui {

namespace {

uint8_t premultiply(uint8_t channel, uint8_t alpha) { return static_cast<uint8_t>((channel * alpha + 127) / 255); }

// The same pixels with each colour channel scaled by its alpha.
void premultiplyInto(const BgraImage& image, BgraImage& out) {
    out.width = image.width;
    out.height = image.height;
    out.pixels.resize(image.pixels.size());
    const uint8_t* from = image.pixels.data();
    uint8_t* to = out.pixels.data();
    for (size_t i = 0; i + 4 <= image.pixels.size(); i += 4) {
        const uint8_t alpha = from[i + 3];
        // Opaque and clear pixels, most of a skin's, come out the same without the arithmetic.
        if (alpha == 255) {
            std::memcpy(to + i, from + i, 4);
        } else if (alpha == 0) {
            std::memset(to + i, 0, 4);
        } else {
            to[i] = premultiply(from[i], alpha);
            to[i + 1] = premultiply(from[i + 1], alpha);
            to[i + 2] = premultiply(from[i + 2], alpha);
            to[i + 3] = alpha;
        }
    }
}

}  // namespace

HostBitmap::HostBitmap(std::shared_ptr<ObjectTally> tally, BgraImage image)
    : HostObject(tally, &gmpi_gui::MP_IID_BITMAP),
      tally_(std::move(tally)),
      image_(std::make_shared<BgraImage>(std::move(image))) {}

int32_t HostBitmap::getBitmapSize(gmpi_gui::MpSize* size) {
    if (size == nullptr) return gmpi::MP_FAIL;
    *size = {static_cast<float>(image_->width), static_cast<float>(image_->height)};
    return gmpi::MP_OK;
}

int32_t HostBitmap::lockPixels(void** pixels, int32_t) {
    if (pixels == nullptr) return gmpi::MP_FAIL;
    premultipliedCurrent_ = false;
    *pixels = (new HostBitmapPixels(tally_, image_))->handOut();
    return gmpi::MP_OK;
}

const BgraImage& HostBitmap::premultiplied() const {
    if (premultipliedCurrent_) return premultiplied_;
    premultiplyInto(*image_, premultiplied_);
    // Only this bitmap holds the pixels: nothing can change them before the next lockPixels.
    premultipliedCurrent_ = image_.use_count() == 1;
    return premultiplied_;
}

HostBitmapPixels::HostBitmapPixels(std::shared_ptr<ObjectTally> tally, std::shared_ptr<BgraImage> image)
    : HostObject(std::move(tally), &gmpi_gui::MP_IID_BITMAP_PIXELS), image_(std::move(image)) {}

}  // namespace zuhost::gui
