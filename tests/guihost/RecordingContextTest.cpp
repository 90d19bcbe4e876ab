#include <gtest/gtest.h>

#include "host/gui/GraphicsHost.h"
#include "host/gui/RecordingContext.h"

namespace {

using namespace gmpi_gui;
using zuhost::gui::DrawCall;
using zuhost::gui::RecordingContext;

// The object a create call hands out, checking that it answered 0.
template <class Interface, class Create>
Interface* created(Create create) {
    void* object = nullptr;
    EXPECT_EQ(create(&object), gmpi::MP_OK);
    return static_cast<Interface*>(object);
}

class Recording : public ::testing::Test {
protected:
    IMpSolidColorBrush* brush(MpColor color) {
        return created<IMpSolidColorBrush>([&](void** out) { return context.createSolidColorBrush(&color, out); });
    }
    IMpPathGeometry* geometry() {
        auto* drawingFactory = created<IMpDrawingFactory>([&](void** out) { return context.getFactory(out); });
        auto* made = created<IMpPathGeometry>([&](void** out) { return drawingFactory->createPathGeometry(out); });
        drawingFactory->release();
        return made;
    }
    static IMpGeometrySink* open(IMpPathGeometry* geometry) {
        return created<IMpGeometrySink>([&](void** out) { return geometry->open(out); });
    }

