// The scope panel's render allocates nothing beyond the host objects it must
// create: the host's side of every call is fenced off (HostFence), so the
// allocations left are the panel's own.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

#include "host/gui/PanelSession.h"
#include "host/gui/RecordingContext.h"
#include "tests/panel_allocations/HostFence.h"
#include "tests/support/AllocationCounter.h"

namespace {

using zuhost::gui::DrawCall;
using zuhost::gui::PanelSession;

enum Pin : int32_t { captureA = 0, captureB = 1, voiceGate = 3, polyDetect = 4 };
constexpr int32_t voiceCount = 128;

std::vector<uint8_t> capture(float value, size_t bytes = 1600) {
    std::vector<uint8_t> data(bytes);
    for (size_t at = 0; at + 4 <= bytes; at += 4) std::memcpy(data.data() + at, &value, 4);
    return data;
}

struct Renders {
    long panelAllocations = 0;
    long hostAllocations = 0;
    size_t traces = 0;  // in the last render
};

class ScopeRenderAllocationTest : public ::testing::Test {
protected:
    PanelSession& show(float width, float height) {
        session_ = std::make_unique<PanelSession>(*PanelSession::factoryFrom(&MP_GetFactory), u"ZU Scope3 XP");
        fencedHost_ = std::make_unique<panelalloc::FencedHost>(session_->guiHost(), session_->graphicsHost());
        session_->panel()->setHost(fencedHost_.get());
        session_->initialize();
        session_->arrange({0, 0, width, height});
        return *session_;
    }

    // Renders a few times, the first included, into a recording through the
    // fence, and once more without it to show the host's allocations are seen.
    Renders render() {
        Renders renders;
        for (int i = 0; i < 3; ++i) {
            zuhost::gui::RecordingContext recording;
            panelalloc::FencedContext fenced(recording);
            const long before = zutest::allocationCount();
            EXPECT_EQ(session_->graphics()->render(&fenced), gmpi::MP_OK);
            renders.panelAllocations += zutest::allocationCount() - before;
            EXPECT_EQ(recording.liveObjects(), 0);
            renders.traces = std::ranges::count(recording.calls(), DrawCall::Kind::DrawGeometry, &DrawCall::kind);
        }
        zuhost::gui::RecordingContext unfenced;
        const long before = zutest::allocationCount();
        session_->render(unfenced);
        renders.hostAllocations = zutest::allocationCount() - before;
        return renders;
    }

    void close() {
        if (!session_) return;
        session_->releasePanel();
        EXPECT_EQ(session_->leaks(), "");
    }
    void TearDown() override { close(); }

private:
    std::unique_ptr<PanelSession> session_;
    std::unique_ptr<panelalloc::FencedHost> fencedHost_;
};

TEST_F(ScopeRenderAllocationTest, RenderAllocatesNothingOfItsOwnWhateverItDraws) {
    struct Case {
        const char* name;
        float width, height;
        std::function<void(PanelSession&)> feed;
        size_t traces;
    };
    const std::vector<uint8_t> withNaN = [] {
        std::vector<uint8_t> data = capture(0.5f);
        const float nan = NAN;
        std::memcpy(data.data() + 40, &nan, 4);
        return data;
    }();
    const Case cases[] = {
        {"idle, grid and labels only", 400, 215, [](PanelSession&) {}, 0},
        {"one capture per channel", 400, 215,
         [](PanelSession& s) {
             s.setBlob(captureA, capture(0.5f));
             s.setBlob(captureB, capture(-0.5f));
         },
         2},
        {"short panel without labels", 200, 30, [](PanelSession& s) { s.setBlob(captureA, capture(0.1f)); }, 1},
        {"non-finite samples left out", 400, 215, [&](PanelSession& s) { s.setBlob(captureA, withNaN); }, 1},
        {"a capture of the wrong size", 400, 215, [](PanelSession& s) { s.setBlob(captureA, capture(0.5f, 800)); }, 0},
        {"no area to draw in", 0, 215, [](PanelSession& s) { s.setBlob(captureA, capture(0.5f)); }, 0},
        {"every voice gated on both channels", 400, 300,
         [](PanelSession& s) {
             s.setBool(polyDetect, true);
             for (int32_t voice = 0; voice < voiceCount; ++voice) {
                 s.setFloat(voiceGate, 1.0f, voice);
                 s.setBlob(captureA, capture(0.5f), voice);
                 s.setBlob(captureB, capture(-0.25f), voice);
             }
         },
         2 * voiceCount},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.feed(show(c.width, c.height));
        const Renders renders = render();
        EXPECT_EQ(renders.traces, c.traces);
        EXPECT_EQ(renders.panelAllocations, 0);
        EXPECT_GT(renders.hostAllocations, 0);
        close();
    }
}

}  // namespace
