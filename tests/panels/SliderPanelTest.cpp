#include <clocale>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "modules/slider/SliderGui.h"
#include "modules/slider/TypedNumber.h"
#include "tests/panels/PanelTestSupport.h"

namespace {

using zuhost::gui::AltKey;
using zuhost::gui::ControlKey;
using zuhost::gui::DrawCall;

// Pin ids of the two panels that the tests drive.
struct SliderPins {
    int32_t valueIn, appearance, rangeLo, rangeHi, showReadout, resetValue;
};
constexpr SliderPins sliderPins{13, 15, 21, 22, 23, -1};
constexpr SliderPins slider2Pins{0, 8, 5, 6, 9, 7};

class SliderPanelTest : public PanelTest {
protected:
    void SetUp() override {
        // A 40-wide control of 5 frames that follows vertical drags; 20 by 20 buttons.
        writeImage("vslider_med", 40, 100, 5, "orientation vertical");
        writeImage("button", 20, 20, 2, "mouse_response click");
        writeImage("button_sm", 10, 10, 2, "mouse_response click");
        skin.write("global.txt", "FONT_CATEGORY control_edit\nfont-family Arial\nfont-size 10\n");
    }

    // The panel of id at value in lo..hi, shown and laid out 100 wide.
    void show(std::u16string_view id, const SliderPins& pins, float value, float lo, float hi, int32_t appearance = 0) {
        pins_ = pins;
        auto& panel = open(id);
        panel.setFloat(pins.rangeLo, lo);
        panel.setFloat(pins.rangeHi, hi);
        panel.setFloat(pins.valueIn, value);
        panel.setBool(pins.showReadout, true);
        panel.setInt(pins.appearance, appearance);
        panel.initialize();
        const auto size = panel.measure({100, 200});
        panel.arrange({0, 0, 100, size.height});
    }
    // The control's frame (from the source rectangle it draws) and the readout's text.
    int32_t frame() {
        const auto bitmaps = only(render(), DrawCall::Kind::DrawBitmap);
        return bitmaps.empty() ? -1 : int32_t(bitmaps[0].source.top) / 100;
    }
    std::string readout() {
        const auto texts = only(render(), DrawCall::Kind::DrawText);
        return texts.empty() ? "" : texts.back().text;
    }
    void type(const std::string& text) {
        session().script().typeText(text);
        session().pointerDown({50, 110});
        session().pointerUp({50, 110});
    }

