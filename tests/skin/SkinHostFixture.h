// A substitute host over a skin folder of the test's own, for the cache and
// widget tests: the GUI host and graphics host a panel would hand its widgets.
#pragma once

#include <cstring>
#include <string>
#include <vector>

#include "framework/ComRef.h"
#include "host/gui/GraphicsHost.h"
#include "host/gui/GuiHost.h"
#include "host/gui/RecordingContext.h"
#include "tests/support/ImageFiles.h"
#include "tests/support/TestSkin.h"

class SkinHostFixture : public ::testing::Test {
protected:
    SkinHostFixture() : guiHost(skin.folder()) { guiHost.offerGraphicsHost(&graphicsHost); }

    // The host object as a panel hands it to its widgets.
    gmpi::IMpUnknown* host() { return static_cast<gmpi::IMpUserInterfaceHost2*>(&guiHost); }

    int lookupsOf(const std::string& type, const std::string& shortName = {}) const {
        int count = 0;
        for (const auto& lookup : guiHost.lookups())
            count += lookup.type == type && (shortName.empty() || lookup.shortName == shortName);
        return count;
    }

    // A one-colour RGBA PNG of the given size.
    void writePng(const std::string& name, int32_t width, int32_t height, std::vector<uint8_t> rgba = {}) {
        if (rgba.empty())
            for (int32_t i = 0; i < width * height; ++i) rgba.insert(rgba.end(), {200, 100, 50, 255});
        skin.write(name, pngBytes(width, height, rgba));
    }

    TestSkin skin;
    zuhost::gui::GraphicsHost graphicsHost;
    zuhost::gui::GuiHost guiHost;
};

// The B, G, R, A bytes of a bitmap's pixels, row after row.
inline std::vector<uint8_t> pixelBytes(gmpi_gui::IMpBitmap& bitmap) {
    gmpi::ComRef<gmpi::IMpUnknown> locked;
    bitmap.lockPixels(locked.put(), 0);
    const auto pixels = locked.as<gmpi_gui::IMpBitmapPixels>(gmpi_gui::MP_IID_BITMAP_PIXELS);
    gmpi_gui::MpSize size{};
    bitmap.getBitmapSize(&size);
    std::vector<uint8_t> bytes;
    for (int32_t y = 0; y < int32_t(size.height); ++y) {
        const uint8_t* row = pixels->getPixelAddress() + y * pixels->getBytesPerRow();
        bytes.insert(bytes.end(), row, row + int32_t(size.width) * 4);
    }
    return bytes;
}

inline std::vector<uint8_t> alphas(gmpi_gui::IMpBitmap& bitmap) {
    std::vector<uint8_t> result;
    const auto bytes = pixelBytes(bitmap);
    for (size_t i = 3; i < bytes.size(); i += 4) result.push_back(bytes[i]);
    return result;
}
