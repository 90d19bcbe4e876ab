#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "host/gui/GraphicsHost.h"
#include "host/gui/SkinFolder.h"
#include "tests/support/ImageFiles.h"
#include "tests/support/TestSkin.h"

namespace {

using gmpi_gui::IMpBitmap;
using gmpi_gui::IMpBitmapPixels;
using zuhost::gui::GraphicsHost;
using zuhost::gui::pathToUtf8;

class ImageLoading : public ::testing::Test {
protected:
    IMpBitmap* load(const std::filesystem::path& path) {
        void* object = nullptr;
        if (host.loadImage(pathToUtf8(path).c_str(), &object) != gmpi::MP_OK) return nullptr;
        void* bitmap = nullptr;
        static_cast<gmpi::IMpUnknown*>(object)->queryInterface(gmpi_gui::MP_IID_BITMAP, &bitmap);
        static_cast<gmpi::IMpUnknown*>(object)->release();
        return static_cast<IMpBitmap*>(bitmap);
    }
    static IMpBitmapPixels* lock(IMpBitmap* bitmap) {
        void* object = nullptr;
        EXPECT_EQ(bitmap->lockPixels(&object, 0), gmpi::MP_OK);
        void* pixels = nullptr;
        static_cast<gmpi::IMpUnknown*>(object)->queryInterface(gmpi_gui::MP_IID_BITMAP_PIXELS, &pixels);
        static_cast<gmpi::IMpUnknown*>(object)->release();
        return static_cast<IMpBitmapPixels*>(pixels);
    }
    static std::vector<uint8_t> bytesOf(IMpBitmapPixels* pixels, int32_t rows) {
        const uint8_t* first = pixels->getPixelAddress();
        return {first, first + pixels->getBytesPerRow() * rows};
    }
    void TearDown() override { EXPECT_EQ(host.objects().live(), 0); }

    TestSkin skin;
    GraphicsHost host;
};

TEST_F(ImageLoading, APngBecomesStraightAlphaBgraRowsTopToBottom) {
    // Row 0: opaque red, half-transparent green; row 1: transparent blue, grey.
    const auto path =
        skin.write("two.png", pngBytes(2, 2, {255, 0, 0, 255, 0, 255, 0, 128, 0, 0, 255, 0, 90, 90, 90, 255}));
    IMpBitmap* bitmap = load(path);
    ASSERT_NE(bitmap, nullptr);
    gmpi_gui::MpSize size{};
    EXPECT_EQ(bitmap->getBitmapSize(&size), gmpi::MP_OK);
    EXPECT_EQ(size.width, 2);
    EXPECT_EQ(size.height, 2);
    IMpBitmapPixels* pixels = lock(bitmap);
    EXPECT_EQ(pixels->getBytesPerRow(), 8);
    EXPECT_EQ(bytesOf(pixels, 2),
              (std::vector<uint8_t>{0, 0, 255, 255, 0, 255, 0, 128, 255, 0, 0, 0, 90, 90, 90, 255}));
    pixels->release();
    bitmap->release();
}

TEST_F(ImageLoading, ABmpIsOpaqueBgraRowsTopToBottom) {
    const auto path = skin.write("three.bmp", bmpBytes(3, 2,
                                                       {255, 0, 0, 0, 255, 0, 0, 0, 255,  // top row
                                                        10, 20, 30, 40, 50, 60, 70, 80, 90}));
    IMpBitmap* bitmap = load(path);
    ASSERT_NE(bitmap, nullptr);
    IMpBitmapPixels* pixels = lock(bitmap);
    EXPECT_EQ(pixels->getBytesPerRow(), 12);
    EXPECT_EQ(bytesOf(pixels, 2), (std::vector<uint8_t>{0,  0,  255, 255, 0,  255, 0,  255, 255, 0,  0,  255,  //
                                                        30, 20, 10,  255, 60, 50,  40, 255, 90,  80, 70, 255}));
    pixels->release();
    bitmap->release();
}

TEST_F(ImageLoading, PixelWritesShowInEveryLaterLockAndOutliveTheBitmap) {
    IMpBitmap* bitmap = load(skin.write("one.png", pngBytes(1, 1, {1, 2, 3, 4})));
    ASSERT_NE(bitmap, nullptr);
    IMpBitmapPixels* first = lock(bitmap);
    first->getPixelAddress()[3] = 200;
    IMpBitmapPixels* second = lock(bitmap);
    bitmap->release();
    EXPECT_EQ(second->getPixelAddress()[3], 200);
    EXPECT_EQ(host.objects().live(), 2);
    first->release();
    second->release();
}

TEST_F(ImageLoading, WhatIsNotAnImageLoadsNothing) {
    for (const auto& path :
         {skin.write("text.png", "not a picture"), skin.write("empty.bmp", ""), skin.folder() / "none.png"}) {
        void* bitmap = &host;
        EXPECT_EQ(host.loadImage(pathToUtf8(path).c_str(), &bitmap), gmpi::MP_FAIL) << path;
        EXPECT_EQ(bitmap, nullptr);
    }
    EXPECT_EQ(host.loadImage(nullptr, nullptr), gmpi::MP_FAIL);
    EXPECT_EQ(host.objects().created(), 0);
}

}  // namespace
