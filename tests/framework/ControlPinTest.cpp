#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <memory>
#include <vector>

#include "framework/MpBase.h"
#include "framework/MpBlob.h"
#include "framework/MpControlPin.h"
#include "host/audio/AudioHost.h"
#include "host/audio/EventList.h"
#include "tests/framework/EngineTestSupport.h"

namespace {

using namespace gmpi;
using enginetest::hostCalls;

class Pins : public MpBase2 {
public:
    Pins() {
        registerPin(intIn);
        registerPin(floatIn);
        registerPin(boolOut);
        registerPin(blobOut);
        registerPin(intOut);
        setSleep(false);
    }
    void onSetPins() override { updatedInGroup = intIn.isUpdated(); }

    IntInPin intIn;
    FloatInPin floatIn;
    BoolOutPin boolOut;
    BlobOutPin blobOut;
    IntOutPin intOut;
    bool updatedInGroup = false;
};

class ControlPinTest : public ::testing::Test {
protected:
    void SetUp() override { plugin.setHost(&host); }

    // Delivers one value event, allocated on its own so that reading past it is caught.
    void deliver(int32_t pin, int32_t size, int32_t parm3, int32_t parm4 = 0, const uint8_t* extra = nullptr) {
        auto event = std::make_unique<MpEvent>(MpEvent{0, EVENT_PIN_SET, pin, size, parm3, parm4, extra, nullptr});
        plugin.process(4, event.get());
    }

    std::vector<uint8_t> sentBytes(size_t call) const {
        const auto bytes = host.log().bytes(host.log().calls()[call]);
        return {bytes.begin(), bytes.end()};
    }

    zuhost::AudioHost host;
    Pins plugin;
};

TEST_F(ControlPinTest, ValueEventUpdatesThePinForItsGroupAndCopiesAtMostItsWidth) {
    deliver(0, 8, 42, 99);
    EXPECT_EQ(plugin.intIn.getValue(), 42);
    EXPECT_TRUE(plugin.updatedInGroup);
    EXPECT_FALSE(plugin.intIn.isUpdated());
    deliver(0, 0, 5);
    deliver(0, -3, 5);
    EXPECT_EQ(plugin.intIn.getValue(), 42);

    int32_t half;
    std::memcpy(&half, std::array<float, 1>{0.5f}.data(), 4);
    deliver(1, 4, half);
    EXPECT_EQ(plugin.floatIn.getValue(), 0.5f);
}

TEST_F(ControlPinTest, BoolPinReadsFourBytesAsAWordAndOtherwiseItsFirstByte) {
    plugin.boolOut.setValueRaw(4, std::array<uint8_t, 4>{0, 2, 0, 0}.data());
    EXPECT_TRUE(plugin.boolOut.getValue());
    plugin.boolOut.setValueRaw(4, std::array<uint8_t, 4>{}.data());
    EXPECT_FALSE(plugin.boolOut.getValue());
    // A byte of 2 is true, and stays a valid bool: the pin sends 1.
    plugin.boolOut.setValueRaw(1, std::array<uint8_t, 1>{2}.data());
    plugin.boolOut.sendPinUpdate(3);
    EXPECT_EQ(hostCalls(host.log()), "value2@3");
    EXPECT_EQ(sentBytes(0), std::vector<uint8_t>{1});
}

TEST_F(ControlPinTest, BlobValueIsReadOnlyAsFarAsTheEventHoldsIt) {
    deliver(3, 100, 0x04030201, 0x08070605);
    EXPECT_EQ(plugin.blobOut.getValue(), MpBlob(8, std::array<uint8_t, 8>{1, 2, 3, 4, 5, 6, 7, 8}.data()));
    const std::vector<uint8_t> bytes(20, 9);
    deliver(3, 20, 0, 0, bytes.data());
    EXPECT_EQ(plugin.blobOut.getValue(), MpBlob(20, bytes.data()));
    deliver(3, -1, 0);
    EXPECT_EQ(plugin.blobOut.getSize(), 0);
}

TEST_F(ControlPinTest, OutputsSendChangedValuesAndEveryOutputSendsAtGraphStart) {
    zuhost::EventList events;
    events.addGraphStart(2);
    plugin.process(8, events.first());
    plugin.intOut.setValue(3, 5);
    plugin.intOut.setValue(3, 6);
    plugin.blobOut.setValue(MpBlob(2, "ab"));
    plugin.blobOut.setValue(MpBlob(2, "ab"));
    plugin.blobOut.setValueRaw(0, nullptr);
    plugin.blobOut.sendPinUpdate(7);
    EXPECT_EQ(hostCalls(host.log()), "value2@2 value3@2 value4@2 value4@5 value3@2 value3@7");
    EXPECT_EQ(sentBytes(0), std::vector<uint8_t>{0});
    EXPECT_EQ(sentBytes(2), std::vector<uint8_t>(4, 0));
    EXPECT_EQ(sentBytes(4), (std::vector<uint8_t>{'a', 'b'}));
    EXPECT_TRUE(sentBytes(5).empty());
}

TEST(MpBlobTest, CopiesOwnTheirBytesAndCompareByContent) {
    const MpBlob original(3, "abc");
    MpBlob copy(original);
    EXPECT_EQ(copy, original);
    EXPECT_NE(copy.getData(), original.getData());
    copy.setValueRaw(3, "abd");
    EXPECT_NE(copy, original);
    EXPECT_NE(MpBlob(2, "ab"), MpBlob(3, "abc"));
    EXPECT_EQ(MpBlob(), MpBlob(-4, "x"));
    EXPECT_EQ(MpBlob().getData(), nullptr);
}

TEST(MpBlobTest, SameSizeReusesTheBlockAndANewSizeReplacesItEvenFromItsOwnBytes) {
    MpBlob blob(6, "abcdef");
    const void* block = blob.getData();
    blob = MpBlob(6, "uvwxyz");
    EXPECT_EQ(blob.getData(), block);
    blob.setValueRaw(3, static_cast<const uint8_t*>(blob.getData()) + 2);
    EXPECT_EQ(blob, MpBlob(3, "wxy"));
    blob.setValueRaw(-5, nullptr);
    EXPECT_EQ(blob.getSize(), 0);
}

}  // namespace
