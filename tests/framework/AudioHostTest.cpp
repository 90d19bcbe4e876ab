#include "host/audio/AudioHost.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <memory>

namespace {

using namespace gmpi;
using zuhost::AudioHost;
using zuhost::CallLog;
using zuhost::HostCall;
using zuhost::HostSettings;
using zuhost::SharedMemory;

TEST(AudioHostTest, AnswersAudioHostAndUnknownWithAReferenceAndRefusesOthers) {
    AudioHost host;
    for (const MpGuid& iid : {MP_IID_AUDIO_HOST, MP_IID_UNKNOWN}) {
        void* out = nullptr;
        ASSERT_EQ(host.queryInterface(iid, &out), MP_OK);
        EXPECT_EQ(out, static_cast<IMpAudioHost*>(&host));
    }
    EXPECT_EQ(host.outstandingReferences(), 2);
    void* out = &host;
    EXPECT_EQ(host.queryInterface(MP_IID_PLUGIN2, &out), MP_NOSUPPORT);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(host.queryInterface(MP_IID_AUDIO_HOST, nullptr), MP_NOSUPPORT);
    EXPECT_EQ(host.outstandingReferences(), 2);
}

TEST(AudioHostTest, CountsReferencesAndNoticesAReleaseTooMany) {
    AudioHost host;
    host.addRef();
    EXPECT_EQ(host.release(), 1);
    EXPECT_EQ(host.outstandingReferences(), 0);
    EXPECT_FALSE(host.overReleased());
    EXPECT_EQ(host.release(), 0);
    EXPECT_TRUE(host.overReleased());
}

TEST(AudioHostTest, ReportsItsSettings) {
    AudioHost host(HostSettings{44100.0f, 128, true, 77});
    float rate = 0;
    int32_t countdown = 0, handle = 0, polyphonic = 0;
    EXPECT_EQ(host.getSampleRate(&rate), MP_OK);
    EXPECT_EQ(host.querySleepCountdown(&countdown), MP_OK);
    EXPECT_EQ(host.getHandle(&handle), MP_OK);
    EXPECT_EQ(host.queryPolyphonic(&polyphonic), MP_OK);
    EXPECT_EQ(rate, 44100.0f);
    EXPECT_EQ(countdown, 128);
    EXPECT_EQ(handle, 77);
    EXPECT_EQ(polyphonic, 1);
}

TEST(AudioHostTest, GivesEachModuleItsOwnHandleUnlessOneIsSet) {
    AudioHost a, b;
    EXPECT_NE(a.settings().handle, 0);
    EXPECT_NE(a.settings().handle, b.settings().handle);
}

TEST(AudioHostTest, RefusesNullOutputsAndUnusedSlotsAndCountsThem) {
    AudioHost host;
    EXPECT_EQ(host.getSampleRate(nullptr), MP_FAIL);
    EXPECT_EQ(host.getHandle(nullptr), MP_FAIL);
    EXPECT_EQ(host.queryPolyphonic(nullptr), MP_FAIL);
    EXPECT_EQ(host.querySleepCountdown(nullptr), MP_FAIL);
    EXPECT_EQ(host.setPinValue(0, 0, 4, nullptr), MP_FAIL);
    EXPECT_EQ(host.setPinValue(0, 0, -1, "x"), MP_FAIL);
    EXPECT_EQ(host.unused6(), MP_NOSUPPORT);
    EXPECT_EQ(host.unused15(), MP_NOSUPPORT);
    EXPECT_EQ(host.unexpectedCalls(), 8);
    EXPECT_TRUE(host.log().calls().empty());
}

TEST(AudioHostTest, RecordsCallsAtAbsoluteTimesWithCopiedBytes) {
    auto log = std::make_shared<CallLog>();
    AudioHost host({}, nullptr, log, 3);
    host.beginBlock(640);
    float value = 0.5f;
    host.setPinValue(5, 2, sizeof value, &value);
    value = 9.0f;  // the host must have copied the bytes during the call
    host.setPinStreaming(7, 1, true);
    host.requestSleep();
    host.setPinValue(8, 4, 0, nullptr);

    const auto calls = log->calls();
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[0].kind, HostCall::Kind::PinValue);
    EXPECT_EQ(calls[0].voice, 3);
    EXPECT_EQ(calls[0].time, 645);
    EXPECT_EQ(calls[0].pin, 2);
    float recorded = 0;
    ASSERT_EQ(log->bytes(calls[0]).size(), sizeof recorded);
    std::memcpy(&recorded, log->bytes(calls[0]).data(), sizeof recorded);
    EXPECT_EQ(recorded, 0.5f);
    EXPECT_EQ(calls[1].kind, HostCall::Kind::PinStreaming);
    EXPECT_EQ(calls[1].time, 647);
    EXPECT_TRUE(calls[1].streaming);
    EXPECT_EQ(calls[2].kind, HostCall::Kind::Sleep);
    EXPECT_EQ(calls[2].time, 640);
    EXPECT_EQ(log->bytes(calls[3]).size(), 0u);
    EXPECT_TRUE(host.takeSleepRequest());
    EXPECT_FALSE(host.takeSleepRequest());
}

TEST(AudioHostTest, SharesOneZeroedBlockPerNameAmongInstances) {
    auto memory = std::make_shared<SharedMemory>();
    AudioHost a({}, memory), b({}, memory);
    void* first = nullptr;
    void* second = nullptr;
    void* other = nullptr;
    int32_t createdFirst = -1, createdSecond = -1;
    ASSERT_EQ(a.allocateSharedMemory(u"slot", &first, -1.0f, 8, &createdFirst), MP_OK);
    ASSERT_EQ(b.allocateSharedMemory(u"slot", &second, -1.0f, 4, &createdSecond), MP_OK);
    ASSERT_EQ(b.allocateSharedMemory(u"other", &other, -1.0f, 8, nullptr), MP_OK);
    EXPECT_EQ(first, second);
    EXPECT_NE(first, other);
    EXPECT_EQ(createdFirst, 1);
    EXPECT_EQ(createdSecond, 0);
    const std::array<uint8_t, 8> zeros{};
    EXPECT_EQ(std::memcmp(first, zeros.data(), zeros.size()), 0);
    EXPECT_EQ(memory->blockCount(), 2u);
}

TEST(AudioHostTest, RefusesSharedMemoryThatCannotBeMet) {
    AudioHost host;
    void* block = &host;
    EXPECT_EQ(host.allocateSharedMemory(u"small", &block, -1.0f, 8, nullptr), MP_OK);
    // A block cannot grow under the instances that already hold it.
    EXPECT_EQ(host.allocateSharedMemory(u"small", &block, -1.0f, 64, nullptr), MP_FAIL);
    EXPECT_EQ(block, nullptr);
    EXPECT_EQ(host.allocateSharedMemory(u"negative", &block, -1.0f, -8, nullptr), MP_FAIL);
    EXPECT_EQ(host.allocateSharedMemory(nullptr, &block, -1.0f, 8, nullptr), MP_FAIL);
    EXPECT_EQ(host.allocateSharedMemory(u"empty", &block, -1.0f, 0, nullptr), MP_OK);
    EXPECT_NE(block, nullptr);
}

}  // namespace
