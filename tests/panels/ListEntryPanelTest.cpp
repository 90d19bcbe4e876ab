#include <array>
#include <cmath>
#include <limits>
#include <numbers>
#include <string>

#include "modules/list_entry/DropDown.h"
#include "modules/list_entry/RotaryGeometry.h"
#include "tests/panels/PanelTestSupport.h"

namespace {

using zuhost::gui::DrawCall;

enum Pin : int32_t { valueIn = 10, hint = 11, enumList = 12, appearance = 13, showTitle = 14 };

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
        panel.setString(Pin::enumList, list);
        panel.setInt(Pin::valueIn, value);
        panel.setInt(Pin::appearance, appearance);
        panel.initialize();
        const auto size = panel.measure({300, 300});
        panel.arrange({0, 0, size.width, size.height});
        return size;
    }
    void click(gmpi_gui::MpPoint point) {
        session().pointerDown(point);
        session().pointerUp(point);
    }
    using Corners = std::array<float, 4>;  // left, top, right, bottom
    static Corners corners(const gmpi_gui::MpRect& r) { return {r.left, r.top, r.right, r.bottom}; }
    std::string label() {
        const auto texts = only(render(), DrawCall::Kind::DrawText);
        return texts.empty() ? "" : texts.back().text;
    }
};

TEST_F(ListEntryPanelTest, BindsThePinsOfItsDescription) {
    auto& panel = open(u"ZU List Entry");
    EXPECT_EQ(panel.setInt(Pin::valueIn, 1), gmpi::MP_OK);
    EXPECT_EQ(panel.setString(Pin::hint, u"h"), gmpi::MP_OK);
    EXPECT_EQ(panel.setString(Pin::enumList, u"a,b"), gmpi::MP_OK);
    EXPECT_EQ(panel.setInt(Pin::appearance, 3), gmpi::MP_OK);
    EXPECT_EQ(panel.setBool(Pin::showTitle, true), gmpi::MP_FAIL);
}

TEST_F(ListEntryPanelTest, TheSelectorStepsForwardAndWraps) {
    show(u"a=10,b=20", 20, 3);
    EXPECT_EQ(label(), "b");
    click({5, 5});
    EXPECT_EQ(sent<int32_t>(Pin::valueIn), std::vector<int32_t>{10});
    EXPECT_EQ(label(), "a");
    session().setString(Pin::enumList, u"x=10,y=20");
    EXPECT_EQ(label(), "x");
}

TEST_F(ListEntryPanelTest, ArrowsStepBothWaysAndWrap) {
    const auto size = show(u"a,b,c", 0, 7);
    click({18, size.height / 2});
    click({18, size.height / 2});
    click({5, size.height / 2});
    click({5, size.height / 2});
    click({5, size.height / 2});
    EXPECT_EQ(sent<int32_t>(Pin::valueIn), (std::vector<int32_t>{1, 2, 1, 0, 2}));
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
    EXPECT_EQ(sent<int32_t>(Pin::valueIn), std::vector<int32_t>{2});
    const auto& menu = session().script().menus().at(0);
    ASSERT_EQ(menu.items.size(), 3u);
    EXPECT_EQ(menu.items[2].text, "high");
    EXPECT_EQ(menu.items[2].id, 2);
    EXPECT_EQ(menu.x, 100);
    EXPECT_EQ(label(), "high");
}

// The chevron is centred in the box wherever the host arranges it, not at
// half the box's height below the panel's origin.
TEST_F(ListEntryPanelTest, TheDropDownChevronSitsAtTheMiddleOfItsBox) {
    show(u"a,b", 0, 0);
    session().arrange({10, 50, 110, 70});
    const auto paths = only(render(), DrawCall::Kind::DrawGeometry);
    ASSERT_EQ(paths.size(), 2u);  // the outline, then the chevron
    ASSERT_EQ(paths[1].figures.size(), 1u);
    const auto& chevron = paths[1].figures[0].points;
    ASSERT_EQ(chevron.size(), 3u);
    EXPECT_EQ(chevron[0].x, 94);
    EXPECT_EQ(chevron[0].y, 58);
    EXPECT_EQ(chevron[1].x, 98);
    EXPECT_EQ(chevron[1].y, 62);
    EXPECT_EQ(chevron[2].x, 102);
    EXPECT_EQ(chevron[2].y, 58);
}

