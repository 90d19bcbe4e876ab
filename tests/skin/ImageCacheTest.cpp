#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/ImageCache.h"
#include "tests/skin/SkinHostFixture.h"

namespace {

using skin::ImageCache;
using skin::ImageCacheClient;
using skin::ImageMetadata;

class ImageCacheTest : public SkinHostFixture {
protected:
    gmpi::ComRef<gmpi_gui::IMpBitmap> load(const std::string& name, const ImageMetadata*& metadata) {
        return ImageCache::instance().getImage(&guiHost, &graphicsHost, name, metadata);
    }
    gmpi::ComRef<gmpi_gui::IMpBitmap> load(const std::string& name) {
        const ImageMetadata* ignored = nullptr;
        return load(name, ignored);
    }
};

TEST_F(ImageCacheTest, MetadataIsReadOncePerNameWhileAClientLives) {
    writePng("knob.png", 2, 4);
    skin.write("knob.txt", "frame_size 2 2\n");
    {
        ImageCacheClient client;
        const ImageMetadata* first = nullptr;
        const ImageMetadata* second = nullptr;
        const auto a = load("knob", first);
        const auto b = load("knob", second);
        ASSERT_TRUE(a && b);
        EXPECT_NE(a.get(), b.get());
        EXPECT_EQ(first, second);
        EXPECT_EQ(lookupsOf("ImageMeta"), 1);
        EXPECT_EQ(first->frameSize.width, 2);
        EXPECT_EQ(first->imageSize.height, 4);
    }
    ImageCacheClient later;
    load("knob");
    EXPECT_EQ(lookupsOf("ImageMeta"), 2);
}

TEST_F(ImageCacheTest, AnImageWithoutMetadataGetsTheDefaults) {
    ImageCacheClient client;
    writePng("plain.png", 3, 3);
    const ImageMetadata* metadata = nullptr;
    ASSERT_TRUE(load("plain", metadata));
    ASSERT_NE(metadata, nullptr);
    EXPECT_EQ(metadata->mode, ImageMetadata::animated);
    EXPECT_EQ(metadata->frameSize.height, 10);
    // A metadata name the host cannot resolve is not opened anyway.
    EXPECT_EQ(lookupsOf("ImageMeta", "plain"), 1);
    EXPECT_TRUE(guiHost.openedNames().empty());
}

TEST_F(ImageCacheTest, AnImageThatFailsToLoadLeavesNoEntry) {
    ImageCacheClient client;
    const ImageMetadata* metadata = nullptr;
    EXPECT_FALSE(load("later", metadata));
    EXPECT_EQ(metadata, nullptr);
    EXPECT_EQ(lookupsOf("ImageMeta"), 0);
    writePng("later.png", 3, 3);
    skin.write("later.txt", "frame_size 3 3");
    ASSERT_TRUE(load("later", metadata));
    EXPECT_EQ(metadata->frameSize.width, 3);
}

TEST_F(ImageCacheTest, ABmpIsMaskedByItsCompanionAndAPngNever) {
    ImageCacheClient client;
    skin.write("b.bmp", bmpBytes(3, 1, {10, 20, 30, 40, 50, 60, 70, 80, 90}));
    skin.write("b_mask.bmp", bmpBytes(3, 1, {0, 0, 0, 255, 255, 255, 100, 100, 100}));
    writePng("p.png", 3, 1);
    skin.write("p_mask.bmp", bmpBytes(3, 1, {255, 255, 255, 255, 255, 255, 255, 255, 255}));
    EXPECT_EQ(alphas(*load("b")), (std::vector<uint8_t>{255, 0, 155}));
    EXPECT_EQ(alphas(*load("p")), (std::vector<uint8_t>{255, 255, 255}));
}

TEST_F(ImageCacheTest, TheKeyColourIsComparedAfterTheMaskOnEveryLoad) {
    ImageCacheClient client;
    // Three pixels of one colour; the mask makes the last one half transparent, so it no longer matches.
    skin.write("k.bmp", bmpBytes(3, 1, {9, 9, 9, 9, 9, 9, 9, 9, 9}));
    skin.write("k_mask.bmp", bmpBytes(3, 1, {0, 0, 0, 0, 0, 0, 128, 128, 128}));
    skin.write("k.txt", "transparent_pixel 0 0");
    EXPECT_EQ(alphas(*load("k")), (std::vector<uint8_t>{0, 0, 127}));
    EXPECT_EQ(alphas(*load("k")), (std::vector<uint8_t>{0, 0, 127}));
}

TEST_F(ImageCacheTest, MismatchedMasksAndKeyPixelsStayInsideTheImage) {
    ImageCacheClient client;
    skin.write("wide.bmp", bmpBytes(3, 2, std::vector<uint8_t>(18, 50)));
    skin.write("wide_mask.bmp", bmpBytes(1, 1, {255, 255, 255}));
    EXPECT_EQ(alphas(*load("wide")), (std::vector<uint8_t>{0, 255, 255, 255, 255, 255}));

    writePng("far.png", 2, 2);
    skin.write("far.txt", "transparent_pixel 5 9");
    EXPECT_EQ(alphas(*load("far")), (std::vector<uint8_t>{255, 255, 255, 255}));
}

TEST(StripExtensionTest, OnlyTheLastExtensionOfTheFileNameGoes) {
    struct Case {
        const char* name;
        const char* stripped;
    };
    const Case cases[] = {{"knob", "knob"},
                          {"knob.png", "knob"},
                          {"a.b.png", "a.b"},
                          {"skin/knob", "skin/knob"},
                          {"sk.in/knob", "sk.in/knob"},
                          {"sk.in\\knob", "sk.in\\knob"},
                          {"skin/knob.bmp", "skin/knob"},
                          {"", ""}};
    for (const Case& c : cases) EXPECT_EQ(skin::stripExtension(c.name), c.stripped) << c.name;
}

}  // namespace
