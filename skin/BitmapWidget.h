// A widget that shows one skin image: a slider with a moving handle, a frame
// strip (knob, switch, LED), a button or a bar graph, chosen by a value from
// 0 to 1 and moved by the pointer as the image's metadata says.
//
// Contract: the value stays within 0..1 (NaN becomes 0) after every
// operation. Without an image (no name, or one that does not load) it
// measures 10 by 10, draws nothing and takes no pointer. A strip whose frame
// height is not positive draws no frame. The owning panel sets isToggle and,
// for rotary switches, the stepped mapping (stepCount, turnStart, turnSpan).
#pragma once

#include <string>

#include "skin/ImageCache.h"
#include "skin/Widget.h"

namespace skin {

class BitmapWidget : public ImageCacheClient, public Widget {
public:
    BitmapWidget() = default;
    BitmapWidget(gmpi::IMpUnknown* host, const std::string& imageName);

    void setImage(const std::string& imageName);  // empty: no image
    void setNormalised(float value);
    float getNormalised() const { return normalisedValue_; }

    gmpi_gui::MpSize measure() override;
    void render(gmpi_gui::IMpDrawingContext& context) override;
    bool onPointerDown(uint32_t flags, gmpi_gui::MpPoint point) override;
    void onPointerMove(uint32_t flags, gmpi_gui::MpPoint point) override;
    void onPointerUp(uint32_t flags, gmpi_gui::MpPoint point) override;

    void setToggle(bool isToggle) { isToggle_ = isToggle; }
    void setSteppedRotary(int32_t stepCount, float turnStart, float turnSpan);
    int32_t getFrameOffset() const { return frameOffset_; }
    const ImageMetadata* getMetadata() const { return metadata_; }
    bool hasImage() const { return bitmap_ && metadata_ != nullptr; }

private:
    void updateFrame();
    int32_t frameOffsetFor(float value) const;
    int32_t stripOffset(float value) const;
    int32_t lastFrame() const;
    bool hasFrames() const;
    void storeValue(float value);
    void drawSlider(gmpi_gui::IMpDrawingContext& context) const;
    void drawBarGraph(gmpi_gui::IMpDrawingContext& context) const;
    void drawFrame(gmpi_gui::IMpDrawingContext& context) const;
    void draw(gmpi_gui::IMpDrawingContext& context, const gmpi_gui::MpRect& source,
              const gmpi_gui::MpRect& destination) const;
    void followRotary(gmpi_gui::MpPoint point);

    gmpi::ComRef<gmpi_gui::IMpBitmap> bitmap_;
    const ImageMetadata* metadata_ = nullptr;
    float imageHeight_ = 0;
    float normalisedValue_ = 0;
    gmpi_gui::MpPoint lastPoint_{0, 0};
    float rotaryBias_ = 0;
    bool isToggle_ = false;
    int32_t frameOffset_ = 0;
    int32_t stepCount_ = 0;
    float turnStart_ = 0;
    float turnSpan_ = 0;
};

}  // namespace skin
