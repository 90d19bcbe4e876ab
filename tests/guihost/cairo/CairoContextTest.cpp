#include <gtest/gtest.h>

#include "host/gui/BgraImage.h"
#include "host/gui/GraphicsHost.h"
#include "host/gui/SkinFolder.h"
#include "host/gui/cairo/CairoContext.h"
#include "host/gui/pango/PangoText.h"
#include "tests/support/ImageFiles.h"
#include "tests/support/TestSkin.h"

namespace {

using namespace gmpi_gui;
using zuhost::gui::CairoContext;
using zuhost::gui::GraphicsHost;

constexpr uint32_t transparent = 0;
constexpr uint32_t opaqueBlue = 0xFF0000FF;

// A new path geometry of `target`, open: its sink comes back through `sink`.
IMpPathGeometry* openGeometry(CairoContext& target, IMpGeometrySink*& sink) {
    void* factory = nullptr;
    target.getFactory(&factory);
    void* object = nullptr;
    static_cast<IMpDrawingFactory*>(factory)->createPathGeometry(&object);
    static_cast<IMpDrawingFactory*>(factory)->release();
    auto* geometry = static_cast<IMpPathGeometry*>(object);
    void* sinkObject = nullptr;
    geometry->open(&sinkObject);
    sink = static_cast<IMpGeometrySink*>(sinkObject);
    return geometry;
}

class Drawing : public ::testing::Test {
protected:
    IMpSolidColorBrush* brush(MpColor color) {
        void* object = nullptr;
        context.createSolidColorBrush(&color, &object);
        return static_cast<IMpSolidColorBrush*>(object);
    }
    // Counts pixels of the rectangle [x0, x1) x [y0, y1) that are not transparent.
    int32_t paintedPixels(int32_t x0, int32_t y0, int32_t x1, int32_t y1) const {
        int32_t painted = 0;
        for (int32_t y = y0; y < y1; ++y)
            for (int32_t x = x0; x < x1; ++x) painted += context.pixel(x, y) != transparent;
        return painted;
    }
    void TearDown() override { EXPECT_EQ(context.liveObjects(), 0); }

