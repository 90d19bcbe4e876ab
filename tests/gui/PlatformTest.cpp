#include <gtest/gtest.h>

#include <string>

#include "gui/ModifierKeys.h"
#include "host/gui/VirtualPlatform.h"
#include "platform/TextConversion.h"

namespace {

using zuhost::gui::VirtualPlatform;

TEST(TextConversionTest, WideTextBecomesUtf8WithUnpairedSurrogatesReplaced) {
    struct Case {
        std::u16string wide;
        std::string utf8;
    };
    const Case cases[] = {
        {u"", ""},
        {u"abc", "abc"},
        {u"\u00e9\u20ac", "\xc3\xa9\xe2\x82\xac"},
        {u"\U0001F3B9", "\xf0\x9f\x8e\xb9"},
        {std::u16string{char16_t(0xD83C), u'x'}, "\xef\xbf\xbdx"},
        {std::u16string{u'x', char16_t(0xDF39)}, "x\xef\xbf\xbd"},
    };
    for (const Case& c : cases) EXPECT_EQ(platform::toUtf8(c.wide), c.utf8);
}

TEST(ModifierKeysTest, EachQueryReadsItsOwnKey) {
    auto& keys = VirtualPlatform::instance();
    keys.setKeyDown(0x11, true);
    EXPECT_TRUE(gmpi_gui::isControlKeyDown());
    EXPECT_FALSE(gmpi_gui::isShiftKeyDown());
    EXPECT_FALSE(gmpi_gui::isAltKeyDown());
    keys.setKeyDown(0x11, false);
    keys.setKeyDown(0x12, true);
    keys.setKeyDown(0x10, true);
    EXPECT_TRUE(gmpi_gui::isAltKeyDown());
    EXPECT_TRUE(gmpi_gui::isShiftKeyDown());
    EXPECT_FALSE(gmpi_gui::isControlKeyDown());
    keys.setKeyDown(0x12, false);
    keys.setKeyDown(0x10, false);
}

}  // namespace
