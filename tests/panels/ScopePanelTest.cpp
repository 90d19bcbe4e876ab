#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

#include "gui/SharedTimer.h"
#include "tests/panels/PanelTestSupport.h"

namespace {

using zuhost::gui::DrawCall;

enum ScopePin : int32_t { captureA = 0, captureB = 1, voiceGate = 3, polyDetect = 4 };

std::vector<uint8_t> capture(float value) {
    std::vector<uint8_t> bytes(1600);
    for (int i = 0; i < 400; ++i) std::memcpy(bytes.data() + i * 4, &value, 4);
    return bytes;
}

class ScopePanelTest : public PanelTest {
protected:
    void show(float width, float height) {
        auto& panel = open(u"ZU Scope3 XP");
        panel.initialize();
        panel.arrange({0, 0, width, height});
    }
    bool timerRuns() const { return gmpi_gui::SharedTimer::instance().isRunning(); }
};

TEST_F(ScopePanelTest, ShortPanelsDrawFewerTicksAndNoLabels) {
    struct Case {
        float height;
        size_t lines, labels;
    };
    const Case cases[] = {{30, 2 + 6, 0}, {40, 2 + 6, 5}, {50, 2 + 21, 5}};
    for (const Case& c : cases) {
        show(200, c.height);
        const auto calls = render();
        EXPECT_EQ(only(calls, DrawCall::Kind::DrawLine).size(), c.lines) << c.height;
        const auto labels = only(calls, DrawCall::Kind::DrawText);
        ASSERT_EQ(labels.size(), c.labels) << c.height;
        if (!labels.empty()) {
            EXPECT_EQ(labels[2].text, " 0");
        }
    }
}

TEST_F(ScopePanelTest, ASampleOfOneLiesAHundredPixelsAboveTheCentreOf215) {
    show(400, 215);
    session().setBlob(captureA, capture(1.0f));
    session().setBlob(captureB, capture(-1.0f));
    const auto traces = only(render(), DrawCall::Kind::DrawGeometry);
    ASSERT_EQ(traces.size(), 2u);
    const auto& b = traces[0].figures.at(0).points;
    const auto& a = traces[1].figures.at(0).points;
    ASSERT_EQ(a.size(), 400u);
    EXPECT_NEAR(a[0].y, 107.5f - 100, 1e-4);
    EXPECT_NEAR(b[0].y, 107.5f + 100, 1e-4);
    EXPECT_FLOAT_EQ(a[399].x, 399);
    EXPECT_EQ(traces[1].color->g, 1.0f);  // A over B, bright
}

TEST_F(ScopePanelTest, NonFiniteSamplesAndSizesNeverReachTheHost) {
    show(400, 215);
    std::vector<uint8_t> bytes = capture(0.5f);
    const float nan = NAN, inf = INFINITY;
    std::memcpy(bytes.data(), &nan, 4);
    std::memcpy(bytes.data() + 400, &inf, 4);
    session().setBlob(captureA, bytes);
    const auto traces = only(render(), DrawCall::Kind::DrawGeometry);
    ASSERT_EQ(traces.size(), 1u);
    EXPECT_EQ(traces[0].figures.at(0).points.size(), 398u);

    constexpr float most = std::numeric_limits<float>::max();
    const gmpi_gui::MpRect rects[] = {
        {0, 0, 100, 0}, {0, 10, 100, -50}, {0, 0, INFINITY, 20}, {0, 0, most, 215}, {-most, 0, most, 215}};
    for (const gmpi_gui::MpRect rect : rects) {
        session().arrange(rect);
        for (const auto& call : render()) {
            EXPECT_TRUE(std::isfinite(call.rect.left) && std::isfinite(call.rect.right)) << describe(call);
            EXPECT_TRUE(std::isfinite(call.from.x) && std::isfinite(call.to.x)) << describe(call);
            for (const auto& figure : call.figures)
                for (const auto& point : figure.points) EXPECT_TRUE(std::isfinite(point.x) && std::isfinite(point.y));
        }
    }
}

TEST_F(ScopePanelTest, MonophonicCapturesRunTheTimerOnlyUntilTheNextRender) {
    show(100, 100);
    render();
    EXPECT_FALSE(timerRuns());
    session().setBlob(captureA, capture(0.1f));
    EXPECT_TRUE(timerRuns());
    render();
    EXPECT_FALSE(timerRuns());
}

TEST_F(ScopePanelTest, PolyphonicVoicesStayActiveWhileGatedOrRecentlyCaptured) {
    show(100, 100);
    session().setBool(polyDetect, true);
    session().setFloat(voiceGate, 1.0f, 5);
    session().setBlob(captureA, capture(0.2f), 5);
    session().setBlob(captureA, capture(0.3f), 2);
    auto traces = only(render(), DrawCall::Kind::DrawGeometry);
    ASSERT_EQ(traces.size(), 2u);
    EXPECT_EQ(traces[0].color->g, 160 / 255.0f);  // voice 2 dim
    EXPECT_EQ(traces[1].color->g, 1.0f);          // voice 5 current
    EXPECT_TRUE(timerRuns());

    session().advance(1200);
    EXPECT_EQ(only(render(), DrawCall::Kind::DrawGeometry).size(), 1u);  // voice 2 faded, 5 still gated
    EXPECT_TRUE(timerRuns());
    session().setFloat(voiceGate, 0.0f, 5);
    session().advance(600);
    EXPECT_TRUE(only(render(), DrawCall::Kind::DrawGeometry).empty());
    EXPECT_FALSE(timerRuns());

    session().setBool(polyDetect, false);
    session().setBlob(captureA, capture(0.4f), 0);
    EXPECT_EQ(only(render(), DrawCall::Kind::DrawGeometry).size(), 1u);  // back to voice 0
}

TEST_F(ScopePanelTest, ItAsksForWhatItIsOfferedButAtLeastFifteenAndNeverInfinity) {
    show(10, 10);
    EXPECT_EQ(session().measure({10, 10}).width, 15);
    EXPECT_EQ(session().measure({200, 40}).height, 40);
    EXPECT_EQ(session().measure({NAN, NAN}).height, 15);
    const auto unbounded = session().measure({INFINITY, INFINITY});
    EXPECT_EQ(unbounded.width, 15);
    EXPECT_EQ(unbounded.height, 15);
}

}  // namespace
