#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/FontMetadata.h"

namespace {

using skin::FontMetadata;
using skin::FontStyleSheet;

FontStyleSheet sheetOf(const std::string& text) {
    FontStyleSheet sheet;
    skin::applyStyleSheet(sheet, text);
    return sheet;
}

TEST(FontStyleSheetTest, AStyleIsFoundByItsNameInAnyCase) {
    const FontStyleSheet sheet = sheetOf(
        "FONT_CATEGORY Title\n"
        "font-family Tahoma Arial\n"
        "font-family Verdana\n"
        "font-size 14\n"
        "font-weight bold\n");
    for (const char* name : {"title", "Title", "TITLE"}) {
        const FontMetadata& style = skin::findStyle(sheet, name);
        EXPECT_EQ(style.category, "title");
        EXPECT_EQ(style.fontFamilies, (std::vector<std::string>{"Tahoma", "Arial", "Verdana"}));
        EXPECT_EQ(style.fontSize, 14);
        EXPECT_EQ(style.flags, FontMetadata::bold);
        EXPECT_EQ(style.weight(), 700);
    }
}

TEST(FontStyleSheetTest, WeightsMapToFlags) {
    struct Case {
        const char* value;
        int32_t weight;
    };
    const Case cases[] = {{"300", 300},    {"301", 400},   {"550", 400},   {"551", 700},
                          {"normal", 400}, {"black", 700}, {"Light", 300}, {"0", 400}};
    for (const Case& c : cases)
        EXPECT_EQ(skin::findStyle(sheetOf(std::string("FONT_CATEGORY s\nfont-weight ") + c.value), "s").weight(),
                  c.weight)
            << c.value;
    EXPECT_EQ(skin::findStyle(sheetOf("FONT_CATEGORY s\nfont-weight bold\nfont-weight light"), "s").weight(), 400);
}

TEST(FontStyleSheetTest, ColourWordsAreReadBlueGreenRedAndOpaque) {
    struct Case {
        const char* word;
        uint32_t argb;
    };
    const Case cases[] = {{"#0000FF", 0xFFFF0000}, {"255", 0xFFFF0000}, {"#FF0000", 0xFF0000FF},
                          {"#00FF00", 0xFF00FF00}, {"0", 0xFF000000},   {"nothing", 0xFF000000}};
    for (const Case& c : cases) EXPECT_EQ(skin::parseColorWord(c.word), c.argb) << c.word;

    const FontStyleSheet sheet = sheetOf(
        "FONT_CATEGORY s\nfont-color #0000FF\nbackground-color 0\ntext-align Centre\ntext-decoration underline");
    const FontMetadata& style = skin::findStyle(sheet, "s");
    EXPECT_EQ(style.color, 0xFFFF0000);
    EXPECT_EQ(style.backgroundColor, 0xFF000000);
    EXPECT_EQ(style.flags, FontMetadata::centred | FontMetadata::underlined);
}

TEST(FontStyleSheetTest, UnknownNamesAndStylelessLinesFallBack) {
    const FontStyleSheet sheet = sheetOf(
        "font-size 30\n"
        "FONT_CATEGORY twice\nfont-size 9\n"
        "FONT_CATEGORY TWICE\nfont-size 99\n"
        "FONT_CATEGORY nofamily\n"
        "FONT_CATEGORY emptyfamily\nfont-family '' Verdana\n");
    EXPECT_EQ(skin::findStyle(sheet, "twice").fontSize, 9);
    const FontMetadata& missing = skin::findStyle(sheet, "missing");
    EXPECT_EQ(missing.category, "default");
    EXPECT_EQ(missing.fontSize, 12);
    EXPECT_EQ(missing.family(), "Arial");
    EXPECT_EQ(missing.color, 0xFF000000);
    EXPECT_EQ(missing.backgroundColor, 0u);
    EXPECT_EQ(skin::findStyle(sheet, "nofamily").family(), "Arial");
    EXPECT_EQ(skin::findStyle(sheet, "emptyfamily").family(), "Arial");
}

TEST(FontStyleSheetTest, ColoursBecomeFloatsPerChannel) {
    const gmpi_gui::MpColor color = skin::toColor(0x80FF0033);
    EXPECT_FLOAT_EQ(color.r, 1.0f);
    EXPECT_FLOAT_EQ(color.g, 0.0f);
    EXPECT_FLOAT_EQ(color.b, 0.2f);
    EXPECT_FLOAT_EQ(color.a, 128 / 255.0f);
}

}  // namespace
