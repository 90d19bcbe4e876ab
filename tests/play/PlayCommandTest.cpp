#include <cairo.h>
#include <signal.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <cstring>
#include <fstream>
#include <regex>
#include <sstream>
#include <thread>

#include "PlayProcess.h"
#include "tests/host/PanelCommandSupport.h"
#include "host/run/WavFile.h"

namespace {

using nlohmann::json;

struct PanelPlace {
    int x = 0, y = 0, width = 0, height = 0;
};

// Where play says it put the panel with this title.
PanelPlace placeOf(const std::string& out, const std::string& title) {
    const std::regex line("panel \"" + title + "\" at (\\d+),(\\d+) size (\\d+)x(\\d+)");
    std::smatch match;
    if (!std::regex_search(out, match, line)) return {};
    return {std::stoi(match[1]), std::stoi(match[2]), std::stoi(match[3]), std::stoi(match[4])};
}

// A pixel's colour, whatever the picture's format (the window's has no alpha).
uint32_t rgb(const Picture& picture, int x, int y) { return picture.pixel(x, y) & 0xFFFFFF; }

// Two channels of 32-bit floats, as SDL's disk driver writes them.
std::vector<float> leftChannel(const std::filesystem::path& path) {
    const std::string bytes = readText(path);
    std::vector<float> left(bytes.size() / 8);
    for (size_t i = 0; i < left.size(); ++i) std::memcpy(&left[i], bytes.data() + i * 8, 4);
    return left;
}

double rms(const std::vector<float>& samples, size_t from, size_t to) {
    double sum = 0;
    for (size_t i = from; i < to && i < samples.size(); ++i) sum += samples[i] * samples[i];
    return std::sqrt(sum / static_cast<double>(std::max<size_t>(1, std::min(to, samples.size()) - from)));
}

std::vector<std::string> valuesToProcessor(const std::filesystem::path& crossings) {
    std::vector<std::string> values;
    std::istringstream lines(readText(crossings));
    for (std::string line; std::getline(lines, line);)
        if (line.find(",to processor,") != std::string::npos) values.push_back(line.substr(line.rfind(',') + 1));
    return values;
}

void writeText(const std::filesystem::path& path, const std::string& text) { std::ofstream(path) << text; }

TEST(PlayCommandTest, AHeadlessScopeRunWritesTheSinesAtTheDeviceRateAndShowsTheirTraces) {
    const auto folder = freshFolder("scope");
    const ProcessResult result =
        runHeadless({"play", "ZU Scope3 XP", "--duration", "1.5s", "--audio-driver", "disk", "--audio-out", "out.raw",
                     "--screenshot", "shot.png", "--stats", "stats.json"},
                    folder);
    ASSERT_EQ(result.status, 0) << result.err;
    // The disk driver paces itself by sleeping, so a busy machine makes it write less, never more.
    const std::vector<float> left = leftChannel(folder / "out.raw");
    EXPECT_GT(left.size(), 0.5 * 1.5 * 48000);
    EXPECT_LT(left.size(), 1.1 * 1.5 * 48000);
    // Half of a 440 Hz sine at 0.5 and of a 220 Hz one at 0.4 (the knob at
    // its middle): at the device's rate the mix rises through zero twice in
    // each 220 Hz period.
    EXPECT_NEAR(rms(left, 4800, left.size()), std::sqrt(0.25 * 0.25 / 2 + 0.2 * 0.2 / 2), 0.02);
    int rising = 0;
    for (size_t i = 4801; i < left.size(); ++i) rising += left[i - 1] <= 0.0f && left[i] > 0.0f;
    EXPECT_NEAR(rising * 48000.0 / static_cast<double>(left.size() - 4801), 440.0, 5.0);

    const PanelPlace scope = placeOf(result.out, "Scope3 \\(xp\\)");
    ASSERT_GT(scope.width, 100) << result.out;
    const Picture shot(folder / "shot.png");
    ASSERT_TRUE(shot.valid());
    // The traces' bright green and yellow, where they cover most of a pixel.
    int green = 0, yellow = 0;
    for (int y = scope.y; y < scope.y + scope.height; ++y) {
        for (int x = scope.x; x < scope.x + scope.width; ++x) {
            const uint32_t colour = rgb(shot, x, y);
            const uint32_t red = colour >> 16, greenPart = (colour >> 8) & 0xFF;
            green += red < 60 && greenPart > 200;
            yellow += red > 200 && greenPart > 200 && (colour & 0xFF) < 100;
        }
    }
    EXPECT_GT(green, 150);
    EXPECT_GT(yellow, 150);

    const json stats = json::parse(readText(folder / "stats.json"));
    EXPECT_EQ(stats["audioThread"]["allocations"], 0);
    EXPECT_EQ(stats["audioThread"]["locks"], 0);
    EXPECT_EQ(stats["dropped"]["toPanels"], 0);
}

// A knob drives a sine that a scope watches: drags and captures at once.
constexpr const char* knobAndScope = R"({
  "nodes": [
    {"id": "knob", "plugin": "ZU Slider2", "pins": {"Appearance": 3}},
    {"id": "tone", "type": "sine", "frequency": 330},
    {"id": "scope", "plugin": "ZU Scope3 XP", "voices": 4},
    {"id": "out", "type": "output"}
  ],
  "connections": [
    {"from": "knob.Signal Out", "to": "tone.level", "scale": 0.1},
    {"from": "tone.out", "to": "scope.Signal A"},
    {"from": "knob.Signal Out", "to": "scope.Signal B"},
    {"from": "tone.out", "to": "out.left"}
  ]
})";