    RecordingContext context;
};

TEST_F(Recording, AnswersTheDrawingContextInterfaceAndCountsPanelReferences) {
    void* out = nullptr;
    ASSERT_EQ(context.queryInterface(MP_IID_DRAWING_CONTEXT, &out), gmpi::MP_OK);
    EXPECT_EQ(out, static_cast<IMpDrawingContext*>(&context));
    EXPECT_EQ(context.references().outstanding(), 1);
    context.release();
    EXPECT_EQ(context.references().outstanding(), 0);
    EXPECT_EQ(context.queryInterface(MP_IID_BITMAP, &out), gmpi::MP_NOSUPPORT);
    EXPECT_EQ(out, nullptr);
}

TEST_F(Recording, KeepsEachCallWithItsArgumentsAndTheBrushColourAtThatTime) {
    IMpSolidColorBrush* red = brush({1, 0, 0, 1});
    const MpRect panel{0, 0, 40, 20};
    context.fillRectangle(&panel, red);
    const MpColor blue{0, 0, 1, 0.5f};
    red->setColor(&blue);
    context.drawLine({1, 2}, {3, 4}, red, 1.5f, nullptr);

    IMpPathGeometry* path = geometry();
    IMpGeometrySink* sink = open(path);
    sink->beginFigure({0, 0}, MP_FIGURE_BEGIN_HOLLOW);
    sink->addLine({10, 0});
    sink->addLine({10, 10});
    sink->endFigure(MP_FIGURE_END_CLOSED);
    sink->beginFigure({5, 5}, MP_FIGURE_BEGIN_FILLED);
    sink->addLine({6, 6});
    sink->endFigure(MP_FIGURE_END_OPEN);
    EXPECT_EQ(sink->close(), gmpi::MP_OK);
    sink->release();
    context.drawGeometry(path, red, 2, nullptr);
    path->release();
    red->release();

    ASSERT_EQ(context.calls().size(), 3u);
    const DrawCall& fill = context.calls()[0];
    EXPECT_EQ(describe(fill), "fillRectangle (0,0)-(40,20) rgba(1,0,0,1)");
    EXPECT_EQ(describe(context.calls()[1]), "drawLine (1,2) (3,4) width 1.5 rgba(0,0,1,0.5)");
    EXPECT_EQ(describe(context.calls()[2]),
              "drawGeometry width 2 rgba(0,0,1,0.5) [hollow (0,0) (10,0) (10,10) closed] [filled (5,5) (6,6) open]");
    EXPECT_EQ(context.liveObjects(), 0);
    EXPECT_EQ(context.createdObjects(), 4);  // brush, factory, geometry, sink
    EXPECT_EQ(context.misuses(), 0);
}

TEST_F(Recording, CatchesABrushThatWasNotReleased) {
    IMpSolidColorBrush* kept = brush({0, 1, 0, 1});
    IMpSolidColorBrush* released = brush({0, 0, 0, 1});
    released->release();
    EXPECT_EQ(context.liveObjects(), 1);
    kept->release();
    EXPECT_EQ(context.liveObjects(), 0);
}

TEST_F(Recording, AReleasedOrForeignBrushIsRecordedWithoutColourAndCountedAsMisuse) {
    IMpSolidColorBrush* gone = brush({1, 1, 1, 1});
    gone->release();
    const MpRect rect{0, 0, 1, 1};
    context.fillRectangle(&rect, gone);
    context.fillRectangle(&rect, reinterpret_cast<IMpSolidColorBrush*>(&context));
    context.fillRectangle(nullptr, nullptr);
    ASSERT_EQ(context.calls().size(), 3u);
    EXPECT_FALSE(context.calls()[0].color);
    EXPECT_FALSE(context.calls()[1].color);
    EXPECT_EQ(context.misuses(), 4);  // two unknown brushes, a null brush and a null rectangle
}

TEST_F(Recording, TextAndBitmapCallsKeepTheirFormatAndRectangles) {
    zuhost::gui::GraphicsHost host;
    void* object = nullptr;
    ASSERT_EQ(host.createTextFormat("Arial", nullptr, 700, 0, 5, 14, nullptr, &object), gmpi::MP_OK);
    auto* format = static_cast<IMpTextFormat*>(object);
    format->setTextAlignment(MP_TEXT_ALIGN_CENTER);
    IMpSolidColorBrush* black = brush({0, 0, 0, 1});
    const MpRect layout{2, 3, 50, 20};
    context.drawText("Gain dB", 4, format, &layout, black, 0);
    const MpRect destination{0, 0, 8, 8}, source{0, 8, 8, 16};
    context.drawBitmap(nullptr, &destination, 0.5f, 1, &source);

    const DrawCall& text = context.calls().at(0);
    EXPECT_EQ(text.text, "Gain");
    ASSERT_TRUE(text.format);
    EXPECT_EQ(text.format->family, "Arial");
    EXPECT_EQ(text.format->weight, 700);
    EXPECT_EQ(text.format->size, 14);
    EXPECT_EQ(text.format->textAlignment, MP_TEXT_ALIGN_CENTER);
    EXPECT_EQ(describe(text), "drawText \"Gain\" (2,3)-(50,20) rgba(0,0,0,1) Arial 14");
    EXPECT_EQ(describe(context.calls().at(1)), "drawBitmap (0,8)-(8,16) -> (0,0)-(8,8) opacity 0.5");
    EXPECT_EQ(context.misuses(), 1);  // the null bitmap
    format->release();
    black->release();
}

TEST_F(Recording, ASinkUsedOutOfOrderChangesNothingAndIsCounted) {
    IMpPathGeometry* path = geometry();
    IMpGeometrySink* sink = open(path);
    sink->addLine({1, 1});
    sink->endFigure(MP_FIGURE_END_CLOSED);
    sink->beginFigure({0, 0}, MP_FIGURE_BEGIN_FILLED);
    sink->beginFigure({9, 9}, MP_FIGURE_BEGIN_FILLED);
    sink->close();
    sink->addLine({2, 2});
    EXPECT_EQ(sink->close(), gmpi::MP_FAIL);
    void* again = nullptr;
    EXPECT_EQ(path->open(&again), gmpi::MP_FAIL);
    sink->release();

    IMpSolidColorBrush* white = brush({1, 1, 1, 1});
    context.drawGeometry(path, white, 1, nullptr);
    const auto& figures = context.calls().at(0).figures;
    ASSERT_EQ(figures.size(), 1u);
    EXPECT_EQ(figures[0].points.size(), 1u);
    EXPECT_FALSE(figures[0].closed);
    path->release();
    white->release();
    EXPECT_EQ(context.liveObjects(), 0);
}

}  // namespace
