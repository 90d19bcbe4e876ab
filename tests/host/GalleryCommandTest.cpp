#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "tests/host/PanelCommandSupport.h"
#include "tests/support/TestTempPath.h"

namespace {

TEST(GalleryCommandTest, ShowsEveryAppearanceOfEveryPanelOnOneSheetAndAPage) {
    const auto directory = testTempPath("gallery");
    const CommandResult result = runZuhostWith({"gallery", builtLibrary(), "--out", directory.string()});
    ASSERT_EQ(result.status, 0) << result.err << result.out;
    const Picture sheet(directory / "gallery.png");
    ASSERT_TRUE(sheet.valid());
    EXPECT_GT(sheet.width(), 1000);

    std::stringstream page;
    page << std::ifstream(directory / "gallery.html").rdbuf();
    int figures = 0;
    for (size_t at = page.str().find("<figure>"); at != std::string::npos; at = page.str().find("<figure>", at + 1))
        ++figures;
    // Sliders: 8 appearances each at three values; the list entry: 8 appearances, two lists, three values; scopes: two
    // each.
    EXPECT_EQ(figures, 8 * 3 * 2 + 8 * 2 * 3 + 2 * 2);
    for (const char* caption : {"ZU Slider2: Knob at 0.5", "ZU List Entry: Rot Switch, 14 items, item 13",
                                "ZU Scope3 XP: four voices", "ZU TrigScope3 XP: one voice"})
        EXPECT_NE(page.str().find(caption), std::string::npos) << caption;
}

}  // namespace
