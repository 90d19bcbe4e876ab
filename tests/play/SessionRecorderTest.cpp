#include <gtest/gtest.h>

#include "PlayProcess.h"
#include "host/gui/PanelSession.h"
#include "host/play/SessionRecorder.h"
#include "host/run/WavFile.h"

namespace {

using namespace zuhost::play;

TEST(SessionRecorderTest, MenuChoicesAndTypedTextComeBeforeTheActionThatShowedThem) {
    const auto folder = freshFolder("recorder");
    {
        SessionRecorder recorder(folder, 48000.0f);
        zuhost::gui::UserScript shown;
        recorder.pin(0.0, "Appearance", "3");
        recorder.pointer(0.25, "down", {30, 20.5f}, zuhost::gui::AltKey | zuhost::gui::ShiftKey, shown);
        shown.recordMenu({{{"One", 1}, {"Two", 2}}, 0, 0, 0, 2});
        shown.recordTextEntry({"5", 0, 0, 0, 10, 10, std::string("2.5")});
        shown.recordTextEntry({"5", 0, 0, 0, 10, 10, std::nullopt});  // cancelled: nothing to replay
        recorder.pointer(1.5, "up", {30, 46}, 0, shown);
        recorder.comment(2.0, "knob: down 1,2");
        recorder.pointer(2.5, "down", {1, 1}, 0, shown);
    }
    const std::string script = readText(folder / "script.txt");
    const std::string expected =
        "0.000000s pin Appearance=3\n"
        "0.250000s down 30,20.5 alt shift\n"
        "1.500000s choose 2\n"
        "1.500000s type 2.5\n"
        "1.500000s up 30,46\n"
        "# 2.000000s knob: down 1,2\n"
        "2.500000s down 1,1\n";
    EXPECT_EQ(script.substr(script.find('\n') + 1), expected);
}

TEST(SessionRecorderTest, WhatWasHeardIsWrittenFrameByFrame) {
    const auto folder = freshFolder("recorder-wav");
    {
        SessionRecorder recorder(folder, 44100.0f);
        DroppingQueue<float> heard(64);
        const float block[8] = {0.1f, -0.1f, 0.2f, -0.2f, 0.3f, -0.3f, 0.4f, -0.4f};
        heard.push(block, 8);
        recorder.hear(heard);
        heard.push(block, 8);
        recorder.hear(heard);
    }
    const auto right = zuhost::readWavChannel(folder / "heard.wav", 1);
    EXPECT_EQ(right.sampleRate, 44100.0f);
    ASSERT_EQ(right.samples.size(), 8u);
    EXPECT_FLOAT_EQ(right.samples[3], -0.4f);
    EXPECT_FLOAT_EQ(right.samples[4], -0.1f);
}

}  // namespace