TEST(PlayCommandTest, DragsAndCapturesTogetherLeaveTheAudioThreadFreeOfAllocationsAndLocks) {
    const auto folder = freshFolder("realtime");
    writeText(folder / "patch.json", knobAndScope);
    writeText(folder / "script.txt",
              "0.1s drag 30,20 30,-80 0.4s\n0.6s drag 30,20 30,120 0.3s\n1s drag 30,20 30,-40 0.2s\n");
    const ProcessResult result = runHeadless({"play", "--patch", "patch.json", "--script", "script.txt", "--duration",
                                              "1.5s", "--audio-driver", "dummy", "--stats", "stats.json"},
                                             folder);
    ASSERT_EQ(result.status, 0) << result.err;
    const json stats = json::parse(readText(folder / "stats.json"));
    EXPECT_EQ(stats["audioThread"]["allocations"], 0);
    EXPECT_EQ(stats["audioThread"]["deallocations"], 0);
    EXPECT_EQ(stats["audioThread"]["locks"], 0);
    EXPECT_GT(stats["latencyMs"]["count"].get<int>(), 40);  // the drags' values reached the processor
    for (const char* queue : {"toProcessors", "toPanels", "inProcessors", "timings"})
        EXPECT_EQ(stats["dropped"][queue], 0) << queue;
}

// Plays the script live with --record, replays the recording in a session,
// and answers the values the processor got in each: live, then replayed.
std::pair<std::vector<std::string>, std::vector<std::string>> recordAndReplay(const std::string& name,
                                                                              const std::string& plugin,
                                                                              const std::string& script) {
    const auto folder = freshFolder(name);
    writeText(folder / "script.txt", script);
    const ProcessResult played = runHeadless(
        {"play", plugin, "--script", "script.txt", "--duration", "1s", "--audio-driver", "dummy", "--record", "rec"},
        folder);
    EXPECT_EQ(played.status, 0) << played.err;
    const ProcessResult replayed =
        runProcess(zuhostPath(), {"session", plugin, "--script", "rec/script.txt", "--out", "replay"}, {}, folder);
    EXPECT_EQ(replayed.status, 0) << replayed.err;
    return {valuesToProcessor(folder / "rec/crossings.csv"), valuesToProcessor(folder / "replay/crossings.csv")};
}

TEST(PlayCommandTest, ARecordedDragAndTypedValueReplayInASessionToTheSameValuesInTheSameOrder) {
    const auto [live, replayed] = recordAndReplay(
        "record", "ZU Slider2", "0.1s drag 30,20 30,-60 0.3s\n0.6s type 2.5\n0.6s down 30,46\n0.6s up 30,46\n");
    EXPECT_GT(live.size(), 20u);
    EXPECT_EQ(live.back(), "2.5");
    EXPECT_EQ(replayed, live);
}

