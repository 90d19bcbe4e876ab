// A bitmap the graphics host loaded (IMpBitmap) and the pixel access that
// lockPixels hands out (IMpBitmapPixels).
//
// Contract: the pixels are shared between the bitmap and every pixel object
// locked from it, so writes through getPixelAddress show in later drawing and
// a pixel object stays valid after its bitmap is released. lockPixels ignores
// its flags. Drawing contexts reach the pixels through image(), or with
// premultiplied alpha through premultiplied(), which is converted once and
// kept until the next lockPixels (converted afresh on every call while a
// pixel object is alive, since it may write at any time).
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
    const BgraImage& premultiplied() const;

private:
    std::shared_ptr<ObjectTally> tally_;
    std::shared_ptr<BgraImage> image_;
    mutable BgraImage premultiplied_;
    mutable bool premultipliedCurrent_ = false;  // converted with no pixel object alive, none locked since
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
