#include <cmath>
#include <limits>
#include <numbers>
#include <string>

#include "modules/list_entry/ListEntryGui.h"
#include "modules/list_entry/RotaryGeometry.h"
#include "tests/panels/PanelTestSupport.h"

namespace {

using zuhost::gui::DrawCall;

enum Pin : int32_t { ValueIn = 10, Hint = 11, EnumList = 12, Appearance = 13, ShowTitle = 14 };

class ListEntryPanelTest : public PanelTest {
protected:
    void SetUp() override {
        writeImage("button_sm", 20, 20, 2, "mouse_response click");
        writeImage("led", 10, 10, 2, "");
        writeImage("arrow_left", 12, 16, 2, "mouse_response click");
        writeImage("arrow_right", 12, 16, 2, "mouse_response click");
        writeImage("switch_rotary", 40, 40, 36, "mouse_response rotary");
        skin.write("global.txt", "FONT_CATEGORY selector_text\nfont-family Arial\nfont-size 10\n");
    }
    // The panel with a list, a value and an appearance, laid out at its size.
    gmpi_gui::MpSize show(std::u16string_view list, int32_t value, int32_t appearance) {
        auto& panel = open(u"ZU List Entry");
        panel.setString(EnumList, list);
        panel.setInt(ValueIn, value);
        panel.setInt(Appearance, appearance);
        panel.initialize();
        const auto size = panel.measure({300, 300});
        panel.arrange({0, 0, size.width, size.height});
        return size;
    }
    void click(gmpi_gui::MpPoint point) {
        session().pointerDown(point);
        session().pointerUp(point);
    }
    std::string label() {
        const auto texts = only(render(), DrawCall::Kind::DrawText);
        return texts.empty() ? "" : texts.back().text;
    }
};

TEST_F(ListEntryPanelTest, BindsThePinsOfItsDescription) {
    auto& panel = open(u"ZU List Entry");
    EXPECT_EQ(panel.setInt(ValueIn, 1), gmpi::MP_OK);
    EXPECT_EQ(panel.setString(Hint, u"h"), gmpi::MP_OK);
    EXPECT_EQ(panel.setString(EnumList, u"a,b"), gmpi::MP_OK);
    EXPECT_EQ(panel.setInt(Appearance, 3), gmpi::MP_OK);
    EXPECT_EQ(panel.setBool(ShowTitle, true), gmpi::MP_FAIL);
}

TEST_F(ListEntryPanelTest, TheSelectorStepsForwardAndWraps) {
    show(u"a=10,b=20", 20, 3);
    EXPECT_EQ(label(), "b");
    click({5, 5});
    EXPECT_EQ(sent<int32_t>(ValueIn), std::vector<int32_t>{10});
    EXPECT_EQ(label(), "a");
    session().setString(EnumList, u"x=10,y=20");
    EXPECT_EQ(label(), "x");
}

TEST_F(ListEntryPanelTest, ArrowsStepBothWaysAndWrap) {
    const auto size = show(u"a,b,c", 0, 7);
    click({18, size.height / 2});
    click({18, size.height / 2});
    click({5, size.height / 2});
    click({5, size.height / 2});
    click({5, size.height / 2});
    EXPECT_EQ(sent<int32_t>(ValueIn), (std::vector<int32_t>{1, 2, 1, 0, 2}));
}

TEST_F(ListEntryPanelTest, TheMenuSendsOnlyAChangedChoice) {
    const auto size = show(u"low,mid,high", 1, 0);
    EXPECT_EQ(size.width, 100);
    session().script().chooseMenuItem(1);
    session().script().chooseMenuItem(2);
    session().script().chooseMenuItem(-1);
    click({5, 5});
    click({5, 5});
    click({5, 5});
    EXPECT_EQ(sent<int32_t>(ValueIn), std::vector<int32_t>{2});
    const auto& menu = session().script().menus().at(0);
    ASSERT_EQ(menu.items.size(), 3u);
    EXPECT_EQ(menu.items[2].text, "high");
    EXPECT_EQ(menu.items[2].id, 2);
    EXPECT_EQ(menu.x, 100);
    EXPECT_EQ(label(), "high");
}

TEST_F(ListEntryPanelTest, AnUnknownAppearanceBehavesAsTheDropDown) {
    const auto size = show(u"a,b", 0, 9);
    EXPECT_EQ(size.width, 100);
    session().script().chooseMenuItem(1);
    click({5, 5});
    EXPECT_EQ(sent<int32_t>(ValueIn), std::vector<int32_t>{1});
}

TEST_F(ListEntryPanelTest, AnLedStackStacksItsLedsBesideTheButton) {
    const auto size = show(u"a,b,c", 1, 1);
    EXPECT_EQ(size.width, 30);
    EXPECT_EQ(size.height, 38);
    const auto bitmaps = only(render(), DrawCall::Kind::DrawBitmap);
    ASSERT_EQ(bitmaps.size(), 4u);
    EXPECT_EQ(bitmaps[0].rect.top, 9);
    EXPECT_EQ(bitmaps[2].rect.top, 14);
    EXPECT_EQ(bitmaps[2].source.top, 10);  // the current item's LED is lit
    EXPECT_EQ(bitmaps[1].source.top, 0);
    click({5, 15});
    EXPECT_EQ(sent<int32_t>(ValueIn), std::vector<int32_t>{2});

    EXPECT_EQ(show(u"", 0, 1).height, 20);
}

TEST_F(ListEntryPanelTest, AButtonStackIsTallEnoughForLabelsTallerThanItsButtons) {
    writeImage("button_sm", 8, 8, 2, "mouse_response click");
    const auto size = show(u"a,b,c", 0, 4);
    const auto labels = only(render(), DrawCall::Kind::DrawText);
    ASSERT_EQ(labels.size(), 3u);
    EXPECT_GT(labels[2].rect.bottom - labels[2].rect.top, 8);
    EXPECT_LE(labels[2].rect.bottom, size.height);
}

TEST_F(ListEntryPanelTest, AButtonStackChoosesThePressedItem) {
    show(u"a,b,c", 0, 4);
    click({5, 45});
    EXPECT_EQ(sent<int32_t>(ValueIn), std::vector<int32_t>{2});
    const auto bitmaps = only(render(), DrawCall::Kind::DrawBitmap);
    EXPECT_EQ(bitmaps[0].source.top, 0);
    EXPECT_EQ(bitmaps[2].source.top, 20);
}

TEST_F(ListEntryPanelTest, TheRotarySwitchShowsAndChoosesItems) {
    const auto size = show(u"a,b,c", 2, 5);
    const auto calls = render();
    EXPECT_EQ(only(calls, DrawCall::Kind::DrawText).size(), 3u);
    EXPECT_EQ(only(calls, DrawCall::Kind::DrawGeometry).size(), 3u);
    EXPECT_GT(size.width, 40);
    EXPECT_EQ(show(u"a,b,c", 2, 6).width, 40);
}

TEST(RotaryGeometryTest, LabelsSpreadOverOneOrTwoColumns) {
    const auto one = zu::RotaryGeometry::of(1);
    EXPECT_EQ(one.startAngle, 0);
    EXPECT_EQ(one.angleStep, 0);

    const auto three = zu::RotaryGeometry::of(3);
    EXPECT_FALSE(three.twoColumns);
    EXPECT_FLOAT_EQ(three.pitch, 70.0f / 3);
    EXPECT_FLOAT_EQ(three.startAngle, -std::asin(2.0f / 3));
    EXPECT_FLOAT_EQ(three.angleStep, std::asin(2.0f / 3));

    const auto twelve = zu::RotaryGeometry::of(12);
    EXPECT_TRUE(twelve.twoColumns);
    EXPECT_EQ(twelve.perColumn, 6);
    EXPECT_EQ(twelve.radius, 35);
    EXPECT_FLOAT_EQ(twelve.pitch, 70.0f / 6);
    EXPECT_FLOAT_EQ(twelve.angleStep, std::numbers::pi_v<float> / 6);
    EXPECT_FLOAT_EQ(twelve.startAngle, -5 * std::numbers::pi_v<float> / 12);
}

TEST_F(ListEntryPanelTest, ARectangleThatIsNotFiniteDrawsNothingAndOpensNoMenu) {
    constexpr float most = std::numeric_limits<float>::max();
    // The drop-down, a stack laid out from the width, and the rotary switch.
    for (const int32_t appearance : {0, 2, 5}) {
        for (const gmpi_gui::MpRect rect : {gmpi_gui::MpRect{0, 0, NAN, 20}, {0, -most, 100, most}}) {
            const auto size = show(u"a,b,c", 0, appearance);
            session().arrange(rect);
            EXPECT_TRUE(render().empty()) << appearance;
            if (appearance == 0) click({5, 5});
            EXPECT_TRUE(session().script().menus().empty()) << appearance;
            session().arrange({0, 0, size.width, size.height});
            EXPECT_FALSE(render().empty()) << appearance;
        }
    }
}

TEST_F(ListEntryPanelTest, TheMenuOfAHugeRangeOffersItsFirstItemsOnly) {
    show(u"range 0,2000000000", 0, 0);
    session().script().chooseMenuItem(zu::ListEntryGui::maxMenuItems - 1);
    click({5, 5});
    const auto& menu = session().script().menus().at(0);
    ASSERT_EQ(menu.items.size(), size_t(zu::ListEntryGui::maxMenuItems));
    EXPECT_EQ(menu.items.back().text, "4095");
    EXPECT_EQ(sent<int32_t>(ValueIn), std::vector<int32_t>{4095});
}

TEST_F(ListEntryPanelTest, HugeAndHostileListsStillLayOutFinitely) {
    const std::u16string longText(100000, u'W');
    for (int32_t appearance = 0; appearance <= 9; ++appearance) {
        for (const std::u16string& list : {std::u16string(u"range 0,1000000"), longText + u",b", std::u16string(u",,,=,==")}) {
            const auto size = show(list, 0, appearance);
            EXPECT_TRUE(std::isfinite(size.width) && std::isfinite(size.height)) << appearance;
            session().pointerDown({NAN, INFINITY});
            session().pointerMove({-INFINITY, NAN});
            session().pointerUp({NAN, NAN});
            for (const auto& call : render()) {
                EXPECT_TRUE(std::isfinite(call.rect.left) && std::isfinite(call.rect.bottom)) << describe(call);
            }
        }
    }
}

}  // namespace
