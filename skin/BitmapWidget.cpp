#include "skin/BitmapWidget.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "gui/FloatToInt.h"
#include "gui/ModifierKeys.h"

namespace skin {

using gmpi_gui::MpPoint;
using gmpi_gui::MpRect;
using gmpi_gui::saturatingInt;
using gmpi_gui::truncateToInt;

namespace {

float clampUnit(float value) { return std::isnan(value) ? 0.0f : std::clamp(value, 0.0f, 1.0f); }

// The frame of frames (the last, or for a whole turn the count) nearest the
// fraction of them: trunc(frames * fraction + 0.5), in float.
int32_t nearestFrame(float frames, float fraction) { return truncateToInt(frames * fraction + 0.5f); }

}  // namespace

BitmapWidget::BitmapWidget(gmpi::IMpUnknown* host, const std::string& imageName) {
    setHost(host);
    setImage(imageName);
}

void BitmapWidget::setImage(const std::string& imageName) {
    metadata_ = nullptr;
    bitmap_.reset();
    imageHeight_ = 0;
    if (!imageName.empty()) {
        bitmap_ = ImageCache::instance().getImage(guiHost(), graphicsHost(), imageName, metadata_);
        gmpi_gui::MpSize size{0, 0};
        if (bitmap_ && bitmap_->getBitmapSize(&size) == gmpi::MP_OK) imageHeight_ = size.height;
    }
    updateFrame();
}

void BitmapWidget::setNormalised(float value) { storeValue(value); }

void BitmapWidget::setSteppedRotary(int32_t stepCount, float turnStart, float turnSpan) {
    stepCount_ = stepCount;
    turnStart_ = turnStart;
    turnSpan_ = turnSpan;
    updateFrame();
}

void BitmapWidget::storeValue(float value) {
    normalisedValue_ = clampUnit(value);
    updateFrame();
}

gmpi_gui::MpSize BitmapWidget::measure() { return hasImage() ? metadata_->frameSize : gmpi_gui::MpSize{10, 10}; }

bool BitmapWidget::hasFrames() const {
    const float frameHeight = metadata_->frameSize.height;
    return std::isfinite(frameHeight) && frameHeight > 0;
}

int32_t BitmapWidget::lastFrame() const {
    return truncateToInt(std::trunc(imageHeight_) / metadata_->frameSize.height - 1.0f);
}

void BitmapWidget::updateFrame() {
    if (!hasImage()) return;
    const int32_t offset = frameOffsetFor(normalisedValue_);
    if (offset == frameOffset_) return;
    frameOffset_ = offset;
    markDirty();
}

int32_t BitmapWidget::frameOffsetFor(float value) const {
    const ImageMetadata& m = *metadata_;
    switch (m.mode) {
        case ImageMetadata::slider: {
            const float span = std::trunc((m.handleRangeEnd - m.handleRangeStart) * value);
            return m.orientation == ImageMetadata::vertical ? truncateToInt(m.handleRangeEnd - span)
                                                            : truncateToInt(span + m.handleRangeStart);
        }
        case ImageMetadata::barGraph:
            return saturatingInt(std::trunc(m.handleRangeEnd) * std::trunc((m.lineEndLength + 1.0f) * value) +
                                 std::trunc(m.handleRangeStart - 1.0f));
        default: return hasFrames() ? stripOffset(value) : 0;
    }
}

// The top row of the frame a strip shows for value, directly or through the
// stepped rotary mapping (a number of steps spread over part of a turn).
// Float arithmetic throughout, as the fields are floats: on a long strip a
// boundary value lands on a different frame in double.
int32_t BitmapWidget::stripOffset(float value) const {
    const int32_t last = lastFrame();
    int32_t frame;
    if (turnSpan_ == 0) {
        frame = nearestFrame(static_cast<float>(last), clampUnit(value));
    } else {
        const float steps = static_cast<float>(stepCount_);
        const float q = stepCount_ >= 2 ? std::floor((steps - 0.00001f) * value) / (steps - 1.0f) : 0.0f;
        float turn = turnSpan_ * q + turnStart_;
        if (turn < 0) turn += 1.0f;
        if (turn > 1) turn -= 1.0f;
        frame = nearestFrame(static_cast<float>(last) + 1.0f, clampUnit(turn));
        if (frame > last) frame = 0;
    }
    return saturatingInt(static_cast<float>(frame) * std::trunc(metadata_->frameSize.height));
}

void BitmapWidget::render(gmpi_gui::IMpDrawingContext& context) {
    if (!hasImage()) return;
    switch (metadata_->mode) {
        case ImageMetadata::slider: drawSlider(context); break;
        case ImageMetadata::barGraph: drawBarGraph(context); break;
        default:
            if (hasFrames()) drawFrame(context);
            break;
    }
}

void BitmapWidget::draw(gmpi_gui::IMpDrawingContext& context, const MpRect& source, const MpRect& destination) const {
    context.drawBitmap(bitmap_.get(), &destination, 1.0f, 1, &source);
}

void BitmapWidget::drawSlider(gmpi_gui::IMpDrawingContext& context) const {
    const ImageMetadata& m = *metadata_;
    const float left = getBounds().left;
    const float top = getBounds().top;
    const float frameW = m.frameSize.width;
    const float frameH = m.frameSize.height;
    draw(context, {0, 0, frameW, frameH}, {left, top, left + frameW, top + frameH});

    // A handle pushed past the top or left edge is cut off there.
    const MpRect& handle = m.handleRect;
    const float offset = static_cast<float>(frameOffset_);
    const float clipped = std::max(-offset, 0.0f);
    if (m.orientation == ImageMetadata::vertical) {
        draw(context, {handle.left, handle.top + clipped, handle.right, handle.bottom},
             {left + handle.left, top + offset + clipped, left + handle.right,
              top + offset + (handle.bottom - handle.top)});
    } else {
        draw(context, {handle.left + clipped, handle.top, handle.right, handle.bottom},
             {left + offset + clipped, top + handle.top, left + offset + (handle.right - handle.left),
              top + handle.bottom});
    }
}

// The image holds a lit frame above an unlit one; the lit part grows from the bottom.
void BitmapWidget::drawBarGraph(gmpi_gui::IMpDrawingContext& context) const {
    const float left = getBounds().left;
    const float top = getBounds().top;
    const float frameW = metadata_->frameSize.width;
    const float frameH = metadata_->frameSize.height;
    const float d = frameH - static_cast<float>(frameOffset_);
    draw(context, {0, d, frameW, frameH}, {left, top + d, left + frameW, top + frameH});
    draw(context, {0, frameH, frameW, frameH + d}, {left, top, left + frameW, top + d});
}

void BitmapWidget::drawFrame(gmpi_gui::IMpDrawingContext& context) const {
    const ImageMetadata& m = *metadata_;
    const float offset = static_cast<float>(frameOffset_);
    const float left = getBounds().left + m.paddingLeft;
    const float top = getBounds().top + m.paddingTop;
    draw(context, {0, offset, m.frameSize.width, offset + m.frameSize.height},
         {left, top, left + m.frameSize.width, top + m.frameSize.height});
}

bool BitmapWidget::onPointerDown(uint32_t, MpPoint point) {
    lastPoint_ = {point.x - getBounds().left, point.y - getBounds().top};
    if (!hasImage()) return false;
    switch (metadata_->orientation) {
        case ImageMetadata::click: storeValue(normalisedValue_ == 0 ? 1.0f : 0.0f); break;
        case ImageMetadata::stepped: {
            // Each click advances one frame and wraps to the first.
            const int32_t last = hasFrames() ? lastFrame() : 0;
            int32_t next = nearestFrame(static_cast<float>(last), normalisedValue_);
            next = next >= last ? 0 : next + 1;
            storeValue(last > 0 ? static_cast<float>(next) / static_cast<float>(last) : 0.0f);
            break;
        }
        default: rotaryBias_ = 0; break;
    }
    return true;
}

void BitmapWidget::onPointerMove(uint32_t, MpPoint point) {
    const MpPoint p{point.x - getBounds().left, point.y - getBounds().top};
    if (hasImage()) {
        const float perPixel = gmpi_gui::isControlKeyDown() ? 0.001f : 0.005f;
        switch (metadata_->orientation) {
            case ImageMetadata::click:
            case ImageMetadata::stepped: break;
            case ImageMetadata::rotary: followRotary(p); break;
            case ImageMetadata::vertical: storeValue(normalisedValue_ - (p.y - lastPoint_.y) * perPixel); break;
            default: storeValue(normalisedValue_ + (p.x - lastPoint_.x) * perPixel); break;
        }
    }
    lastPoint_ = p;
}

// A knob follows circular motion around its centre or plain vertical motion,
// whichever the recent movement resembles more.
void BitmapWidget::followRotary(MpPoint p) {
    constexpr float pi = std::numbers::pi_v<float>;
    const float halfW = width() / 2;
    const float halfH = height() / 2;
    const float cx = p.x - halfW, cy = p.y - halfH;
    const float lastX = lastPoint_.x - halfW, lastY = lastPoint_.y - halfH;
    const float dy = p.y - lastPoint_.y;

    const float reach = std::min((std::abs(cx) + std::abs(cy)) * 2.0f / (width() + height()), 1.0f);
    float turn = std::atan2(cy, cx) - std::atan2(lastY, lastX);
    if (turn > pi)
        turn -= 2.0f * pi;
    else if (turn < -pi)
        turn += 2.0f * pi;
    const float circular = turn * reach * 20.0f;
    const float weight = std::max(1.0f - std::min(std::abs(cx), 10.0f) / 10.0f, 0.0f);
    const float linear = dy;

    rotaryBias_ *= 0.9f;
    rotaryBias_ += std::abs(circular) > std::abs(linear * weight) ? 0.1f : -0.1f;
    float delta = rotaryBias_ > 0 ? circular : -dy;
    if (gmpi_gui::isControlKeyDown()) delta *= 0.1f;
    storeValue(normalisedValue_ + delta * 0.01f);
}

void BitmapWidget::onPointerUp(uint32_t, MpPoint) {
    if (hasImage() && metadata_->orientation == ImageMetadata::click && !isToggle_ && normalisedValue_ != 0)
        storeValue(0.0f);
}

}  // namespace skin
