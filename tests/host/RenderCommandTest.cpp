#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "host/gui/SkinFolder.h"

#include "tests/host/PanelCommandSupport.h"
#include "tests/support/TestTempPath.h"

namespace {

class RenderCommandTest : public ::testing::Test {
protected:
    CommandResult render(std::vector<std::string> args) {
        args.insert(args.begin() + 1, builtLibrary());
        args.insert(args.begin(), "render");
        args.insert(args.end(), {"--out", png.string()});
        return runZuhostWith(args);
    }
    const std::filesystem::path png = testTempPath("panel.png");
};

TEST_F(RenderCommandTest, EveryPanelIsDrawnOverTheBackgroundAtItsMeasuredSize) {
    for (const char* plugin : {"ZU Slider", "ZU Slider2", "ZU List Entry", "ZU Scope3 XP", "ZU TrigScope3 XP"}) {
        const CommandResult result = render({plugin});
        ASSERT_EQ(result.status, 0) << plugin << result.err;
        const Picture picture(png);
        ASSERT_TRUE(picture.valid()) << plugin;
        EXPECT_NE(result.out.find("at " + std::to_string(picture.width()) + "x" + std::to_string(picture.height())),
                  std::string::npos)
            << result.out;
        EXPECT_GT(picture.drawnPixels(), 50) << plugin;
    }
}

TEST_F(RenderCommandTest, AGivenSizeIsThePicturesSize) {
    ASSERT_EQ(render({"ZU Scope3 XP", "--size", "320x215", "--signal", "A=sine:440"}).status, 0);
    const Picture picture(png);
    EXPECT_EQ(picture.width(), 320);
    EXPECT_EQ(picture.height(), 215);
}

TEST_F(RenderCommandTest, AScopeTraceAppearsWhereTheSignalSwings) {
    ASSERT_EQ(render({"ZU Scope3 XP", "--size", "400x215"}).status, 0);
    const std::filesystem::path empty = testTempPath("empty.png");
    std::filesystem::rename(png, empty);
    ASSERT_EQ(render({"ZU Scope3 XP", "--size", "400x215", "--signal", "A=sine:440:0.8"}).status, 0);
    // A sine at 0.8 reaches 80 pixels above the centre at 107.5, and no higher.
    EXPECT_GT(differingPixels(Picture(empty), Picture(png), 20, 40), 20);
    EXPECT_EQ(differingPixels(Picture(empty), Picture(png), 0, 20), 0);
}

TEST_F(RenderCommandTest, ACaptureCsvShowsEachVoicesLastCapture) {
    const std::filesystem::path csv = testTempPath("captures.csv");
    {
        std::ofstream file(csv);
        file << "capture,time,voice,sample,Capture Data A,Capture Data B\n";
        for (int capture = 0; capture < 2; ++capture)
            for (int sample = 0; sample < 400; ++sample)
                file << capture << ",0,0," << sample << "," << (capture == 0 ? "-1" : "1") << ",\n";
    }
    ASSERT_EQ(render({"ZU Scope3 XP", "--size", "400x215"}).status, 0);
    const std::filesystem::path empty = testTempPath("empty.png");
    std::filesystem::rename(png, empty);
    const CommandResult result = render({"ZU Scope3 XP", "--size", "400x215", "--capture-csv", csv.string()});
    ASSERT_EQ(result.status, 0) << result.err;
    // A sample of 1 lies 100 pixels above the centre at 107.5; the earlier capture of -1 is not drawn.
    EXPECT_GT(differingPixels(Picture(empty), Picture(png), 6, 10), 300);
    EXPECT_EQ(differingPixels(Picture(empty), Picture(png), 205, 210), 0);
}

TEST_F(RenderCommandTest, PinValuesChangeThePicture) {
    ASSERT_EQ(render({"ZU Slider2", "--pin", "RangeHi=10", "--pin", "Value In=0", "--pin", "Appearance=3"}).status, 0);
    const Picture low(png);
    ASSERT_EQ(render({"ZU Slider2", "--pin", "RangeHi=10", "--pin", "Value In=10", "--pin", "Appearance=3"}).status, 0);
    const Picture high(png);
    ASSERT_EQ(low.width(), high.width());
    EXPECT_GT(differingPixels(low, high, 0, low.height()), 20);
}

TEST_F(RenderCommandTest, GesturesAndTypedTextPrintWhatThePanelSent) {
    struct Case {
        std::vector<std::string> args;
        std::string expected;
    };
    const Case cases[] = {
        {{"--pin", "RangeHi=10", "--pin", "Reset Value=2.5", "--down", "30,20", "--up", "30,20", "--alt"},
         "sent Value In = 2.5\n"},
        {{"--pin", "RangeHi=10", "--down", "30,50", "--up", "30,50", "--type", "7"}, "sent Value In = 7\n"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args{"ZU Slider2", "--pin", "Appearance=3"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const CommandResult result = render(args);
        ASSERT_EQ(result.status, 0) << result.err;
        EXPECT_NE(result.out.find(c.expected), std::string::npos) << result.out;
    }
}

TEST_F(RenderCommandTest, APanelIsMeasuredBeforeItIsArrangedAtAGivenSize) {
    const std::vector<std::string> knob{"ZU Slider2", "--pin", "Appearance=3", "--pin", "RangeHi=10"};
    ASSERT_EQ(render(knob).status, 0);
    const std::filesystem::path natural = testTempPath("natural.png");
    std::filesystem::rename(png, natural);
    std::vector<std::string> sized = knob;
    sized.insert(sized.end(), {"--size", "60x55"});
    ASSERT_EQ(render(sized).status, 0);
    std::stringstream a, b;
    a << std::ifstream(natural, std::ios::binary).rdbuf();
    b << std::ifstream(png, std::ios::binary).rdbuf();
    EXPECT_TRUE(a.str() == b.str()) << "the measured size given as --size draws the same bytes";

    // The readout the panel places while it measures takes typed text.
    sized.insert(sized.end(), {"--down", "30,50", "--up", "30,50", "--type", "7"});
    EXPECT_NE(render(sized).out.find("sent Value In = 7\n"), std::string::npos);
}

TEST_F(RenderCommandTest, AMeasureBeyondTheLargestSideIsCappedWithAWarningNamingTheSkinImage) {
    const std::filesystem::path skin = testTempPath("skin");
    std::filesystem::copy(zuhost::gui::SkinFolder::besideExecutable(), skin);
    std::ofstream(skin / "knob_med.txt", std::ios::app) << "frame_size 99999 40\n";
    const CommandResult result = render({"ZU Slider2", "--pin", "Appearance=3", "--skin", skin.string()});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err,
              "zuhost render: warning: the panel measures 99999x55, more than 4096 a side; it is laid out at 4096x55 "
              "(skin image knob_med asks for frames of 99999x40)\n");
    EXPECT_EQ(Picture(png).width(), 4096);
}

// As in a session: a knob dragged 20 pixels up turns a fifth of its range.
TEST_F(RenderCommandTest, ParametersHaveARangeSoADragSendsAValueInIt) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{}, "sent Value In = 1.9999999\n"},
        {{"--range-min", "2", "--range-max", "4"}, "sent Value In = 2.4\n"},
        {{"--range-max", "0"}, "panel: ZU Slider2 at 60x55\nwrote "},
    };
    for (const auto& [range, sent] : cases) {
        std::vector<std::string> args{"ZU Slider2", "--pin", "Appearance=3", "--down", "30,20",
                                      "--move",     "30,0",  "--up",         "30,0"};
        args.insert(args.end(), range.begin(), range.end());
        const CommandResult result = render(args);
        ASSERT_EQ(result.status, 0) << result.err;
        EXPECT_NE(result.out.find(sent), std::string::npos) << result.out;
    }
}

