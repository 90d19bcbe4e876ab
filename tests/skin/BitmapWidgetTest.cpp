#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "host/gui/VirtualPlatform.h"
#include "skin/BitmapWidget.h"
#include "tests/skin/SkinHostFixture.h"

namespace {

using gmpi_gui::MpRect;
using skin::BitmapWidget;
using zuhost::gui::DrawCall;
using zuhost::gui::RecordingContext;

class BitmapWidgetTest : public SkinHostFixture {
protected:
    // An image of the given size with its metadata text, shown by a widget at
    // (left, top). Each gets a name of its own: the cache keeps what it read.
    BitmapWidget& widget(int32_t width, int32_t height, const std::string& metadata, float left = 0, float top = 0) {
        const std::string name = "image" + std::to_string(++images_);
        writePng(name + ".png", width, height);
        skin.write(name + ".txt", metadata);
        widget_ = std::make_unique<BitmapWidget>(host(), name);
        const auto size = widget_->measure();
        widget_->setBounds({left, top, left + size.width, top + size.height});
        return *widget_;
    }
    std::vector<DrawCall> drawn() {
        RecordingContext context;
        widget_->render(context);
        EXPECT_EQ(context.liveObjects(), 0);
        return context.calls();
    }
    static void expectRect(const MpRect& actual, const MpRect& expected) {
        EXPECT_EQ(actual.left, expected.left);
        EXPECT_EQ(actual.top, expected.top);
        EXPECT_EQ(actual.right, expected.right);
        EXPECT_EQ(actual.bottom, expected.bottom);
    }
    static void holdControl(bool down) { zuhost::gui::VirtualPlatform::instance().setKeyDown(0x11, down); }