TEST(PlayCommandTest, ARecordedMenuChoiceReplaysToTheSameItem) {
    const auto [live, replayed] = recordAndReplay(
        "record-menu", "ZU List Entry", "0.2s choose 3\n0.2s down 50,7\n0.2s up 50,7\n0.5s choose 0\n0.5s down 50,7\n");
    EXPECT_EQ(live, (std::vector<std::string>{"0", "2", "3", "0"}));
    EXPECT_EQ(replayed, live);
}

TEST(PlayCommandTest, TheWindowShowsThePanelAsRenderDrawsIt) {
    const auto folder = freshFolder("screenshot");
    writeText(folder / "script.txt", "0.1s drag 30,20 30,-35 0.2s\n");
    const ProcessResult played = runHeadless({"play", "ZU Slider2", "--script", "script.txt", "--duration", "0.6s",
                                              "--audio-driver", "dummy", "--record", "rec", "--screenshot", "shot.png"},
                                             folder);
    ASSERT_EQ(played.status, 0) << played.err;
    const std::string value = valuesToProcessor(folder / "rec/crossings.csv").back();
    const ProcessResult rendered =
        runProcess(zuhostPath(),
                   {"render", "ZU Slider2", "--pin", "Appearance=3", "--pin", "Name In=s1", "--pin", "RangeLo=0",
                    "--pin", "RangeHi=10", "--pin", "Value In=" + value, "--out", "render.png"},
                   {}, folder);
    ASSERT_EQ(rendered.status, 0) << rendered.err;
    const PanelPlace place = placeOf(played.out, "Slider2");
    const Picture shot(folder / "shot.png"), render(folder / "render.png");
    ASSERT_TRUE(shot.valid() && render.valid());
    ASSERT_EQ(render.width(), place.width);
    ASSERT_EQ(render.height(), place.height);
    int differing = 0;
    for (int y = 0; y < place.height; ++y)
        for (int x = 0; x < place.width; ++x) differing += rgb(shot, place.x + x, place.y + y) != rgb(render, x, y);
    EXPECT_EQ(differing, 0) << "value " << value;
}

TEST(PlayCommandTest, WithoutADisplayOrASoundDeviceItSaysSoInOneLineWithTheWayOut) {
    const auto folder = freshFolder("no-device");
    const ProcessResult noDisplay =
        runProcess(zuhostPath(), {"play", "ZU Slider", "--duration", "0.2s"}, {"SDL_VIDEODRIVER=none-such"}, folder);
    EXPECT_EQ(noDisplay.status, 1);
    EXPECT_NE(noDisplay.err.find("no display"), std::string::npos) << noDisplay.err;
    EXPECT_NE(noDisplay.err.find("xvfb-run"), std::string::npos);
    EXPECT_NE(noDisplay.err.find("SDL_VIDEODRIVER=offscreen"), std::string::npos);
    const ProcessResult noSound =
        runHeadless({"play", "ZU Slider", "--duration", "0.2s", "--audio-driver", "none-such"}, folder);
    EXPECT_EQ(noSound.status, 1);
    EXPECT_NE(noSound.err.find("no sound device"), std::string::npos) << noSound.err;
    EXPECT_NE(noSound.err.find("--audio-driver dummy"), std::string::npos);
}

// SDL's disk driver gives the device up when a write fails, as a device unplugged mid-run.
TEST(PlayCommandTest, ADeviceThatFailsMidRunEndsItWithWhatWasRecordedKept) {
    const auto folder = freshFolder("device-fails");
    const ProcessResult run = runHeadless({"play", "ZU Slider2", "--duration", "30s", "--audio-driver", "disk",
                                           "--audio-out", "/dev/full", "--record", "recorded"},
                                          folder);
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_NE(run.err.find("the sound device went away"), std::string::npos) << run.err;
    for (const char* file : {"script.txt", "crossings.csv", "heard.wav"})
        EXPECT_NE(run.out.find(std::string("wrote recorded/") + file), std::string::npos) << run.out;
    EXPECT_EQ(zuhost::readWavChannel(folder / "recorded" / "heard.wav", 0).sampleRate, 48000.0f);
}

