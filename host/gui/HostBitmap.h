// A bitmap the graphics host loaded (IMpBitmap) and the pixel access that
// lockPixels hands out (IMpBitmapPixels).
//
// Contract: the pixels are shared between the bitmap and every pixel object
// locked from it, so writes through getPixelAddress show in later drawing and
// a pixel object stays valid after its bitmap is released. lockPixels ignores
// its flags. Drawing contexts reach the pixels through image().
#pragma once

#include <memory>

#include "host/gui/BgraImage.h"
#include "host/gui/HostObject.h"

namespace zuhost::gui {

class HostBitmap final : public HostObject<gmpi_gui::IMpBitmap> {
public:
    HostBitmap(std::shared_ptr<ObjectTally> tally, BgraImage image);

    int32_t getBitmapSize(gmpi_gui::MpSize* size) override;
    int32_t lockPixels(void** pixels, int32_t flags) override;

    const BgraImage& image() const { return *image_; }

private:
    std::shared_ptr<ObjectTally> tally_;
    std::shared_ptr<BgraImage> image_;
};

class HostBitmapPixels final : public HostObject<gmpi_gui::IMpBitmapPixels> {
public:
    HostBitmapPixels(std::shared_ptr<ObjectTally> tally, std::shared_ptr<BgraImage> image);

    uint8_t* getPixelAddress() override { return image_->pixels.data(); }
    int32_t getBytesPerRow() override { return image_->bytesPerRow(); }

private:
    std::shared_ptr<BgraImage> image_;
};

}  // namespace zuhost::gui
