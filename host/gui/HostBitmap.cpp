#include "host/gui/HostBitmap.h"

namespace zuhost::gui {

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
    *pixels = (new HostBitmapPixels(tally_, image_))->handOut();
    return gmpi::MP_OK;
}

HostBitmapPixels::HostBitmapPixels(std::shared_ptr<ObjectTally> tally, std::shared_ptr<BgraImage> image)
    : HostObject(std::move(tally), &gmpi_gui::MP_IID_BITMAP_PIXELS), image_(std::move(image)) {}

}  // namespace zuhost::gui