TEST_F(RenderCommandTest, AChoiceOrTextThatNoMenuOrEntryTookIsAWarning) {
    const CommandResult result = render({"ZU Slider2", "--menu-choice", "3", "--type", "7"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err,
              "zuhost render: warning: --menu-choice 3: no menu was shown to take it\n"
              "zuhost render: warning: --type \"7\": no text entry was shown to take it\n");
}

TEST_F(RenderCommandTest, TextThatDoesNotFitThePanelIsAUsageErrorNamingItsOption) {
    const std::vector<std::string> cases[] = {
        {"ZU Slider2", "--pin", "Nonsense=1"},
        {"ZU Slider2", "--pin", "RangeHi=abc"},
        {"ZU Slider2", "--pin", "Appearance"},
        {"ZU Scope3 XP", "--signal", "A=square:3"},
        {"ZU Scope3 XP", "--signal", "Q=sine:3"},
        {"ZU Scope3 XP", "--signal", "256:A=sine:3"},
        {"ZU Scope3 XP", "--signal", "VoiceGate=sine:3"},
        {"ZU Scope3 XP", "--capture-csv", "/no/such/captures.csv"},
    };
    for (const auto& args : cases) {
        const CommandResult result = render(args);
        EXPECT_EQ(result.status, 2) << args[2];
        EXPECT_EQ(result.err.rfind("zuhost render: " + args[1] + ": ", 0), 0u) << result.err;
        EXPECT_FALSE(std::filesystem::exists(png)) << "nothing is drawn";
    }
}

}  // namespace
