#include <gtest/gtest.h>

#include "skin/FontCache.h"
#include "tests/skin/SkinHostFixture.h"

namespace {

using skin::FontCache;
using skin::FontCacheClient;
using skin::FontMetadata;

class FontCacheTest : public SkinHostFixture {
protected:
    const FontMetadata* request(const std::string& name) {
        const FontMetadata* style = nullptr;
        const auto format = FontCache::instance().getTextFormat(&guiHost, &graphicsHost, name, style);
        EXPECT_TRUE(format);
        return style;
    }
};

TEST_F(FontCacheTest, AStyleComesWithAFormatMadeFromIt) {
    FontCacheClient client;
    skin.write("global.txt",
               "FONT_CATEGORY Title\nfont-family Tahoma Arial\nfont-size 14\nfont-weight bold\n"
               "FONT_CATEGORY bare\n");
    const FontMetadata* style = request("TITLE");
    EXPECT_EQ(style->category, "title");
    const auto& format = graphicsHost.textFormatRequests().back();
    EXPECT_EQ(format.family, "Tahoma");
    EXPECT_EQ(format.weight, 700);
    EXPECT_EQ(format.size, 14.0f);
    EXPECT_EQ(format.style, 0);
    EXPECT_EQ(format.stretch, 5);

    request("bare");
    EXPECT_EQ(graphicsHost.textFormatRequests().back().family, "Arial");
}

TEST_F(FontCacheTest, TheSheetIsReadOncePerNameWhileAClientLives) {
    skin.write("global.txt", "FONT_CATEGORY a\nfont-size 9\n");
    {
        FontCacheClient client;
        const FontMetadata* first = request("a");
        EXPECT_EQ(request("a"), first);
        request("A");
        EXPECT_EQ(lookupsOf("ImageMeta", "global"), 2);
        EXPECT_EQ(graphicsHost.textFormatRequests().size(), 3u);
    }
    FontCacheClient later;
    request("a");
    EXPECT_EQ(lookupsOf("ImageMeta", "global"), 3);
}

TEST_F(FontCacheTest, ASkinWithoutASheetDrawsInArialTwelveBlack) {
    FontCacheClient client;
    const FontMetadata* style = request("anything");
    EXPECT_EQ(style->family(), "Arial");
    EXPECT_EQ(style->fontSize, 12);
    EXPECT_EQ(style->color, 0xFF000000u);
    EXPECT_EQ(graphicsHost.textFormatRequests().back().weight, 400);
    // A sheet name the host cannot resolve is not opened anyway.
    EXPECT_EQ(lookupsOf("ImageMeta", "global"), 1);
    EXPECT_TRUE(guiHost.openedNames().empty());
}

}  // namespace