TEST_F(ListEntryPanelTest, AnUnknownAppearanceBehavesAsTheDropDown) {
    const auto size = show(u"a,b", 0, 9);
    EXPECT_EQ(size.width, 100);
    session().script().chooseMenuItem(1);
    click({5, 5});
    EXPECT_EQ(sent<int32_t>(Pin::valueIn), std::vector<int32_t>{1});
}

// Only the drop-down's own code keeps its layout over a new list; standing in
// for an unknown code it is rebuilt like every widget appearance.
TEST_F(ListEntryPanelTest, ANewListAsksForANewLayoutUnlessTheCodeIsTheDropDownsOrTheSelectors) {
    for (const auto& [appearance, asksForLayout] :
         std::vector<std::pair<int32_t, bool>>{{0, false}, {3, false}, {-1, true}, {8, true}, {9, true}, {1, true}}) {
        show(u"a,b", 0, appearance);
        const int32_t before = session().graphicsHost().measureRequests();
        session().setString(Pin::enumList, u"a,b,c");
        EXPECT_EQ(session().graphicsHost().measureRequests() - before, asksForLayout ? 1 : 0) << appearance;
    }
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
    EXPECT_EQ(sent<int32_t>(Pin::valueIn), std::vector<int32_t>{2});

    // An empty list still shows its one LED, beside the button as in any stack.
    const auto empty = show(u"", 0, 1);
    EXPECT_EQ(empty.width, 30);
    EXPECT_EQ(empty.height, 20);
    const auto lone = only(render(), DrawCall::Kind::DrawBitmap);
    ASSERT_EQ(lone.size(), 2u);
    EXPECT_EQ(corners(lone[1].rect), (Corners{20, 0, 30, 10}));
}

