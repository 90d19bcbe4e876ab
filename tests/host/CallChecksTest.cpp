// The per-block checks on what a processor tells its host catch calls out of
// the block, out of order, to the wrong pins or with the wrong sizes.
#include "host/validate/CallChecks.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "framework/MpInterfaces.h"
#include "host/validate/Check.h"

namespace {

using namespace zuhost;

PluginDescription describedPlugin() {
    PluginDescription plugin;
    plugin.id = "test";
    plugin.audioPins = {
        {0, "In", "float", gmpi::MP_FLOAT32, gmpi::MP_IN, {}, {}},
        {1, "Level", "float", gmpi::MP_FLOAT32, gmpi::MP_OUT, {}, {}},
        {2, "Flag", "bool", gmpi::MP_BOOL, gmpi::MP_OUT, {}, {}},
        {3, "Capture", "blob", gmpi::MP_BLOB, gmpi::MP_OUT, {}, {}},
        {4, "Out", "float", gmpi::MP_AUDIO, gmpi::MP_OUT, {}, {}},
    };
    return plugin;
}

std::vector<uint8_t> bytes(size_t size) { return std::vector<uint8_t>(size, 0); }

TEST(CallChecks, TimesMustStayInsideTheBlockAndNeverGoBack) {
    CallLog log;
    log.recordValue(0, 100, 1, bytes(4));
    log.recordStreaming(0, 100, 4, true);
    log.recordSleep(0, 64);
    log.recordValue(0, 163, 1, bytes(4));
    EXPECT_NO_THROW(requireTimesInsideBlock(log, 100, 64)) << "sleep requests carry the block start and are skipped";

    log.recordValue(0, 164, 1, bytes(4));
    EXPECT_THROW(requireTimesInsideBlock(log, 100, 64), CheckFailure) << "one past the block";

    log.clear();
    log.recordValue(0, 99, 1, bytes(4));
    EXPECT_THROW(requireTimesInsideBlock(log, 100, 64), CheckFailure) << "before the block";

    log.clear();
    log.recordValue(0, 120, 1, bytes(4));
    log.recordStreaming(0, 110, 4, false);
    EXPECT_THROW(requireTimesInsideBlock(log, 100, 64), CheckFailure) << "backwards";
}

TEST(CallChecks, ValuesGoToValueOutputsWithTheirDatatypesSize) {
    const PluginDescription plugin = describedPlugin();
    CallLog sound;
    sound.recordValue(0, 0, 1, bytes(4));
    sound.recordValue(0, 0, 2, bytes(1));
    sound.recordValue(0, 0, 3, bytes(1600));
    sound.recordValue(0, 0, 3, bytes(0));
    sound.recordStreaming(0, 0, 4, true);
    EXPECT_NO_THROW(requireDescribedOutputs(sound, plugin));

    const auto failsWith = [&](auto record) {
        CallLog log;
        record(log);
        EXPECT_THROW(requireDescribedOutputs(log, plugin), CheckFailure);
    };
    failsWith([](CallLog& log) { log.recordValue(0, 0, 1, bytes(8)); });  // a float of 8 bytes
    failsWith([](CallLog& log) { log.recordValue(0, 0, 2, bytes(4)); });  // a bool of 4 bytes
    failsWith([](CallLog& log) { log.recordValue(0, 0, 0, bytes(4)); });  // to an input
    failsWith([](CallLog& log) { log.recordValue(0, 0, 4, bytes(4)); });  // to an audio output
    failsWith([](CallLog& log) { log.recordValue(0, 0, 9, bytes(4)); });  // to no pin
    failsWith([](CallLog& log) { log.recordStreaming(0, 0, 1, true); });  // streaming on a value pin
}

}  // namespace
