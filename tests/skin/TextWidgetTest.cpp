#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "skin/EditWidget.h"
#include "skin/TextWidget.h"
#include "tests/skin/SkinHostFixture.h"

namespace {

using skin::EditWidget;
using skin::TextWidget;
using zuhost::gui::DrawCall;
using zuhost::gui::RecordingContext;

// Names every call made on it and on the objects it hands out (it plays them
// all), in order.
class CallJournal final : public gmpi_gui::IMpDrawingContext,
                          public gmpi_gui::IMpDrawingFactory,
                          public gmpi_gui::IMpPathGeometry,
                          public gmpi_gui::IMpGeometrySink,
                          public gmpi_gui::IMpSolidColorBrush {
public:
    int32_t queryInterface(const gmpi::MpGuid&, void** out) override {
        *out = nullptr;
        return gmpi::MP_NOSUPPORT;
    }
    int32_t addRef() override { return 1; }
    int32_t release() override { return 1; }
    int32_t getFactory(void** out) override {
        return handOut("getFactory", static_cast<IMpDrawingFactory*>(this), out);
    }
    int32_t createSolidColorBrush(const gmpi_gui::MpColor*, void** out) override {
        return handOut("createSolidColorBrush", static_cast<IMpSolidColorBrush*>(this), out);
    }
    int32_t reserved5() override { return gmpi::MP_FAIL; }
    void fillRectangle(const gmpi_gui::MpRect*, gmpi_gui::IMpSolidColorBrush*) override { note("fillRectangle"); }
    void drawLine(gmpi_gui::MpPoint, gmpi_gui::MpPoint, gmpi_gui::IMpSolidColorBrush*, float,
                  gmpi::IMpUnknown*) override {
        note("drawLine");
    }
    void drawGeometry(gmpi_gui::IMpPathGeometry*, gmpi_gui::IMpSolidColorBrush*, float, gmpi::IMpUnknown*) override {
        note("drawGeometry");
    }
    void drawText(const char*, int32_t, gmpi_gui::IMpTextFormat*, const gmpi_gui::MpRect*,
                  gmpi_gui::IMpSolidColorBrush*, int32_t) override {
        note("drawText");
    }
    void drawBitmap(gmpi_gui::IMpBitmap*, const gmpi_gui::MpRect*, float, int32_t, const gmpi_gui::MpRect*) override {
        note("drawBitmap");
    }
    int32_t createPathGeometry(void** out) override {
        return handOut("createPathGeometry", static_cast<IMpPathGeometry*>(this), out);
    }
    int32_t open(void** out) override { return handOut("open", static_cast<IMpGeometrySink*>(this), out); }
    void beginFigure(gmpi_gui::MpPoint, int32_t) override { note("beginFigure"); }
    void addLine(gmpi_gui::MpPoint) override { note("addLine"); }
    void endFigure(int32_t) override { note("endFigure"); }
    int32_t close() override {
        note("close");
        return gmpi::MP_OK;
    }
    void setColor(const gmpi_gui::MpColor*) override { note("setColor"); }

    std::vector<std::string> calls;

private:
    void note(const char* call) { calls.emplace_back(call); }
    int32_t handOut(const char* call, void* object, void** out) {
        note(call);
        *out = object;
        return gmpi::MP_OK;
    }
};

class TextWidgetTest : public SkinHostFixture {
protected:
    void SetUp() override {
        skin.write("global.txt",
                   "FONT_CATEGORY label\nfont-family Arial\nfont-size 11\nfont-color #0000FF\n"
                   "FONT_CATEGORY edit\nfont-family Arial\nfont-size 60\n");
    }
};

TEST_F(TextWidgetTest, ALabelFillsItsBackgroundEvenWhenTransparentAndDrawsInset) {
    TextWidget label(host(), "label", "");
    label.setBounds({10, 10, 110, 30});
    RecordingContext context;
    label.render(context);
    ASSERT_EQ(context.calls().size(), 2u);
    EXPECT_EQ(context.calls()[0].kind, DrawCall::Kind::FillRectangle);
    EXPECT_EQ(context.calls()[0].color->a, 0.0f);
    const DrawCall& text = context.calls()[1];
    EXPECT_EQ(text.color->r, 1.0f);
    EXPECT_EQ(text.rect.left, 12);
    EXPECT_EQ(text.rect.bottom, 28);
    EXPECT_EQ(context.liveObjects(), 0);
}

TEST_F(TextWidgetTest, OnlyADifferentTextMakesTheWidgetDirtyAndTheFirstStyleStays) {
    TextWidget label(host(), "label", "a");
    label.takeDirty();
    label.setText("a");
    EXPECT_FALSE(label.isDirty());
    label.setText("b");
    EXPECT_TRUE(label.isDirty());
    const size_t formats = graphicsHost.textFormatRequests().size();
    label.setStyle("edit");
    EXPECT_EQ(graphicsHost.textFormatRequests().size(), formats);
}

TEST_F(TextWidgetTest, AnEditBoxMovesTallTextUpSoItsBottomStaysInside) {
    EditWidget edit;
    edit.setHost(host());
    edit.setStyle("edit");
    EXPECT_EQ(guiHost.prepareResourcesCalls(), 1);
    edit.setBounds({0, 0, 60, 20});
    edit.setText("7");
    RecordingContext context;
    edit.render(context);
    ASSERT_EQ(context.calls().size(), 3u);
    const DrawCall& text = context.calls()[2];
    EXPECT_LT(text.rect.top, 0.5f);
    EXPECT_LT(text.rect.bottom, 19.5f);
    EXPECT_FLOAT_EQ(text.rect.bottom - text.rect.top, 19.0f);
}

TEST_F(TextWidgetTest, AnEditBoxBuildsItsFramesPathBeforeTurningTheBrushGrey) {
    EditWidget edit;
    edit.setBounds({0, 0, 60, 20});
    CallJournal journal;
    edit.render(journal);
    EXPECT_EQ(journal.calls,
              (std::vector<std::string>{"createSolidColorBrush", "fillRectangle", "getFactory", "createPathGeometry",
                                        "open", "beginFigure", "addLine", "addLine", "addLine", "endFigure", "close",
                                        "setColor", "drawGeometry"}));
}

TEST_F(TextWidgetTest, AnUpsideDownEditBoxMovesTextUpAsAnEmptyBoxDoes) {
    EditWidget edit;
    edit.setHost(host());
    edit.setStyle("edit");
    edit.setText("7");
    // How far the text's layout moves up from the box's inner top.
    const auto shift = [&](const gmpi_gui::MpRect& bounds) {
        edit.setBounds(bounds);
        RecordingContext context;
        edit.render(context);
        EXPECT_EQ(context.calls().size(), 3u);
        const gmpi_gui::MpRect& layout = context.calls().back().rect;
        EXPECT_TRUE(std::isfinite(layout.top) && std::isfinite(layout.bottom)) << bounds.top << ' ' << bounds.bottom;
        return bounds.top + 0.5f - layout.top;
    };
    const float empty = shift({0, 100, 60, 101});
    EXPECT_GT(empty, 0.0f);
    EXPECT_EQ(shift({0, 100, 60, 80}), empty);
    constexpr float most = std::numeric_limits<float>::max();
    shift({0, 100, 60, -most});
    shift({0, most, 60, -most});
}

TEST_F(TextWidgetTest, AClickOpensTheHostsTextEntryUnlessReadOnly) {
    EditWidget edit;
    edit.setHost(host());
    edit.setBounds({5, 6, 65, 26});
    edit.setText("old");
    graphicsHost.script().typeText("3.5");
    EXPECT_TRUE(edit.onPointerDown(0, {10, 10}));
    edit.onPointerUp(0, {10, 10});
    EXPECT_EQ(edit.getText(), "3.5");
    ASSERT_EQ(graphicsHost.script().textEntries().size(), 1u);
    const auto& shown = graphicsHost.script().textEntries()[0];
    EXPECT_EQ(shown.startingText, "old");
    EXPECT_EQ(shown.left, 5);
    EXPECT_EQ(shown.height, 20);

    // A cancelled entry hands nothing back: the text is not handed back as it was shown.
    edit.takeDirty();
    edit.onPointerUp(0, {10, 10});
    EXPECT_EQ(edit.getText(), "");
    EXPECT_TRUE(edit.isDirty());
    edit.setReadOnly(true);
    edit.onPointerUp(0, {10, 10});
    EXPECT_EQ(graphicsHost.script().textEntries().size(), 2u);
}

}  // namespace
