// The default skin that the build draws, read through the library's parsers:
// every image loads, is cut the way its metadata says, and looks the way the
// panels that use it need.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "tests/default_skin/SkinFiles.h"

namespace skintest {
namespace {

using skin::ImageMetadata;

constexpr double pi = 3.14159265358979323846;

bool isBright(const Pixel& pixel) {
    return pixel.alpha > 200 && pixel.red > 200 && pixel.green > 200 && pixel.blue > 200;
}

bool isDark(const Pixel& pixel) { return pixel.alpha > 200 && pixel.red + pixel.green + pixel.blue < 3 * 80; }

// The pixel of frame `frame` at `radius` from its middle in the direction
// `degrees`, clockwise from the right.
const Pixel& pixelAt(const Picture& strip, int size, int frame, double radius, double degrees) {
    const double x = size / 2.0 + radius * std::cos(degrees * pi / 180);
    const double y = size / 2.0 + radius * std::sin(degrees * pi / 180);
    return strip.at(int(std::floor(x)), frame * size + int(std::floor(y)));
}

TEST(DefaultSkin, EveryImageLoadsAndIsAWholeNumberOfFrames) {
    const std::vector<std::string> names = imageNames();
    ASSERT_FALSE(names.empty()) << "no skin in " << std::filesystem::absolute(skinFolder);
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        const std::optional<Picture> picture = readSkinImage(name);
        ASSERT_TRUE(picture);
        const ImageMetadata metadata = metadataOf(name);
        ASSERT_GT(metadata.frameSize.height, 0);
        if (metadata.mode == ImageMetadata::slider) continue;  // a background and a handle, not frames
        EXPECT_EQ(picture->width, metadata.frameSize.width);
        EXPECT_EQ(picture->height % int(metadata.frameSize.height), 0)
            << picture->height << " rows, frames of " << metadata.frameSize.height;
    }
}

struct PanelImage {
    const char* name;
    int32_t mode;
    int32_t response;
    int fewestFrames, mostFrames;
};

class PanelImageTest : public ::testing::TestWithParam<PanelImage> {};

// Buttons and lamps show value 0 in their first frame and 1 in their last;
// knobs turn in steps fine enough to look smooth.
TEST_P(PanelImageTest, RespondsAsThePanelExpectsWithEnoughFrames) {
    const PanelImage& expected = GetParam();
    const std::optional<Picture> picture = readSkinImage(expected.name);
    ASSERT_TRUE(picture);
    const ImageMetadata metadata = metadataOf(expected.name);
    EXPECT_EQ(metadata.mode, expected.mode);
    EXPECT_EQ(metadata.orientation, expected.response);
    const int frames = picture->height / int(metadata.frameSize.height);
    EXPECT_GE(frames, expected.fewestFrames);
    EXPECT_LE(frames, expected.mostFrames);
}

INSTANTIATE_TEST_SUITE_P(
    DefaultSkin, PanelImageTest,
    ::testing::Values(PanelImage{"knob_med", ImageMetadata::animated, ImageMetadata::rotary, 50, 72},
                      PanelImage{"knob_sm", ImageMetadata::animated, ImageMetadata::rotary, 50, 72},
                      PanelImage{"switch_rotary", ImageMetadata::animated, ImageMetadata::rotary, 36, 360},
                      PanelImage{"button", ImageMetadata::button, ImageMetadata::click, 2, 2},
                      PanelImage{"button_sm", ImageMetadata::button, ImageMetadata::click, 2, 2},
                      PanelImage{"arrow_left", ImageMetadata::button, ImageMetadata::click, 2, 2},
                      PanelImage{"arrow_right", ImageMetadata::button, ImageMetadata::click, 2, 2},
                      PanelImage{"led", ImageMetadata::animated, ImageMetadata::notGiven, 2, 2}),
    [](const auto& info) { return std::string(info.param.name); });

class SliderImageTest : public ::testing::TestWithParam<const char*> {};

TEST_P(SliderImageTest, HandleLiesBesideTheBackgroundAndTravelsWithinIt) {
    const ImageMetadata metadata = metadataOf(GetParam());
    const std::optional<Picture> picture = readSkinImage(GetParam());
    ASSERT_TRUE(picture);
    ASSERT_EQ(metadata.mode, ImageMetadata::slider);
    const gmpi_gui::MpSize frame = metadata.frameSize;
    const gmpi_gui::MpRect handle = metadata.handleRect;
    const bool vertical = metadata.orientation == ImageMetadata::vertical;

    EXPECT_LE(handle.right, picture->width);
    EXPECT_LE(handle.bottom, picture->height);
    EXPECT_TRUE(handle.left >= frame.width || handle.top >= frame.height);
    EXPECT_EQ(picture->at(int(handle.left + handle.right) / 2, int(handle.top + handle.bottom) / 2).alpha, 255);

    const float handleLength = vertical ? handle.bottom - handle.top : handle.right - handle.left;
    const float across = vertical ? handle.right - handle.left : handle.bottom - handle.top;
    EXPECT_GE(metadata.handleRangeStart, 0);
    EXPECT_LT(metadata.handleRangeStart, metadata.handleRangeEnd);
    EXPECT_LE(metadata.handleRangeEnd + handleLength, vertical ? frame.height : frame.width);
    EXPECT_LE(across, vertical ? frame.width : frame.height);
}

INSTANTIATE_TEST_SUITE_P(DefaultSkin, SliderImageTest, ::testing::Values("vslider_med", "hslider_med"));

TEST(DefaultSkin, BmpImagesAreMaskedOrKeyedAndSmoothOnThePanel) {
    int masked = 0, keyed = 0;
    for (const std::string& name : imageNames()) {
        const std::filesystem::path bmp = skinFolder / (name + ".bmp");
        if (!std::filesystem::exists(bmp)) continue;
        SCOPED_TRACE(name);
        const std::optional<Picture> image = readBmp(bmp);
        ASSERT_TRUE(image);
        const ImageMetadata metadata = metadataOf(name);
        if (const std::optional<Picture> mask = readBmp(skinFolder / (name + "_mask.bmp"))) {
            ++masked;
            EXPECT_EQ(mask->width, image->width);
            EXPECT_EQ(mask->height, image->height);
            for (const Pixel& pixel : mask->pixels)
                ASSERT_TRUE(pixel.red == pixel.green && pixel.green == pixel.blue) << "a mask is grey";
        } else {
            ASSERT_GE(metadata.transparentPixelX, 0) << "a BMP without a mask needs a key pixel";
            ++keyed;
            EXPECT_LT(metadata.transparentPixelX, image->width);
            EXPECT_LT(metadata.transparentPixelY, image->height);
        }
        // What shows must not have been smoothed into the key colour.
        const std::optional<Picture> shown = readSkinImage(name);
        ASSERT_TRUE(shown);
        const auto magentaFringe = [](const Pixel& p) {
            return p.alpha > 0 && p.red > p.green + 60 && p.blue > p.green + 60;
        };
        EXPECT_EQ(std::count_if(shown->pixels.begin(), shown->pixels.end(), magentaFringe), 0);
        EXPECT_EQ(shown->at(0, 0).alpha, 0);
        EXPECT_EQ(shown->at(shown->width / 2, shown->height / 4).alpha, 255);
    }
    EXPECT_GE(masked, 1);
    EXPECT_GE(keyed, 1);
}

// Frame f of the switch points f/frames of a full turn clockwise from the
// right, which is where the list entry's stepped mapping expects it.
TEST(DefaultSkin, RotarySwitchPointsAtItsShareOfAFullTurn) {
    const std::optional<Picture> strip = readSkinImage("switch_rotary");
    ASSERT_TRUE(strip);
    const int size = strip->width;
    const int frames = strip->height / size;
    const double tip = 0.4 * size - 2.0;  // the white tip, just inside where leader lines start
    for (int frame = 0; frame < frames; ++frame) {
        const double degrees = 360.0 * frame / frames;
        EXPECT_TRUE(isBright(pixelAt(*strip, size, frame, tip, degrees))) << "frame " << frame;
        EXPECT_FALSE(isBright(pixelAt(*strip, size, frame, tip, degrees + 180))) << "frame " << frame;
        // Leader lines are drawn under the switch; away from the pointer they must show.
        EXPECT_LT(pixelAt(*strip, size, frame, 0.45 * size, degrees + 90).alpha, 40) << "frame " << frame;
    }
}

TEST(DefaultSkin, KnobsTurnClockwiseFromLowerLeftToLowerRight) {
    for (const char* name : {"knob_med", "knob_sm"}) {
        SCOPED_TRACE(name);
        const std::optional<Picture> strip = readSkinImage(name);
        ASSERT_TRUE(strip);
        const int size = strip->width;
        const int last = strip->height / size - 1;
        const double onCap = 0.22 * size;
        for (const auto& [frame, degrees] : {std::pair{0, 135.0}, {last / 2, 270.0}, {last, 45.0}}) {
            EXPECT_TRUE(isDark(pixelAt(*strip, size, frame, onCap, degrees))) << "frame " << frame;
            EXPECT_FALSE(isDark(pixelAt(*strip, size, frame, onCap, degrees + 180))) << "frame " << frame;
        }
    }
}

TEST(DefaultSkin, StyleSheetDefinesThePanelsStylesInArial) {
    const skin::FontStyleSheet sheet = styleSheet();
    for (const char* name : {"default", "control_edit", "selector_text", "title", "readout"}) {
        SCOPED_TRACE(name);
        const skin::FontMetadata& style = skin::findStyle(sheet, name);
        EXPECT_NE(&style, &sheet.fallbackStyle);
        ASSERT_FALSE(style.fontFamilies.empty());
        EXPECT_EQ(style.fontFamilies[0], "Arial");
        EXPECT_GT(style.fontSize, 8);
    }
}

TEST(DefaultSkin, ListLabelsAreLightOnTheDarkPanelItself) {
    const skin::FontStyleSheet sheet = styleSheet();
    const skin::FontMetadata& labels = skin::findStyle(sheet, "selector_text");
    const gmpi_gui::MpColor text = skin::toColor(labels.color);
    for (float channel : {text.r, text.g, text.b}) EXPECT_GT(channel, 0.75f);
    EXPECT_EQ(text.a, 1.0f);
    EXPECT_EQ(labels.backgroundColor >> 24, 0u) << "labels are drawn on the panel, without a box";
}

}  // namespace
}  // namespace skintest
