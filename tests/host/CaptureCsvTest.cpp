#include "host/run/CaptureCsv.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "framework/MpInterfaces.h"
#include "tests/support/TestTempPath.h"

namespace {

using namespace zuhost;

PinDescription pin(int32_t index, const char* name, int32_t datatypeCode, int32_t direction) {
    PinDescription p;
    p.index = index;
    p.name = name;
    p.datatypeCode = datatypeCode;
    p.direction = direction;
    return p;
}

std::vector<uint8_t> capture(float first) {
    std::vector<float> samples(captureSamples, 0.0f);
    samples[0] = first;
    std::vector<uint8_t> bytes(captureBytes);
    std::memcpy(bytes.data(), samples.data(), captureBytes);
    return bytes;
}

std::vector<std::string> lines(const std::filesystem::path& path) {
    std::ifstream file(path);
    std::vector<std::string> result;
    for (std::string line; std::getline(file, line);) result.push_back(line);
    return result;
}

class CaptureCsvTest : public ::testing::Test {
protected:
    void SetUp() override {
        plugin.audioPins = {pin(0, "Capture Data A", gmpi::MP_BLOB, gmpi::MP_OUT),
                            pin(1, "Capture Data B", gmpi::MP_BLOB, gmpi::MP_OUT),
                            pin(2, "Signal A", gmpi::MP_AUDIO, gmpi::MP_IN),
                            pin(3, "Blob In", gmpi::MP_BLOB, gmpi::MP_IN)};
    }
    PluginDescription plugin;
    CallLog log;
    std::filesystem::path path = testTempPath("captures.csv");
};

TEST_F(CaptureCsvTest, GroupsTheBlobsOneVoiceSendsAtOneTimeIntoOneCapture) {
    CaptureCsv csv(plugin, path);
    log.recordValue(0, 100, 0, capture(0.25f));
    log.recordValue(0, 100, 1, capture(-0.5f));
    log.recordValue(1, 100, 0, capture(1.0f));  // another voice: another capture, without channel B
    log.recordValue(0, 300, 0, capture(2.0f));
    log.recordValue(0, 300, 0, capture(3.0f));  // the same channel again starts a new capture
    csv.write(log);
    EXPECT_EQ(csv.captures(), 4);
}

TEST_F(CaptureCsvTest, WritesFourHundredRowsPerCaptureWithAColumnPerChannel) {
    {
        CaptureCsv csv(plugin, path);
        log.recordValue(0, 100, 0, capture(0.25f));
        log.recordValue(0, 100, 1, capture(-0.5f));
        log.recordValue(2, 164, 1, capture(0.75f));
        csv.write(log);
    }
    const auto rows = lines(path);
    ASSERT_EQ(rows.size(), 1 + 2 * captureSamples);
    EXPECT_EQ(rows[0], "capture,time,voice,sample,Capture Data A,Capture Data B");
    EXPECT_EQ(rows[1], "0,100,0,0,0.25,-0.5");
    EXPECT_EQ(rows[400], "0,100,0,399,0,0");
    EXPECT_EQ(rows[401], "1,164,2,0,,0.75");
}

TEST_F(CaptureCsvTest, IgnoresClearedTracesOtherSizesAndOtherPins) {
    {
        CaptureCsv csv(plugin, path);
        log.recordValue(0, 0, 0, {});
        log.recordValue(0, 0, 1, std::vector<uint8_t>(1596));
        log.recordValue(0, 0, 3, capture(1.0f));  // an input pin
        log.recordStreaming(0, 0, 0, true);
        csv.write(log);
        EXPECT_EQ(csv.captures(), 0);
    }
    EXPECT_EQ(lines(path).size(), 1u);
}

}  // namespace