// A list can count more items than it yields ("a,b," counts three items and
// yields two; a descending range counts four and yields none): the stacks keep
// a row for every counted item, and the rows without an item have no label.
TEST_F(ListEntryPanelTest, StacksKeepARowForEveryCountedItemAndLabelOnlyThoseThereAre) {
    struct Case {
        const char16_t* list;
        int32_t appearance;
        int32_t rows;
        std::vector<std::string> labels;
    };
    for (const Case& c : {Case{u"a,b,", 2, 3, {"a", "b"}}, Case{u"range 5,2", 2, 4, {}},
                          Case{u"a,b,", 4, 3, {"a", "b"}}, Case{u"range 5,2", 4, 4, {}}}) {
        SCOPED_TRACE(testing::Message() << "appearance " << c.appearance << ", " << c.rows << " rows");
        const auto size = show(c.list, 0, c.appearance);
        const auto calls = render();
        // A label draws its background over its bounds, then its text.
        const auto labels = only(calls, DrawCall::Kind::FillRectangle);
        const auto texts = only(calls, DrawCall::Kind::DrawText);
        const auto bitmaps = only(calls, DrawCall::Kind::DrawBitmap);
        ASSERT_EQ(labels.size(), c.labels.size());
        ASSERT_EQ(texts.size(), c.labels.size());
        for (size_t i = 0; i < texts.size(); ++i) EXPECT_EQ(texts[i].text, c.labels[i]);
        const float labelHeight = labels.empty() ? 0 : labels[0].rect.bottom - labels[0].rect.top;

        if (c.appearance == 2) {
            // Button, then an LED per row, 4 apart, each label beside its LED and 2 above its centre.
            const float row = std::max(labelHeight, 10.0f);
            const float height = float(c.rows - 1) * 4 + float(c.rows) * row;
            EXPECT_EQ(size.height, height);
            ASSERT_EQ(bitmaps.size(), size_t(1 + c.rows));
            EXPECT_EQ(corners(bitmaps[0].rect), (Corners{0, (height - 20) * 0.5f, 20, (height + 20) * 0.5f}));
            for (int32_t i = 0; i < c.rows; ++i) {
                const float top = float(i) * (row + 4) + (row - 10) * 0.5f;
                EXPECT_EQ(corners(bitmaps[1 + i].rect), (Corners{20, top, 30, top + 10})) << i;
            }
            for (size_t i = 0; i < labels.size(); ++i) {
                const float top = float(i) * (row + 4) + (row - labelHeight) * 0.5f - 2;
                EXPECT_EQ(corners(labels[i].rect), (Corners{30, top, size.width, top + labelHeight})) << i;
            }
        } else {
            // A button per row, rows without gaps, each label beside its button.
            const float row = std::max(20.0f, labelHeight);
            EXPECT_EQ(size.height, float(c.rows) * row);
            ASSERT_EQ(bitmaps.size(), size_t(c.rows));
            for (int32_t i = 0; i < c.rows; ++i) {
                const float top = float(i) * row + std::floor((row - 20) * 0.5f + 0.5f);
                EXPECT_EQ(corners(bitmaps[i].rect), (Corners{0, top, 20, top + 20})) << i;
            }
            for (size_t i = 0; i < labels.size(); ++i) {
                const float top = float(i) * row + std::floor((row - labelHeight) * 0.5f + 0.5f);
                EXPECT_EQ(corners(labels[i].rect), (Corners{20, top, size.width, top + labelHeight})) << i;
            }
        }
        if (labels.empty()) {
            EXPECT_EQ(size.width, c.appearance == 2 ? 30 : 20);
        }
    }
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
    EXPECT_EQ(sent<int32_t>(Pin::valueIn), std::vector<int32_t>{2});
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

// Dragging straight up or down turns the knob by a hundredth per pixel; the
// release chooses the item the knob then points at, and sets the knob to
// that item's own value (0, 0.5 or 1 for three items), where the next drag
// starts.
TEST_F(ListEntryPanelTest, ReleasingTheRotarySwitchChoosesTheItemItPointsAt) {
    const auto knob = [&] { return only(render(), DrawCall::Kind::DrawBitmap).back(); };
    for (const int32_t appearance : {5, 6}) {
        show(u"a=10,b=20,c=30", 20, appearance);
        const float middleFrame = knob().source.top;
        show(u"a=10,b=20,c=30", 10, appearance);
        const gmpi_gui::MpRect bounds = knob().rect;
        const float x = (bounds.left + bounds.right) * 0.5f;
        const gmpi_gui::MpPoint upper{x, bounds.top + 5}, lower{x, bounds.bottom - 5};
        session().drag(upper, {x, upper.y - 40}, 8);  // to 0.4: the middle item
        EXPECT_EQ(knob().source.top, middleFrame) << appearance;
        session().drag(upper, {x, upper.y - 20}, 4);    // from 0.5 to 0.7: the last item
        session().drag(lower, {x, lower.y + 100}, 10);  // back to the first
        session().drag(lower, {x, lower.y + 10}, 2);    // past the start, where it already is
        EXPECT_EQ(sent<int32_t>(Pin::valueIn), (std::vector<int32_t>{20, 30, 10})) << appearance;
    }
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
    session().script().chooseMenuItem(zu::DropDown::maxMenuItems - 1);
    click({5, 5});
    const auto& menu = session().script().menus().at(0);
    ASSERT_EQ(menu.items.size(), size_t(zu::DropDown::maxMenuItems));
    EXPECT_EQ(menu.items.back().text, "4095");
    EXPECT_EQ(sent<int32_t>(Pin::valueIn), std::vector<int32_t>{4095});
}

TEST_F(ListEntryPanelTest, HugeAndHostileListsStillLayOutFinitely) {
    const std::u16string longText(100000, u'W');
    for (int32_t appearance = 0; appearance <= 9; ++appearance) {
        for (const std::u16string& list :
             {std::u16string(u"range 0,1000000"), longText + u",b", std::u16string(u",,,=,==")}) {
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
