#include <gtest/gtest.h>

#include "host/play/WindowLayout.h"

namespace {

using namespace zuhost::play;

TEST(WindowLayoutTest, PanelsStandSideBySideUnderTheirTitlesAboveTheStatusLine) {
    const WindowLayout layout = layOutWindow({{400, 300}, {60, 55}}, {80.2f, 120.0f});
    ASSERT_EQ(layout.places.size(), 2u);
    EXPECT_EQ(layout.places[0].panel.left, windowMargin);
    EXPECT_EQ(layout.places[0].panel.top, windowMargin + titleHeight);
    EXPECT_EQ(layout.places[0].panel.right, windowMargin + 400);
    // The second column is as wide as its title, which is wider than its panel.
    EXPECT_EQ(layout.places[1].panel.left, windowMargin + 400 + panelGap);
    EXPECT_EQ(layout.places[1].title.right - layout.places[1].title.left, 120);
    EXPECT_EQ(layout.size.width, windowMargin + 400 + panelGap + 120 + windowMargin);
    EXPECT_EQ(layout.size.height, windowMargin + titleHeight + 300 + windowMargin + statusHeight);
    EXPECT_EQ(layout.status.top, layout.size.height - statusHeight);
}

TEST(WindowLayoutTest, AWindowMadeBiggerKeepsThePanelsAndStretchesTheStatusLine) {
    const WindowLayout layout = layOutWindow({{60, 55}}, {40}, {900, 700});
    EXPECT_EQ(layout.places[0].panel.left, windowMargin);
    EXPECT_EQ(layout.status.right, 900);
    EXPECT_EQ(layout.status.bottom, 700);
    EXPECT_GE(layout.size.width, 60 + 2 * windowMargin);  // what it needs, not what it got
    EXPECT_LT(layout.size.height, 700);
}

TEST(WindowLayoutTest, ThePointerFindsThePanelUnderItAndNoneBetweenThem) {
    const WindowLayout layout = layOutWindow({{100, 100}, {50, 50}}, {});
    EXPECT_EQ(layout.panelAt({windowMargin + 1, windowMargin + titleHeight + 1}), 0);
    EXPECT_EQ(layout.panelAt({windowMargin + 100 + panelGap / 2, 50}), -1);
    EXPECT_EQ(layout.panelAt({windowMargin + 100 + panelGap + 49, windowMargin + titleHeight + 49}), 1);
    EXPECT_EQ(layout.panelAt({windowMargin + 100 + panelGap + 49, windowMargin + titleHeight + 50}), -1);
    EXPECT_EQ(layout.panelAt({1, 1}), -1);  // the title
}

}  // namespace
