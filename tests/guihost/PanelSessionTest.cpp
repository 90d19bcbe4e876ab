#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "host/gui/PanelSession.h"
#include "host/gui/RecordingContext.h"
#include "tests/guihost/ProbePanels.h"
#include "tests/support/TestSkin.h"

#if defined(ZU_GUI_HOST_HAS_CAIRO)
#include "host/gui/cairo/CairoContext.h"
#endif

namespace {

using namespace gmpi_gui;
using zuhost::gui::PanelSession;
using zuhost::gui::PanelSessionOptions;
using zuhost::gui::RecordingContext;

gmpi::IMpFactory2& libraryFactory() { return *PanelSession::factoryFrom(&MP_GetFactory); }

PanelSessionOptions optionsFor(const TestSkin& skin, bool offerGraphicsHost = true) {
    PanelSessionOptions options;
    options.skinFolder = skin.folder();
    options.offerGraphicsHost = offerGraphicsHost;
    return options;
}

int32_t sentInt(const zuhost::gui::PinTransmit& transmit) {
    int32_t value = 0;
    EXPECT_EQ(transmit.bytes.size(), sizeof(value));
    std::memcpy(&value, transmit.bytes.data(), std::min(transmit.bytes.size(), sizeof(value)));
    return value;
}

TEST(PanelSession, DrivesAPanelFromCreationToReleaseThroughTheFactory) {
    TestSkin skin;
    PanelSession session(libraryFactory(), probePanelId, optionsFor(skin));
    ASSERT_EQ(session.createResult(), gmpi::MP_OK);
    ASSERT_NE(session.graphics(), nullptr);
    EXPECT_EQ(session.setHostResult(), gmpi::MP_OK);

    EXPECT_EQ(session.setFloat(probepins::Level, 0.5f), gmpi::MP_OK);
    EXPECT_EQ(session.setString(probepins::Label, u"Gain"), gmpi::MP_OK);
    EXPECT_EQ(session.setBool(probepins::Enabled, true), gmpi::MP_OK);
    const std::vector<uint8_t> trace(1600, 7);
    EXPECT_EQ(session.setBlob(probepins::Traces, trace, 3), gmpi::MP_OK);
    EXPECT_EQ(probeCounts().lastTraceVoice, 3);
    EXPECT_EQ(probeCounts().lastTraceSize, 1600);
    EXPECT_EQ(session.setInt(99, 1), gmpi::MP_FAIL);
    EXPECT_EQ(session.initialize(), gmpi::MP_OK);
    EXPECT_EQ(probeCounts().levelHandlerRuns, 1);  // from setPin; initialize leaves a set pin alone
    EXPECT_TRUE(probeCounts().enabled);

    const MpSize desired = session.measure({200, 100});
    EXPECT_EQ(desired.width, 120);
    EXPECT_EQ(desired.height, 40);
    EXPECT_EQ(session.arrange({0, 0, desired.width, desired.height}), gmpi::MP_OK);
    EXPECT_EQ(session.graphicsHost().invalidations().size(), 1u);

    RecordingContext recording;
    EXPECT_EQ(session.render(recording), gmpi::MP_OK);
    ASSERT_EQ(recording.calls().size(), 2u);
    EXPECT_EQ(describe(recording.calls()[0]), "fillRectangle (0,0)-(120,20) rgba(0.5,0,0,1)");
    EXPECT_EQ(describe(recording.calls()[1]), "drawText \"Gain\" (0,20)-(120,40) rgba(1,1,1,1) Arial 12");
    EXPECT_EQ(recording.liveObjects(), 0);
    EXPECT_EQ(recording.references().outstanding(), 0);
    EXPECT_EQ(recording.misuses(), 0);

#if defined(ZU_GUI_HOST_HAS_CAIRO)
    zuhost::gui::CairoContext picture(120, 40);
    EXPECT_EQ(session.render(picture), gmpi::MP_OK);
    EXPECT_EQ(picture.pixel(60, 10), 0xFF800000u);  // the bar, premultiplied ARGB
    EXPECT_EQ(picture.liveObjects(), 0);
    EXPECT_TRUE(picture.writePng(testTempPath("probe.png")));
    std::filesystem::remove(testTempPath("probe.png"));
#endif

    EXPECT_EQ(session.drag({10, 10}, {30, 10}, 3, zuhost::gui::ControlKey), gmpi::MP_OK);
    EXPECT_EQ(session.pointerDown({5, 5}), gmpi::MP_OK);
    EXPECT_TRUE(session.graphicsHost().captured());
    EXPECT_EQ(session.pointerUp({5, 5}), gmpi::MP_OK);
    EXPECT_FALSE(session.graphicsHost().captured());
    const auto& sent = session.guiHost().transmits();
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[0].pinId, probepins::Clicks);
    EXPECT_EQ(sent[0].voice, 0);
    EXPECT_EQ(sentInt(sent[0]), 10);  // Control was held
    EXPECT_EQ(sentInt(sent[1]), 11);

    session.advance(120);
#if defined(_WIN32)
    EXPECT_GE(probeCounts().timerTicks, 1);  // the system timer, in real time
#else
    EXPECT_EQ(probeCounts().timerTicks, 2);  // at 50 and 100 ms of virtual time
#endif

    session.releasePanel();
    EXPECT_EQ(session.leaks(), "");
}

TEST(PanelSession, TellsWhatALeakyPanelKeeps) {
    TestSkin skin;
    PanelSession session(libraryFactory(), leakyPanelId, optionsFor(skin));
    session.initialize();
    session.arrange({0, 0, 10, 10});
    RecordingContext recording;
    session.render(recording);
    EXPECT_EQ(recording.liveObjects(), 1);  // the brush
    session.releasePanel();
    EXPECT_EQ(session.leaks(), "1 graphics host objects not released; ");  // the text format
    releaseLeaks();
    EXPECT_EQ(recording.liveObjects(), 0);
    EXPECT_EQ(session.leaks(), "");
}

TEST(PanelSession, CanOfferNoGraphicsHost) {
    TestSkin skin;
    PanelSession session(libraryFactory(), probePanelId, optionsFor(skin, false));
    EXPECT_EQ(session.setHostResult(), gmpi::MP_OK);
    session.initialize();
    session.arrange({0, 0, 50, 40});
    RecordingContext recording;
    EXPECT_EQ(session.render(recording), gmpi::MP_OK);
    EXPECT_EQ(session.graphicsHost().invalidations().size(), 0u);
    EXPECT_FALSE(recording.calls().at(1).format);  // no host to make a text format
    session.releasePanel();
    EXPECT_EQ(session.leaks(), "");
}

TEST(PanelSession, AnUnknownIdCreatesNothingAndEveryCallSaysSo) {
    TestSkin skin;
    PanelSession session(libraryFactory(), u"no such panel", optionsFor(skin));
    EXPECT_NE(session.createResult(), gmpi::MP_OK);
    EXPECT_EQ(session.panel(), nullptr);
    EXPECT_EQ(session.setInt(0, 1), gmpi::MP_NOSUPPORT);
    EXPECT_EQ(session.pointerDown({0, 0}), gmpi::MP_NOSUPPORT);
    RecordingContext recording;
    EXPECT_EQ(session.render(recording), gmpi::MP_NOSUPPORT);
    EXPECT_EQ(session.leaks(), "");
}

}  // namespace