TEST(PlayCommandTest, APatchAtFaultIsRefusedBeforeAnythingOpensNamingItsLine) {
    const auto folder = freshFolder("bad-patch");
    writeText(folder / "patch.json",
              "{\"nodes\": [\n  {\"id\": \"k\", \"plugin\": \"ZU Slider\", \"pins\": {\"Colour\": 1}}\n]}");
    const ProcessResult result = runHeadless({"play", "--patch", "patch.json"}, folder);
    EXPECT_EQ(result.status, 2);
    EXPECT_NE(result.err.find("patch.json line 2: node \"k\""), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("Colour"), std::string::npos);
}

// A skin's image at the same size, painted one colour.
void paintOver(const std::filesystem::path& image, double red, double green, double blue) {
    cairo_surface_t* original = cairo_image_surface_create_from_png(image.c_str());
    cairo_surface_t* painted = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, cairo_image_surface_get_width(original),
                                                          cairo_image_surface_get_height(original));
    cairo_t* cairo = cairo_create(painted);
    cairo_set_source_rgb(cairo, red, green, blue);
    cairo_paint(cairo);
    cairo_destroy(cairo);
    const auto written = image.string() + ".new";
    cairo_surface_write_to_png(painted, written.c_str());
    cairo_surface_destroy(painted);
    cairo_surface_destroy(original);
    std::filesystem::rename(written, image);  // as editors save
}

