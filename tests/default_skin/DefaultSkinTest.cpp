// The default skin that the build draws: every image loads, is cut the way
// its metadata says, and looks the way the panels that use it need.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "tests/default_skin/SkinFiles.h"

namespace skintest {
namespace {

constexpr double pi = 3.14159265358979323846;

std::string metadataOf(const std::string& name) { return readText(skinFolder / (name + ".txt")); }

std::vector<std::string> imageNames() {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(skinFolder))
        if (entry.path().extension() == ".txt" && entry.path().stem() != "global")
            names.push_back(entry.path().stem().string());
    return names;
}

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
        const std::string metadata = metadataOf(name);
        const std::vector<int> frame = numbersOf(metadata, "frame_size");
        ASSERT_EQ(frame.size(), 2u);
        ASSERT_GT(frame[1], 0);
        if (valuesOf(metadata, "type") == std::vector<std::string>{"slider"}) continue;  // background and handle
        EXPECT_EQ(picture->width, frame[0]);
        EXPECT_EQ(picture->height % frame[1], 0) << picture->height << " rows, frames of " << frame[1];
    }
}

struct PanelImage {
    const char* name;
    const char* response;  // first letter decides: c click, r rotary
    int fewestFrames, mostFrames;
};

class PanelImageTest : public ::testing::TestWithParam<PanelImage> {};

// Buttons and lamps show value 0 in their first frame and 1 in their last;
// knobs turn in steps fine enough to look smooth.
TEST_P(PanelImageTest, RespondsAsThePanelExpectsWithEnoughFrames) {
    const PanelImage& image = GetParam();
    const std::optional<Picture> picture = readSkinImage(image.name);
    ASSERT_TRUE(picture);
    const std::string metadata = metadataOf(image.name);
    const std::vector<int> frame = numbersOf(metadata, "frame_size");
    ASSERT_EQ(frame.size(), 2u);
    const int frames = picture->height / frame[1];
    EXPECT_GE(frames, image.fewestFrames);
    EXPECT_LE(frames, image.mostFrames);
    const std::vector<std::string> response = valuesOf(metadata, "mouse_response");
    if (*image.response == '\0') {
        EXPECT_TRUE(response.empty());
    } else {
        ASSERT_EQ(response.size(), 1u);
        EXPECT_EQ(response[0].front(), image.response[0]);
    }
}

INSTANTIATE_TEST_SUITE_P(DefaultSkin, PanelImageTest,
                         ::testing::Values(PanelImage{"knob_med", "rotary", 50, 72}, PanelImage{"knob_sm", "rotary", 50, 72},
                                           PanelImage{"switch_rotary", "rotary", 36, 360},
                                           PanelImage{"button", "click", 2, 2}, PanelImage{"button_sm", "click", 2, 2},
                                           PanelImage{"arrow_left", "click", 2, 2},
                                           PanelImage{"arrow_right", "click", 2, 2}, PanelImage{"led", "", 2, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

class SliderImageTest : public ::testing::TestWithParam<const char*> {};

TEST_P(SliderImageTest, HandleLiesBesideTheBackgroundAndTravelsWithinIt) {
    const std::string metadata = metadataOf(GetParam());
    const std::optional<Picture> picture = readSkinImage(GetParam());
    ASSERT_TRUE(picture);
    const std::vector<int> frame = numbersOf(metadata, "frame_size");
    const std::vector<int> handle = numbersOf(metadata, "handle_rect");
    const std::vector<int> range = numbersOf(metadata, "handle_range");
    ASSERT_EQ(frame.size(), 2u);
    ASSERT_EQ(handle.size(), 4u);
    ASSERT_EQ(range.size(), 2u);
    const bool vertical = valuesOf(metadata, "orientation").at(0).front() == 'v';

    EXPECT_LE(handle[2], picture->width);
    EXPECT_LE(handle[3], picture->height);
    const bool besideBackground = handle[0] >= frame[0] || handle[1] >= frame[1];
    EXPECT_TRUE(besideBackground);
    EXPECT_EQ(picture->at((handle[0] + handle[2]) / 2, (handle[1] + handle[3]) / 2).alpha, 255);

    const int handleLength = vertical ? handle[3] - handle[1] : handle[2] - handle[0];
    const int across = vertical ? handle[2] - handle[0] : handle[3] - handle[1];
    EXPECT_GE(range[0], 0);
    EXPECT_LT(range[0], range[1]);
    EXPECT_LE(range[1] + handleLength, vertical ? frame[1] : frame[0]);
    EXPECT_LE(across, vertical ? frame[0] : frame[1]);
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
        const std::vector<int> key = numbersOf(metadataOf(name), "transparent_pixel");
        if (const std::optional<Picture> mask = readBmp(skinFolder / (name + "_mask.bmp"))) {
            ++masked;
            EXPECT_EQ(mask->width, image->width);
            EXPECT_EQ(mask->height, image->height);
            for (const Pixel& pixel : mask->pixels)
                ASSERT_TRUE(pixel.red == pixel.green && pixel.green == pixel.blue) << "a mask is grey";
        } else {
            ASSERT_EQ(key.size(), 2u) << "a BMP without a mask needs a key pixel";
            ++keyed;
            EXPECT_LT(key[0], image->width);
            EXPECT_LT(key[1], image->height);
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

// The lines of one style, from its FONT_CATEGORY line to the next.
std::string styleOf(const std::string& sheet, const std::string& name) {
    const size_t start = sheet.find("FONT_CATEGORY " + name + "\r\n");
    if (start == std::string::npos) return {};
    return sheet.substr(start, sheet.find("FONT_CATEGORY", start + 1) - start);
}

// Style colours are written blue first: the lowest byte is red.
std::vector<int> redGreenBlue(const std::string& word) {
    const long n = word.starts_with('#') ? std::strtol(word.c_str() + 1, nullptr, 16) : std::strtol(word.c_str(), nullptr, 10);
    return {int(n & 0xFF), int((n >> 8) & 0xFF), int((n >> 16) & 0xFF)};
}

TEST(DefaultSkin, StyleSheetDefinesThePanelsStylesInArial) {
    const std::string sheet = readText(skinFolder / "global.txt");
    for (const char* name : {"default", "control_edit", "selector_text"}) {
        SCOPED_TRACE(name);
        const std::string style = styleOf(sheet, name);
        ASSERT_FALSE(style.empty());
        const std::vector<std::string> families = valuesOf(style, "font-family");
        ASSERT_FALSE(families.empty());
        EXPECT_EQ(families[0], "Arial");
        EXPECT_GT(numbersOf(style, "font-size").at(0), 8);
    }
}

TEST(DefaultSkin, ListLabelsAreLightToReadOnDarkPanels) {
    const std::string style = styleOf(readText(skinFolder / "global.txt"), "selector_text");
    const std::vector<std::string> colour = valuesOf(style, "font-color");
    ASSERT_EQ(colour.size(), 1u);
    for (int channel : redGreenBlue(colour[0])) EXPECT_GT(channel, 0xC0);
    EXPECT_TRUE(valuesOf(style, "background-color").empty()) << "labels are drawn on the panel itself";
}

}  // namespace
}  // namespace skintest
