#include "host/gui/GraphicsHost.h"

#include <cmath>

#include "host/gui/HostBitmap.h"
#include "host/gui/HostTextFormat.h"
#include "host/gui/PlatformMenu.h"
#include "host/gui/PlatformTextEdit.h"
#include "host/gui/SkinFolder.h"

namespace zuhost::gui {

namespace {

constexpr float largestFontSize = 100000.0f;

}  // namespace

GraphicsHost::GraphicsHost(std::shared_ptr<TextMeasurer> measurer)
    : measurer_(measurer ? std::move(measurer) : makePlatformTextMeasurer()) {}

int32_t GraphicsHost::queryInterface(const gmpi::MpGuid& iid, void** out) {
    return gmpi::answerQuery(iid, out, {{gmpi_gui::MP_IID_GRAPHICS_HOST, this}, {gmpi::MP_IID_UNKNOWN, this}});
}

void GraphicsHost::invalidateRect(const gmpi_gui::MpRect* rect) {
    invalidations_.push_back(rect != nullptr ? std::optional(*rect) : std::nullopt);
}

int32_t GraphicsHost::createTextFormat(const char* family, gmpi::IMpUnknown*, int32_t weight, int32_t style,
                                       int32_t stretch, float size, const char*, void** format) {
    if (format == nullptr) return gmpi::MP_FAIL;
    *format = nullptr;
    TextFormatSettings settings{family != nullptr ? family : "", weight, style, stretch, size};
    textFormatRequests_.push_back(settings);
    if (!std::isfinite(size) || size <= 0.0f || size > largestFontSize) return gmpi::MP_FAIL;
    *format = (new HostTextFormat(tally_, std::move(settings), measurer_))->handOut();
    return gmpi::MP_OK;
}

int32_t GraphicsHost::createPlatformMenu(void** menu) {
    if (menu == nullptr) return gmpi::MP_FAIL;
    *menu = (new PlatformMenu(tally_, script_))->handOut();
    return gmpi::MP_OK;
}

int32_t GraphicsHost::setCapture() {
    captured_ = true;
    return gmpi::MP_OK;
}

int32_t GraphicsHost::getCapture(int32_t* captured) {
    if (captured == nullptr) return gmpi::MP_FAIL;
    *captured = captured_ ? 1 : 0;
    return gmpi::MP_OK;
}

int32_t GraphicsHost::releaseCapture() {
    captured_ = false;
    return gmpi::MP_OK;
}

int32_t GraphicsHost::createPlatformTextEdit(void** textEdit) {
    if (textEdit == nullptr) return gmpi::MP_FAIL;
    *textEdit = (new PlatformTextEdit(tally_, script_))->handOut();
    return gmpi::MP_OK;
}

int32_t GraphicsHost::loadImage(const char* fullName, void** bitmap) {
    if (bitmap == nullptr) return gmpi::MP_FAIL;
    *bitmap = nullptr;
    if (fullName == nullptr) return gmpi::MP_FAIL;
    imageLoads_.emplace_back(fullName);
    auto image = decodeImageFile(pathFromUtf8(fullName));
    if (!image) {
        imageFailures_.emplace_back(fullName);
        return gmpi::MP_FAIL;
    }
    *bitmap = (new HostBitmap(tally_, std::move(*image)))->handOut();
    return gmpi::MP_OK;
}

}  // namespace zuhost::gui