    std::unique_ptr<BitmapWidget> widget_;
    int images_ = 0;
};

TEST_F(BitmapWidgetTest, AStripShowsTheFrameNearestTheValue) {
    BitmapWidget& strip = widget(20, 100, "frame_size 20 20\npadding 3 0 2 0");
    const std::pair<float, int32_t> cases[] = {{0.5f, 40}, {0.49f, 40}, {0.37f, 20}, {1.0f, 80}, {0.0f, 0}};
    for (const auto& [value, offset] : cases) {
        strip.setNormalised(value);
        EXPECT_EQ(strip.getFrameOffset(), offset) << value;
    }
    strip.setNormalised(0.5f);
    const auto calls = drawn();
    ASSERT_EQ(calls.size(), 1u);
    expectRect(calls[0].source, {0, 40, 20, 60});
    expectRect(calls[0].rect, {2, 3, 22, 23});

    // In float, as the value is: 60 x 0.175f is 10.5 (10.4999998 in double), 60 x 0.225f 13.5.
    BitmapWidget& knob = widget(10, 610, "frame_size 10 10");
    for (const auto& [value, frame] : {std::pair{175 / 1000.0f, 11}, {225 / 1000.0f, 14}}) {
        knob.setNormalised(value);
        EXPECT_EQ(knob.getFrameOffset(), frame * 10) << value;
    }
}

TEST_F(BitmapWidgetTest, TheSteppedRotaryMappingSpreadsStepsOverPartOfATurn) {
    BitmapWidget& knob = widget(10, 360, "frame_size 10 10");
    struct Case {
        float start, span, value;
        int32_t frame;
    };
    const Case cases[] = {
        {0.125f, 0.625f, 0.0f, 5}, {0.125f, 0.625f, 0.5f, 14}, {0.125f, 0.625f, 1.0f, 27}, {0.9f, 0.5f, 1.0f, 14}};
    for (const Case& c : cases) {
        knob.setSteppedRotary(6, c.start, c.span);
        knob.setNormalised(c.value);
        EXPECT_EQ(knob.getFrameOffset(), c.frame * 10) << c.start << " " << c.value;
    }
}

TEST_F(BitmapWidgetTest, AVerticalSliderMovesItsHandleUpAndClipsItAtTheEdge) {
    BitmapWidget& slider = widget(30, 120,
                                  "type slider\nframe_size 30 100\nhandle_rect 0 100 30 120\n"
                                  "handle_range 10 110\norientation vertical",
                                  5, 7);
    slider.setNormalised(0);
    EXPECT_EQ(slider.getFrameOffset(), 110);
    slider.setNormalised(0.29f);  // a span of 100 x 0.29f: 29 in float, 28.9999992 in double
    EXPECT_EQ(slider.getFrameOffset(), 81);
    slider.setNormalised(1);
    EXPECT_EQ(slider.getFrameOffset(), 10);
    auto calls = drawn();
    ASSERT_EQ(calls.size(), 2u);
    expectRect(calls[0].source, {0, 0, 30, 100});
    expectRect(calls[0].rect, {5, 7, 35, 107});
    expectRect(calls[1].source, {0, 100, 30, 120});
    expectRect(calls[1].rect, {5, 17, 35, 37});

    BitmapWidget& past = widget(30, 120,
                                "type slider\nframe_size 30 100\nhandle_rect 0 100 30 120\n"
                                "handle_range -6 90\norientation vertical",
                                5, 7);
    past.setNormalised(1);
    EXPECT_EQ(past.getFrameOffset(), -6);
    calls = drawn();
    expectRect(calls[1].source, {0, 106, 30, 120});
    expectRect(calls[1].rect, {5, 7, 35, 21});
}

TEST_F(BitmapWidgetTest, ABarGraphLightsWholeSegmentsFromTheBottom) {
    BitmapWidget& bar = widget(10, 80, "type bargraph\nframe_size 10 40\nsegment 4 40\nsegment_count 9");
    bar.setNormalised(0.5f);
    EXPECT_EQ(bar.getFrameOffset(), 40 * 5 + 3);
    bar.setNormalised(0.7f);  // 10 x 0.7f: 7 segments in float, 6.99999988 in double
    EXPECT_EQ(bar.getFrameOffset(), 40 * 7 + 3);
    bar.setNormalised(0.25f);
    EXPECT_EQ(bar.getFrameOffset(), 40 * 2 + 3);
    const auto calls = drawn();
    ASSERT_EQ(calls.size(), 2u);
    const float d = 40 - 83;
    expectRect(calls[0].source, {0, d, 10, 40});
    expectRect(calls[1].source, {0, 40, 10, 40 + d});
}

TEST_F(BitmapWidgetTest, FrameHeightsOfZeroOrLessDrawNothing) {
    for (const char* metadata : {"frame_size 10 0", "frame_size 10 -5"}) {
        BitmapWidget& broken = widget(10, 40, metadata);
        broken.setNormalised(1);
        EXPECT_TRUE(drawn().empty()) << metadata;
    }
}

TEST_F(BitmapWidgetTest, ButtonsClickMomentarilyOrToggle) {
    BitmapWidget& button = widget(10, 20, "type button\nframe_size 10 10\nmouse_response click");
    EXPECT_TRUE(button.onPointerDown(0, {1, 1}));
    EXPECT_EQ(button.getNormalised(), 1);
    button.onPointerUp(0, {1, 1});
    EXPECT_EQ(button.getNormalised(), 0);

    button.setToggle(true);
    button.onPointerDown(0, {1, 1});
    button.onPointerUp(0, {1, 1});
    EXPECT_EQ(button.getNormalised(), 1);
    button.onPointerDown(0, {1, 1});
    EXPECT_EQ(button.getNormalised(), 0);
}

TEST_F(BitmapWidgetTest, SteppedClicksAdvanceOneFrameAndWrap) {
    BitmapWidget& stepper = widget(10, 40, "frame_size 10 10\nmouse_response stepped");
    std::vector<float> values;
    for (int i = 0; i < 4; ++i) {
        stepper.onPointerDown(0, {1, 1});
        values.push_back(stepper.getNormalised());
    }
    EXPECT_FLOAT_EQ(values[0], 1 / 3.0f);
    EXPECT_FLOAT_EQ(values[1], 2 / 3.0f);
    EXPECT_FLOAT_EQ(values[2], 1.0f);
    EXPECT_FLOAT_EQ(values[3], 0.0f);
}

TEST_F(BitmapWidgetTest, DragsMoveTheValueFinerWithControlAndStopAtTheEnds) {
    BitmapWidget& fader = widget(10, 100, "frame_size 10 10\norientation vertical");
    const auto drag = [&](float dy, bool fine) {
        fader.setNormalised(0.5f);
        holdControl(fine);
        fader.onPointerDown(0, {5, 50});
        fader.onPointerMove(0, {5, 50 + dy});
        holdControl(false);
        return fader.getNormalised();
    };
    EXPECT_FLOAT_EQ(drag(-40, false), 0.7f);
    EXPECT_FLOAT_EQ(drag(-40, true), 0.54f);
    EXPECT_FLOAT_EQ(drag(-4000, false), 1.0f);
    EXPECT_FLOAT_EQ(drag(4000, false), 0.0f);
    EXPECT_FLOAT_EQ(drag(NAN, false), 0.0f);

    BitmapWidget& pan = widget(10, 100, "frame_size 10 10\norientation horizontal");
    pan.setNormalised(0.5f);
    pan.onPointerDown(0, {5, 5});
    pan.onPointerMove(0, {25, 5});
    EXPECT_FLOAT_EQ(pan.getNormalised(), 0.6f);
}

TEST_F(BitmapWidgetTest, ARotaryKnobFollowsCircularMotionClockwiseUp) {
    BitmapWidget& knob = widget(40, 400, "frame_size 40 40\nmouse_response rotary");
    knob.setNormalised(0.5f);
    knob.onPointerDown(0, {20, 0});
    // A quarter turn clockwise around the centre, in small steps.
    for (int step = 1; step <= 9; ++step) {
        const double angle = -std::numbers::pi / 2 + step * (std::numbers::pi / 2) / 9;
        knob.onPointerMove(0, {float(20 + 20 * std::cos(angle)), float(20 + 20 * std::sin(angle))});
    }
    EXPECT_GT(knob.getNormalised(), 0.6f);
}

TEST_F(BitmapWidgetTest, WithoutAnImageTheWidgetIsTenByTenAndInert) {
    BitmapWidget none(host(), "");
    EXPECT_EQ(none.measure().width, 10);
    EXPECT_FALSE(none.onPointerDown(0, {1, 1}));
    RecordingContext context;
    none.render(context);
    EXPECT_TRUE(context.calls().empty());
    BitmapWidget missing(host(), "nowhere");
    EXPECT_FALSE(missing.hasImage());
}

TEST_F(BitmapWidgetTest, NewImagesAndHostsReleaseWhatTheyReplace) {
    writePng("a.png", 4, 4);
    {
        BitmapWidget shown(host(), "a");
        for (int i = 0; i < 3; ++i) {
            shown.setHost(host());
            shown.setImage("a");
        }
        EXPECT_EQ(graphicsHost.objects().live(), 1);
        EXPECT_EQ(guiHost.references().outstanding(), 1);
    }
    EXPECT_EQ(graphicsHost.objects().live(), 0);
    EXPECT_EQ(guiHost.references().outstanding(), 0);
    EXPECT_EQ(graphicsHost.references().outstanding(), 0);
}

}  // namespace