    SliderPins pins_{};
};

TEST_F(SliderPanelTest, ControlAndReadoutAreCentredAndShowTheValue) {
    show(u"ZU Slider", sliderPins, 2.5f, 0, 10);
    const auto calls = render();
    const auto bitmap = only(calls, DrawCall::Kind::DrawBitmap);
    ASSERT_EQ(bitmap.size(), 1u);
    EXPECT_EQ(bitmap[0].rect.left, 30);
    EXPECT_EQ(bitmap[0].source.top, 100);  // position 0.25 of five frames
    const auto box = only(calls, DrawCall::Kind::FillRectangle);
    ASSERT_EQ(box.size(), 1u);
    EXPECT_EQ(box[0].rect.left, 20);
    EXPECT_EQ(box[0].rect.right, 80);
    EXPECT_EQ(box[0].rect.top, 100);
    EXPECT_EQ(readout(), "2.5");
}

TEST_F(SliderPanelTest, WithoutTheReadoutThePanelIsAsHighAsItsControl) {
    show(u"ZU Slider2", slider2Pins, 0, 0, 1);
    session().setBool(slider2Pins.showReadout, false);
    EXPECT_EQ(session().measure({100, 200}).height, 100);
    EXPECT_TRUE(only(render(), DrawCall::Kind::DrawText).empty());
}

TEST_F(SliderPanelTest, DragsSendValuesFinerWithControl) {
    show(u"ZU Slider", sliderPins, 0, 0, 10);
    session().drag({50, 50}, {50, 10}, 4);
    ASSERT_FALSE(sent<float>(13).empty());
    EXPECT_FLOAT_EQ(sent<float>(13).back(), 2.0f);
    EXPECT_EQ(readout(), "2");
    session().drag({50, 50}, {50, 10}, 4, ControlKey);
    EXPECT_FLOAT_EQ(sent<float>(13).back(), 2.4f);
}

TEST_F(SliderPanelTest, ValuesFromTheHostWaitWhileTheUserDrags) {
    show(u"ZU Slider2", slider2Pins, 5, 0, 10);
    session().pointerDown({50, 50});
    session().setFloat(slider2Pins.valueIn, 9);
    EXPECT_EQ(readout(), "5");
    EXPECT_EQ(frame(), 2);
    session().pointerUp({50, 50});
    session().setFloat(slider2Pins.valueIn, 10);
    EXPECT_EQ(readout(), "10");
}

TEST_F(SliderPanelTest, AltClickWritesTheResetValue) {
    show(u"ZU Slider", sliderPins, 500, 100, 1000);
    session().pointerDown({50, 50}, AltKey);
    EXPECT_EQ(sent<float>(13), std::vector<float>{0.0f});

    show(u"ZU Slider2", slider2Pins, 500, 100, 1000);
    session().setFloat(slider2Pins.resetValue, 250);
    session().pointerDown({50, 50}, AltKey);
    EXPECT_EQ(sent<float>(0), std::vector<float>{250.0f});
    EXPECT_EQ(readout(), "250");
}

// Each text is typed over a value of 3.14159, which the readout shows as 3.14.
TEST_F(SliderPanelTest, TypedValuesAreTakenAndOthersRestoreTheReadout) {
    struct Case {
        std::optional<std::string> typed;  // none: the user cancels the entry
        std::vector<float> sent;
        const char* readout;
    };
    const Case cases[] = {
        {"7", {7.0f}, "7"},
        {"  7x", {7.0f}, "7"},
        {"  2.71828xyz", {2.71828f}, "2.72"},
        {"0x10", {16.0f}, "16"},
        {"0x1p3", {8.0f}, "8"},
        {"-0x.8", {-0.5f}, "-0.5"},
        {"1e-40", {1e-40f}, "1e-40"},  // a float below the normal range is still a float
        {std::nullopt, {}, "3.14"},
        // No number, out of the double range, or not finite as a float.
        {"abc", {}, "3.14"},
        {"", {}, "3.14"},
        {"+-5", {}, "3.14"},
        {"--1", {}, "3.14"},
        {"1e999", {}, "3.14"},
        {"1e-310", {}, "3.14"},
        {"1e39", {}, "3.14"},
        {"-1e39", {}, "3.14"},
        {"inf", {}, "3.14"},
        {"-infinity", {}, "3.14"},
        {"nan", {}, "3.14"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.value_or("(cancelled)"));
        show(u"ZU Slider2", slider2Pins, 3.14159f, 0, 10);
        if (c.typed) session().script().typeText(*c.typed);
        session().pointerDown({50, 110});
        session().pointerUp({50, 110});
        EXPECT_EQ(sent<float>(0), c.sent);
        EXPECT_EQ(readout(), c.readout);
    }
    show(u"ZU Slider2", slider2Pins, 1, 0, 10);
    type("7");
    EXPECT_EQ(frame(), 3);  // position 0.7 of five frames
}

// The readout is not the control: a pointer that jitters while it presses the
// readout must not write the control's position back as the value, which
// would clamp a value outside the range.
TEST_F(SliderPanelTest, AMoveDuringAClickOnTheReadoutLeavesTheValue) {
    show(u"ZU Slider2", slider2Pins, 20, 0, 10);
    session().pointerDown({50, 110});
    session().pointerMove({51, 112});
    session().pointerUp({51, 112});
    EXPECT_TRUE(sent<float>(0).empty());
    EXPECT_EQ(readout(), "20");
}

// A 61-frame knob: position 175 / 1000 is frame 11 (60 x 0.175f is 10.5 in
// float), 225 / 1000 frame 14.
TEST_F(SliderPanelTest, KnobFramesFollowFloatArithmetic) {
    writeImage("knob_med", 20, 100, 61, "");
    for (const auto& [value, expected] : {std::pair{175.0f, 11}, {225.0f, 14}}) {
        show(u"ZU Slider2", slider2Pins, value, 0, 1000, 3);
        EXPECT_EQ(frame(), expected) << value;
    }
}

// The position is measured from the range's low end, whatever its sign.
TEST_F(SliderPanelTest, FramesCountFromTheLowEndOfTheRange) {
    struct Case {
        float value, lo, hi;
        int32_t frame;  // of five: trunc(4 x position + 0.5)
    };
    for (const Case& c : {Case{10, 5, 15, 2}, {-5, -10, 10, 1}, {6, 5, 10, 1}, {-2, -10, -2, 4}}) {
        show(u"ZU Slider", sliderPins, c.value, c.lo, c.hi);
        EXPECT_EQ(frame(), c.frame) << c.value << " in " << c.lo << ".." << c.hi;
    }
}

TEST_F(SliderPanelTest, ToggleAppearancesStayPressedAndOthersSpringBack) {
    for (const auto& [appearance, staysOn] : {std::pair{4, false}, {5, true}, {8, false}, {9, true}}) {
        show(u"ZU Slider2", slider2Pins, 0, 0, 1, appearance);
        const auto size = session().measure({100, 200});
        session().pointerDown({50, 5});
        session().pointerUp({50, 5});
        ASSERT_FALSE(sent<float>(0).empty()) << appearance << " " << size.width;
        EXPECT_EQ(sent<float>(0).back(), staysOn ? 1.0f : 0.0f) << appearance;
    }
}

TEST_F(SliderPanelTest, WithoutAnImageTheReadoutMovesToTheTop) {
    show(u"ZU Slider2", slider2Pins, 0, 0, 1, -1);
    const auto calls = render();
    EXPECT_TRUE(only(calls, DrawCall::Kind::DrawBitmap).empty());
    EXPECT_EQ(only(calls, DrawCall::Kind::FillRectangle).at(0).rect.top, 0);
}

TEST_F(SliderPanelTest, AnEmptyRangeShowsTheLowEnd) {
    show(u"ZU Slider", sliderPins, 3, 3, 3);
    EXPECT_EQ(frame(), 0);
    session().drag({50, 50}, {50, 10}, 2);
    for (float value : sent<float>(13)) EXPECT_EQ(value, 3.0f);
}

TEST_F(SliderPanelTest, ARectangleThatIsNotFiniteDrawsNothingUntilAFiniteOneComes) {
    constexpr float most = std::numeric_limits<float>::max();
    for (const gmpi_gui::MpRect rect :
         {gmpi_gui::MpRect{0, 0, INFINITY, 150}, {0, 0, 100, NAN}, {-most, 0, most, 150}}) {
        show(u"ZU Slider", sliderPins, 2.5f, 0, 10);
        session().arrange(rect);
        EXPECT_TRUE(render().empty()) << rect.left << ' ' << rect.right << ' ' << rect.bottom;
        session().arrange({0, 0, 100, 150});
        const auto bitmap = only(render(), DrawCall::Kind::DrawBitmap);
        ASSERT_EQ(bitmap.size(), 1u);
        EXPECT_EQ(bitmap[0].rect.left, 30);
    }
}

TEST(SliderReadoutTest, ValuesShowWithThreeSignificantDigits) {
    const std::pair<float, const char*> cases[] = {
        {0.5f, "0.5"},       {12.345f, "12.3"}, {999.0f, "999"}, {1000.0f, "1e+03"},    {0.0001f, "0.0001"},
        {0.00001f, "1e-05"}, {-0.25f, "-0.25"}, {-0.0f, "0"},    {-0.0004f, "-0.0004"}, {-1.0f, "-1"}};
    for (const auto& [value, text] : cases) EXPECT_EQ(zu::SliderGuiBase::formatReadout(value), text) << value;
}

// As the C library reads numbers in the "C" locale, also when the process has
// a locale with a decimal comma (where one is installed).
TEST(SliderReadoutTest, TypedNumbersReadAsInTheCLocaleWhateverTheLocale) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    const std::pair<const char*, std::optional<double>> cases[] = {
        {"0x10", 16},
        {"0X1P-1", 0.5},
        {"-0x.8p1", -1},
        {"0x", 0},
        {"0xg", 0},
        {"0xinf", 0},
        {"0x-1", 0},
        {"1e", 1},
        {"1e+", 1},
        {".5", 0.5},
        {"5.", 5},
        {"\t\n\v\f\r 2", 2},
        {"1,5", 1},
        {"INFINITY", inf},
        {"-Inf", -inf},
        {"2.2250738585072014e-308", 0x1p-1022},
        {"\xa0"
         "1",
         {}},
        {"", {}},
        {"+", {}},
        {".", {}},
        {"-.e1", {}},
        {"1e-400", {}},
        {"0x1p-1030", {}},
        {"1.7976931348623159e308", {}},
    };
    const auto check = [&](const char* locale) {
        SCOPED_TRACE(locale);
        for (const auto& [text, number] : cases) EXPECT_EQ(zu::leadingNumber(text), number) << text;
        EXPECT_TRUE(std::isnan(zu::leadingNumber("nan(7)").value_or(0)));
    };
    check("C");
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    for (const char* decimalComma : {"de_DE.UTF-8", "de_DE.utf8", "German_Germany.1252", "de-DE"}) {
        if (std::setlocale(LC_ALL, decimalComma) == nullptr) continue;
        check(decimalComma);
        break;
    }
    std::setlocale(LC_ALL, saved.c_str());
}

}  // namespace