// Waits until the process has written `text` on its output; false if it does not within 30 s.
bool waitForOutput(const std::filesystem::path& folder, const std::string& text) {
    for (int i = 0; i < 300; ++i) {
        if (readText(folder / "stdout.txt").find(text) != std::string::npos) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return false;
}

TEST(PlayCommandTest, AnEditedSkinIsTakenWhenItLoadsAndRefusedWithTheReasonWhenItDoesNot) {
    const auto folder = freshFolder("skin-reload");
    std::filesystem::copy(std::filesystem::absolute("skins/default"), folder / "skin");
    const int play = startProcess(
        zuhostPath(), {"play", "ZU Slider2", "--skin", "skin", "--audio-driver", "dummy", "--screenshot", "shot.png"},
        {"SDL_VIDEODRIVER=offscreen", "XDG_CONFIG_HOME=" + folder.string()}, folder);
    EXPECT_TRUE(waitForOutput(folder, "playing"));
    writeText(folder / "skin/knob_med.png", "not a picture");
    EXPECT_TRUE(waitForOutput(folder, "skin not reloaded: knob_med.png would not decode"));
    std::filesystem::copy_file(std::filesystem::absolute("skins/default/knob_med.png"), folder / "skin/knob_med.png",
                               std::filesystem::copy_options::overwrite_existing);
    paintOver(folder / "skin/knob_med.png", 1, 0, 0);
    EXPECT_TRUE(waitForOutput(folder, "skin reloaded from skin"));
    kill(play, SIGTERM);  // as closing the window does
    const ProcessResult result = finishProcess(play, folder);
    ASSERT_EQ(result.status, 0) << result.err;
    // The last skin's red knob is what the window shows.
    const PanelPlace place = placeOf(result.out, "Slider2");
    const Picture shot(folder / "shot.png");
    int red = 0;
    for (int y = place.y; y < place.y + place.height; ++y)
        for (int x = place.x; x < place.x + place.width; ++x) red += rgb(shot, x, y) == 0xFF0000;
    EXPECT_GT(red, 400);
}

// zuhost play in a real X window, driven by the X server's own pointer and
// keyboard through xdotool, as a user would. Runs where there is a display
// (ctest runs it under xvfb-run) and xdotool is installed.
class PlayX11Test : public ::testing::Test {
protected:
    void SetUp() override {
        if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "no display: run under xvfb-run";
        if (!std::filesystem::exists("/usr/bin/xdotool")) GTEST_SKIP() << "no xdotool";
    }

    // xdotool with `args`, in a folder of its own so that its output stays apart.
    static std::string xdotool(const std::vector<std::string>& args, const std::filesystem::path& folder) {
        std::filesystem::create_directories(folder / "xdotool");
        return runProcess("/usr/bin/xdotool", args, {}, folder / "xdotool", 20).out;
    }
};

// The default Slider2 patch's knob centre and readout in the window: the
// panel stands at the window margin (8) under its title (18 high).
constexpr int knobX = 38, knobY = 46, readoutY = 72;

TEST_F(PlayX11Test, AKnobDraggedWithTheRealPointerChangesWhatIsHeardAndReplaysTheSame) {
    const auto folder = freshFolder("x11");
    const int play = startProcess(zuhostPath(),
                                  {"play", "ZU Slider2", "--audio-driver", "disk", "--audio-out", "out.raw", "--record",
                                   "rec", "--screenshot", "shot.png"},
                                  {"SDL_VIDEODRIVER=x11", "XDG_CONFIG_HOME=" + folder.string()}, folder);
    std::string window = xdotool({"search", "--sync", "--name", "ZU Slider2 - zuhost play"}, folder);
    window = window.substr(0, window.find('\n'));
    ASSERT_FALSE(window.empty());
    // Up by 40 pixels in steps, then a typed value in the readout.
    std::vector<std::string> drag{
        "sleep",     "0.8", "mousemove", "--window", window, std::to_string(knobX), std::to_string(knobY),
        "mousedown", "1"};
    for (int step = 1; step <= 8; ++step) {
        for (const std::string& word :
             {std::string("sleep"), std::string("0.03"), std::string("mousemove"), std::string("--window"), window,
              std::to_string(knobX), std::to_string(knobY - 5 * step)})
            drag.push_back(word);
    }
    for (const char* word : {"mouseup", "1", "sleep", "1.5"}) drag.emplace_back(word);
    xdotool(drag, folder);
    xdotool({"mousemove", "--window", window, std::to_string(knobX), std::to_string(readoutY), "click", "1", "sleep",
             "0.3", "type", "2.5"},
            folder);
    xdotool({"key", "Return", "sleep", "1"}, folder);
    kill(play, SIGTERM);  // as closing the window does
    const ProcessResult played = finishProcess(play, folder);
    ASSERT_EQ(played.status, 0) << played.err;

    // The drag turned the knob up, the typed value down; the sine's level is half the slider's tenth.
    const auto values = valuesToProcessor(folder / "rec/crossings.csv");
    ASSERT_GT(values.size(), 4u);
    EXPECT_EQ(values.back(), "2.5");
    const float dragged = std::stof(values[values.size() - 2]);
    EXPECT_GT(dragged, 6.0f);
    // The level in 50 ms pieces: it starts with the knob at 5, rises to where
    // the drag left it and ends where the typed value put it.
    const auto heard = zuhost::readWavChannel(folder / "rec/heard.wav", 0).samples;
    std::vector<double> levels;
    for (size_t from = 0; from + 2400 <= heard.size(); from += 2400) levels.push_back(rms(heard, from, from + 2400));
    ASSERT_GT(levels.size(), 40u);
    const auto loudest = std::max_element(levels.begin(), levels.end());
    EXPECT_NEAR(levels[2], 0.25 / std::sqrt(2.0), 0.01);
    EXPECT_NEAR(*loudest, dragged * 0.05 / std::sqrt(2.0), 0.01);
    EXPECT_NEAR(levels.back(), 0.125 / std::sqrt(2.0), 0.01);
    EXPECT_LT(loudest - levels.begin(), static_cast<ptrdiff_t>(levels.size()) - 2);

    const ProcessResult replayed = runProcess(
        zuhostPath(), {"session", "ZU Slider2", "--script", "rec/script.txt", "--out", "replay"}, {}, folder);
    ASSERT_EQ(replayed.status, 0) << replayed.err;
    EXPECT_EQ(valuesToProcessor(folder / "replay/crossings.csv"), values);

    const ProcessResult rendered =
        runProcess(zuhostPath(),
                   {"render", "ZU Slider2", "--pin", "Appearance=3", "--pin", "Name In=s1", "--pin", "RangeLo=0",
                    "--pin", "RangeHi=10", "--pin", "Value In=2.5", "--out", "render.png"},
                   {}, folder);
    ASSERT_EQ(rendered.status, 0) << rendered.err;
    const PanelPlace place = placeOf(played.out, "Slider2");
    const Picture shot(folder / "shot.png"), render(folder / "render.png");
    ASSERT_TRUE(shot.valid() && render.valid());
    int differing = 0;
    for (int y = 0; y < place.height; ++y)
        for (int x = 0; x < place.width; ++x) differing += rgb(shot, place.x + x, place.y + y) != rgb(render, x, y);
    EXPECT_EQ(differing, 0);
}

}  // namespace
