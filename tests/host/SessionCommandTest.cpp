#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "host/run/WavFile.h"
#include "tests/host/PanelCommandSupport.h"
#include "tests/support/TestTempPath.h"

namespace {

class SessionCommandTest : public ::testing::Test {
protected:
    CommandResult session(const std::string& plugin, const std::string& script, std::vector<std::string> args) {
        std::ofstream(directory / "script.txt") << script;
        args.insert(args.begin(), plugin);
        args.insert(args.begin() + 1, builtLibrary());
        args.insert(args.begin(), "session");
        args.insert(args.end(), {"--script", (directory / "script.txt").string(), "--out", directory.string()});
        return runZuhostWith(args);
    }
    int linesWith(const std::string& file, const std::string& text) {
        std::ifstream in(directory / file);
        int count = 0;
        for (std::string line; std::getline(in, line);) count += line.find(text) != std::string::npos;
        return count;
    }
    std::filesystem::path frame(int index) {
        char name[32];
        std::snprintf(name, sizeof name, "frame_%04d.png", index);
        return directory / "frames" / name;
    }

    const std::filesystem::path directory = [] {
        auto path = testTempPath("session");
        std::filesystem::create_directories(path);
        return path;
    }();
};

TEST_F(SessionCommandTest, DraggingAKnobUpRampsTheOutputToATenthOfTheRangeMaximum) {
    const CommandResult result = session("ZU Slider2", "0s pin Appearance=3\n0.1s drag 30,20 30,-120 0.5s\n",
                                         {"--length", "0.8s", "--frame-every", "100"});
    ASSERT_EQ(result.status, 0) << result.err;
    const std::vector<float> signal = zuhost::readWavChannel(directory / "Signal_Out.wav", 0).samples;
    ASSERT_EQ(signal.size(), 38400u);
    EXPECT_EQ(signal[4000], 0.0f);   // before the drag
    EXPECT_GT(signal[16000], 0.0f);  // during it
    EXPECT_LT(signal[16000], 1.0f);
    EXPECT_FLOAT_EQ(signal.back(), 1.0f);  // the range maximum is 10
    EXPECT_TRUE(std::is_sorted(signal.begin(), signal.end()));
    EXPECT_GT(linesWith("crossings.csv", ",to processor,S0,"), 10);

    // The knob turned between the first picture and the last.
    const Picture first(frame(0)), last(frame(7));
    ASSERT_TRUE(first.valid() && last.valid());
    EXPECT_GT(differingPixels(first, last, 0, first.height()), 20);
    EXPECT_TRUE(Picture(directory / "strip.png").valid());
}

TEST_F(SessionCommandTest, AScopeFedASineShowsItsTraceOnThePanel) {
    const CommandResult result = session("ZU Scope3 XP", "# the scope only watches\n",
                                         {"--length", "0.3s", "--size", "400x215", "--input", "Signal A=sine:440"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_GT(linesWith("crossings.csv", ",processor,Capture Data A,0,blob 1600 bytes"), 2);
    // A full-scale sine reaches 100 pixels above the centre: the band above the grid's top labels.
    const Picture picture(frame(5));
    ASSERT_TRUE(picture.valid());
    EXPECT_GT(picture.drawnPixels(40, 6, 400, 12), 20);
}

TEST_F(SessionCommandTest, APanelThatAsksForANewMeasureIsLaidOutAgainBeforeTheNextFrame) {
    const CommandResult result = session("ZU Slider2", "0s pin Appearance=2\n0.1s pin Appearance=3\n",
                                         {"--length", "0.2s", "--frame-every", "100"});
    ASSERT_EQ(result.status, 0) << result.err;
    // A horizontal slider, then a knob, each at what it measures (as render shows them).
    const Picture slider(frame(0)), knob(frame(2));
    EXPECT_EQ(std::pair(slider.width(), slider.height()), std::pair(100, 45));
    EXPECT_EQ(std::pair(knob.width(), knob.height()), std::pair(60, 55));
}

TEST_F(SessionCommandTest, ALongRunLeavesOutFramesAndCapturesWhenAskedAndItsStripStaysBounded) {
    const CommandResult result =
        session("ZU Scope3 XP", "",
                {"--length", "0.2s", "--frame-every", "1", "--size", "1000x600", "--no-frames", "--no-captures"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_FALSE(std::filesystem::exists(directory / "frames"));
    EXPECT_FALSE(std::filesystem::exists(directory / "captures.csv"));
    EXPECT_EQ(result.out.find("captures sent: 0\n"), std::string::npos) << "still counted";
    // A frame a block: 150, of which every second, scaled to 512 pixels wide, in ten columns.
    EXPECT_NE(result.out.find("strip.png with 75 of 150 frames\n"), std::string::npos) << result.out;
    EXPECT_EQ(Picture(directory / "strip.png").width(), 10 + 10 * (512 + 10));
}

TEST_F(SessionCommandTest, ARunRemovesTheFilesItsFolderHeldFromTheRunBeforeAndFailsLoudlyWhenAWriteFails) {
    const std::filesystem::path outside = testTempPath("outside.txt");
    std::ofstream(directory / "notes.txt") << "mine\n";
    std::ofstream(outside) << "mine too\n";
    ASSERT_EQ(session("ZU Slider2", "", {"--length", "0.4s", "--frame-every", "100"}).status, 0);
    ASSERT_TRUE(std::filesystem::exists(frame(4)));
    std::ofstream(directory / "zuhost-outputs.txt", std::ios::app) << "../" << outside.filename().string() << "\n";

    ASSERT_EQ(session("ZU Slider2", "", {"--length", "0.1s", "--frame-every", "100"}).status, 0);
    EXPECT_TRUE(std::filesystem::exists(frame(1)));
    EXPECT_FALSE(std::filesystem::exists(frame(2))) << "a frame of the run before";
    EXPECT_TRUE(std::filesystem::exists(directory / "notes.txt"));
    EXPECT_TRUE(std::filesystem::exists(outside));

    std::filesystem::remove(directory / "strip.png");
    std::filesystem::create_directory(directory / "strip.png");
    const CommandResult failed = session("ZU Slider2", "", {"--length", "0.1s"});
    EXPECT_EQ(failed.status, 1);
    EXPECT_EQ(failed.err.rfind("zuhost session: cannot write " + (directory / "strip.png").string() + ": ", 0), 0u)
        << failed.err;
    EXPECT_EQ(failed.out.find("strip.png"), std::string::npos) << "no wrote line for it";
}

TEST_F(SessionCommandTest, ScriptMistakesAreUsageErrorsNamingTheLine) {
    const std::pair<std::string, std::string> cases[] = {
        {"0s pin Appearance=3\n0.1s wiggle 1,2\n", "script line 2: unknown verb 'wiggle'"},
        {"0s up 1,1\n\n0.1s pin Appearance=loud\n", "script line 3: pin \"Appearance\""},
        {"0s up 1,1\n0.1s pin Loudness=1\n", "script line 2: \"ZU Slider2\" has no panel pin \"Loudness\""},
    };
    for (const auto& [script, reason] : cases) {
        const CommandResult result = session("ZU Slider2", script, {});
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(result.err.rfind("zuhost session: --script: " + reason, 0), 0u) << result.err;
    }
}

// As a script saved on Windows may be; the choice follows the click that opens the list's menu.
TEST_F(SessionCommandTest, ScriptsTakeLineEndsBlanksAndCommentsAndAnswersAfterTheirGesture) {
    const CommandResult result = session("ZU List Entry",
                                         "# a list\r\n0s pin Show Title On Panel=0  # no title \r\n"
                                         "0.1s down 30,7\r\n0.1s up 30,7 \r\n0.1s choose 2\t\r\n"
                                         "0.2s type 5\r\n1s choose 3\r\n",
                                         {"--length", "0.3s"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(linesWith("crossings.csv", "0.1,panel,Value In,0,2"), 1);
    EXPECT_EQ(result.err,
              "zuhost session: warning: script line 6: no text entry was shown to take it\n"
              "zuhost session: warning: script line 7 comes too late to be played before the end (--length 0.3s)\n");
}

}  // namespace