    CairoContext context{40, 30};
};

TEST_F(Drawing, AFilledRectangleCoversExactlyItsPixels) {
    IMpSolidColorBrush* blue = brush({0, 0, 1, 1});
    const MpRect rect{10, 5, 20, 15};
    context.fillRectangle(&rect, blue);
    blue->release();
    for (const auto& [x, y] : {std::pair{10, 5}, {19, 14}, {15, 10}})
        EXPECT_EQ(context.pixel(x, y), opaqueBlue) << x << ',' << y;
    for (const auto& [x, y] : {std::pair{9, 5}, {20, 14}, {15, 4}, {15, 15}})
        EXPECT_EQ(context.pixel(x, y), transparent) << x << ',' << y;
    EXPECT_EQ(paintedPixels(0, 0, 40, 30), 100);
}

TEST_F(Drawing, AHalfPixelEdgeIsBlendedNotDropped) {
    IMpSolidColorBrush* blue = brush({0, 0, 1, 1});
    const MpRect rect{0.5f, 0, 2, 1};
    context.fillRectangle(&rect, blue);
    blue->release();
    EXPECT_EQ(context.pixel(0, 0) >> 24, 0x80u);
    EXPECT_EQ(context.pixel(1, 0), opaqueBlue);
}

TEST_F(Drawing, FilledFiguresAreFilledAndHollowOnesStroked) {
    IMpGeometrySink* sink = nullptr;
    IMpPathGeometry* geometry = openGeometry(context, sink);
    sink->beginFigure({2, 2}, MP_FIGURE_BEGIN_FILLED);  // a filled square 2..12
    sink->addLine({12, 2});
    sink->addLine({12, 12});
    sink->addLine({2, 12});
    sink->endFigure(MP_FIGURE_END_CLOSED);
    sink->beginFigure({20, 2}, MP_FIGURE_BEGIN_HOLLOW);  // an outline 20..36
    sink->addLine({36, 2});
    sink->addLine({36, 18});
    sink->addLine({20, 18});
    sink->endFigure(MP_FIGURE_END_CLOSED);
    sink->close();
    sink->release();
    IMpSolidColorBrush* blue = brush({0, 0, 1, 1});
    context.drawGeometry(geometry, blue, 2, nullptr);
    geometry->release();
    blue->release();

    EXPECT_EQ(context.pixel(7, 7), opaqueBlue);
    EXPECT_EQ(context.pixel(20, 10), opaqueBlue);   // on the outline
    EXPECT_EQ(context.pixel(28, 10), transparent);  // inside it
}

// A polyline as long as a scope trace, along y = 25 from x = 0 to 40, and a
// short anti-aliased diagonal drawn after it, into `target`.
void drawTraceThenDiagonal(CairoContext& target, bool withTrace) {
    IMpGeometrySink* sink = nullptr;
    IMpPathGeometry* trace = openGeometry(target, sink);
    sink->beginFigure({0, 25}, MP_FIGURE_BEGIN_HOLLOW);
    for (int32_t i = 1; i <= 200; ++i) sink->addLine({i * 0.2f, 25});
    sink->endFigure(MP_FIGURE_END_OPEN);
    sink->close();
    sink->release();
    const MpColor blueColor{0, 0, 1, 1};
    void* brushObject = nullptr;
    target.createSolidColorBrush(&blueColor, &brushObject);
    auto* blue = static_cast<IMpSolidColorBrush*>(brushObject);
    if (withTrace) target.drawGeometry(trace, blue, 2, nullptr);
    target.drawLine({2, 2}, {18, 13}, blue, 1, nullptr);
    trace->release();
    blue->release();
}

TEST_F(Drawing, ALongPolylineIsStrokedAndLaterLinesKeepTheirAntiAliasing) {
    drawTraceThenDiagonal(context, true);
    CairoContext diagonalOnly{40, 30};
    drawTraceThenDiagonal(diagonalOnly, false);

    for (int32_t x : {0, 20, 39}) {
        EXPECT_EQ(context.pixel(x, 24), opaqueBlue) << x;
        EXPECT_EQ(context.pixel(x, 25), opaqueBlue) << x;
    }
    int32_t partlyCovered = 0;
    for (int32_t y = 0; y < 20; ++y) {
        for (int32_t x = 0; x < 40; ++x) {
            ASSERT_EQ(context.pixel(x, y), diagonalOnly.pixel(x, y)) << x << ',' << y;
            const uint32_t alpha = context.pixel(x, y) >> 24;
            partlyCovered += alpha > 0 && alpha < 0xFF;
        }
    }
    EXPECT_GT(partlyCovered, 10);
    EXPECT_EQ(diagonalOnly.liveObjects(), 0);
}

TEST_F(Drawing, BitmapsAreScaledFromSourceToDestinationWithStraightAlphaAndPixelEdits) {
    TestSkin skin;
    GraphicsHost host;
    // Two frames side by side: opaque green and half-transparent red.
    const auto path = skin.write("frames.png", pngBytes(2, 1, {0, 255, 0, 255, 255, 0, 0, 128}));
    void* object = nullptr;
    ASSERT_EQ(host.loadImage(zuhost::gui::pathToUtf8(path).c_str(), &object), gmpi::MP_OK);
    auto* bitmap = static_cast<IMpBitmap*>(object);
    const MpRect secondFrame{1, 0, 2, 1}, destination{0, 0, 10, 10};
    context.drawBitmap(bitmap, &destination, 1, 1, &secondFrame);
    EXPECT_EQ(context.pixel(5, 5), 0x80800000u);  // red at half alpha, premultiplied; no green bleeds in
    EXPECT_EQ(context.pixel(10, 5), transparent);

    void* pixelsObject = nullptr;
    bitmap->lockPixels(&pixelsObject, 0);
    auto* pixels = static_cast<IMpBitmapPixels*>(pixelsObject);
    pixels->getPixelAddress()[7] = 255;  // the red frame becomes opaque
    const MpRect elsewhere{20, 0, 30, 10};
    context.drawBitmap(bitmap, &elsewhere, 0.5f, 0, &secondFrame);
    EXPECT_EQ(context.pixel(25, 5), 0x80800000u);  // opaque red at half opacity
    // Edits through a pixel object still held show in every later draw, and after its release.
    pixels->getPixelAddress()[6] = 0;  // and then black
    const MpRect third{0, 15, 10, 25};
    context.drawBitmap(bitmap, &third, 0.5f, 0, &secondFrame);
    EXPECT_EQ(context.pixel(5, 20), 0x80000000u);
    pixels->getPixelAddress()[4] = 255;  // and then blue
    pixels->release();
    const MpRect fourth{20, 15, 30, 25};
    context.drawBitmap(bitmap, &fourth, 0.5f, 0, &secondFrame);
    EXPECT_EQ(context.pixel(25, 20), 0x80000080u);
    bitmap->release();
    EXPECT_EQ(host.objects().live(), 0);
}

TEST_F(Drawing, TextLandsInsideItsLayoutRectangleByItsAlignments) {
    GraphicsHost host;
    void* object = nullptr;
    ASSERT_EQ(host.createTextFormat("Arial", nullptr, 400, 0, 5, 12, nullptr, &object), gmpi::MP_OK);
    auto* format = static_cast<IMpTextFormat*>(object);
    format->setTextAlignment(MP_TEXT_ALIGN_TRAILING);
    format->setParagraphAlignment(MP_PARAGRAPH_ALIGN_FAR);
    IMpSolidColorBrush* blue = brush({0, 0, 1, 1});
    const MpRect layout{0, 0, 40, 30};
    context.drawText("Hi", 2, format, &layout, blue, 0);
    blue->release();
    format->release();
    EXPECT_GT(paintedPixels(25, 15, 40, 30), 10);  // bottom right
    EXPECT_EQ(paintedPixels(0, 0, 40, 12), 0);
    EXPECT_EQ(paintedPixels(0, 0, 20, 30), 0);
}

TEST_F(Drawing, NonFiniteCoordinatesAndUnknownObjectsDrawNothing) {
    IMpSolidColorBrush* blue = brush({0, 0, 1, 1});
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const MpRect bad{0, 0, nan, 10}, good{0, 0, 10, 10};
    context.fillRectangle(&bad, blue);
    context.drawLine({0, 0}, {nan, 5}, blue, 2, nullptr);
    context.drawBitmap(reinterpret_cast<IMpBitmap*>(blue), &good, 1, 1, &good);
    blue->release();
    context.fillRectangle(&good, blue);  // released
    EXPECT_EQ(paintedPixels(0, 0, 40, 30), 0);
    const MpRect after{0, 0, 1, 1};
    IMpSolidColorBrush* again = brush({0, 0, 1, 1});
    context.fillRectangle(&after, again);  // the context still draws
    again->release();
    EXPECT_EQ(context.pixel(0, 0), opaqueBlue);
}

TEST_F(Drawing, WritesAPngThatReadsBackAsDrawn) {
    IMpSolidColorBrush* blue = brush({0, 0, 1, 1});
    const MpRect rect{0, 0, 40, 15};
    context.fillRectangle(&rect, blue);
    blue->release();
    const auto path = testTempPath("drawn.png");
    ASSERT_TRUE(context.writePng(path));
    const auto image = zuhost::gui::decodeImageFile(path);
    std::filesystem::remove(path);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width, 40);
    EXPECT_EQ(image->height, 30);
    EXPECT_EQ(image->pixels[0], 255);  // B of the top-left pixel
    EXPECT_EQ(image->pixels[3], 255);
    EXPECT_EQ(image->pixels[size_t(image->bytesPerRow()) * 20 + 3], 0);
}

TEST(PangoExtents, ArialAtTwelveHasRealPlausibleSizes) {
    zuhost::gui::PangoTextMeasurer measurer;
    zuhost::gui::TextFormatSettings arial;
    arial.family = "Arial";
    arial.size = 12;
    const MpSize short_ = measurer.measure(arial, "Gain");
    const MpSize long_ = measurer.measure(arial, "Gain and level");
    EXPECT_GT(short_.width, 18);  // Liberation Sans: about 22 pixels
    EXPECT_LT(short_.width, 30);
    EXPECT_GT(short_.height, 12);  // a line: about 14 pixels
    EXPECT_LT(short_.height, 18);
    EXPECT_GT(long_.width, short_.width * 2.5f);
    EXPECT_EQ(long_.height, short_.height);
    EXPECT_EQ(measurer.measure(arial, "").width, 0);

    arial.weight = 700;
    EXPECT_GT(measurer.measure(arial, "Gain").width, short_.width);
    EXPECT_GT(measurer.measure(arial, "\xFF\xFE").width, 0);  // invalid UTF-8 still measures
}

TEST(PangoExtents, AreWhatTheGraphicsHostsTextFormatsAnswerNatively) {
    GraphicsHost host;
    void* object = nullptr;
    ASSERT_EQ(host.createTextFormat("Arial", nullptr, 400, 0, 5, 12, nullptr, &object), gmpi::MP_OK);
    MpSize extent{};
    static_cast<IMpTextFormat*>(object)->getTextExtent("Gain", 4, &extent);
    static_cast<IMpTextFormat*>(object)->release();
    zuhost::gui::TextFormatSettings arial;
    arial.family = "Arial";
    EXPECT_EQ(extent.width, zuhost::gui::PangoTextMeasurer().measure(arial, "Gain").width);
}

TEST(PangoExtents, ArialIsMetricCompatibleWithLiberationSans) {
    zuhost::gui::PangoTextMeasurer measurer;
    zuhost::gui::TextFormatSettings arial, liberation;
    arial.family = "Arial";
    liberation.family = "Liberation Sans";
    EXPECT_EQ(measurer.measure(arial, "Slider 0.5").width, measurer.measure(liberation, "Slider 0.5").width);
}

}  // namespace
