#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "gui/MpGuiGfxBase.h"
#include "tests/gui/GuiTestHost.h"

namespace {

using namespace gmpi;
using gmpi_gui::MpGuiGfxBase;

// A panel with one pin of every kind, each counting its handler's calls.
class PinPanel : public MpGuiGfxBase {
public:
    PinPanel() {
        initializePin(13, intPin, &PinPanel::onInt);
        initializePin(floatPin, &PinPanel::onFloat);
        initializePin(boolPin, &PinPanel::onBool);
        initializePin(stringPin, &PinPanel::onString);
        initializePin(20, blobs, &PinPanel::onBlob);
        initializePin(21, floats, &PinPanel::onArrayFloat);
        initializePin(silentPin);
    }
    int32_t measure(gmpi_gui::MpSize, gmpi_gui::MpSize*) override { return MP_OK; }
    int32_t render(IMpUnknown*) override { return MP_OK; }

    void onInt() { ++calls["int"]; }
    void onFloat() { ++calls["float"]; }
    void onBool() { ++calls["bool"]; }
    void onString() { ++calls["string"]; }
    void onBlob(int32_t voice) {
        ++calls["blob"];
        voices.push_back(voice);
    }
    void onArrayFloat(int32_t voice) {
        ++calls["floats"];
        voices.push_back(voice);
    }

    MpGuiPinInt intPin;
    MpGuiPinFloat floatPin;
    MpGuiPinBool boolPin;
    MpGuiPinString stringPin;
    MpGuiArrayPinBlob blobs;
    MpGuiArrayPinFloat floats;
    MpGuiPinInt silentPin;
    std::map<std::string, int> calls;
    std::vector<int32_t> voices;
};

// Bytes in a block of their own, so that reading past them is caught.
struct Bytes {
    explicit Bytes(std::vector<uint8_t> content)
        : size(static_cast<int32_t>(content.size())), data(new uint8_t[content.size()]) {
        if (!content.empty()) std::memcpy(data.get(), content.data(), content.size());
    }
    int32_t size;
    std::unique_ptr<uint8_t[]> data;
};

template <class T>
std::vector<uint8_t> bytesOf(T value) {
    std::vector<uint8_t> bytes(sizeof(T));
    std::memcpy(bytes.data(), &value, sizeof(T));
    return bytes;
}

class GuiPinTest : public ::testing::Test {
protected:
    // Delivers the bytes and answers how often the pin's handler ran for it.
    int deliver(int32_t pinId, const std::vector<uint8_t>& content, int32_t voice = 0) {
        const std::string handler = handlerOf(pinId);
        const int before = panel->calls[handler];
        Bytes bytes(content);
        EXPECT_EQ(panel->setPin(pinId, voice, bytes.size, bytes.data.get()), MP_OK);
        return panel->calls[handler] - before;
    }
    static std::string handlerOf(int32_t pinId) {
        static const std::map<int32_t, std::string> names{{13, "int"},    {14, "float"}, {15, "bool"},
                                                          {16, "string"}, {20, "blob"},  {21, "floats"}};
        return names.at(pinId);
    }

    guitest::TestGuiHost host;  // outlives the panel, which releases it
    std::unique_ptr<PinPanel, void (*)(PinPanel*)> panel{new PinPanel, [](PinPanel* p) { p->release(); }};
};

TEST_F(GuiPinTest, NextFreeIdsFollowTheLargestBoundId) {
    EXPECT_EQ(panel->intPin.getId(), 13);
    EXPECT_EQ(panel->floatPin.getId(), 14);
    EXPECT_EQ(panel->boolPin.getId(), 15);
    EXPECT_EQ(panel->stringPin.getId(), 16);
    EXPECT_EQ(panel->silentPin.getId(), 22);

    struct FirstPin : MpGuiGfxBase {
        FirstPin() { initializePin(pin); }
        int32_t measure(gmpi_gui::MpSize, gmpi_gui::MpSize*) override { return MP_OK; }
        int32_t render(IMpUnknown*) override { return MP_OK; }
        MpGuiPinInt pin;
    };
    auto* first = new FirstPin;
    EXPECT_EQ(first->pin.getId(), 0);
    first->release();
}

// Each row: pin, what is already there, what arrives, whether the handler runs.
struct ChangeCase {
    const char* name;
    int32_t pinId;
    std::vector<uint8_t> before;
    std::vector<uint8_t> delivered;
    int expectedCalls;
};

class GuiPinChangeTest : public GuiPinTest, public ::testing::WithParamInterface<ChangeCase> {};

TEST_P(GuiPinChangeTest, HandlerRunsOnlyWhenTheBytesChangeTheValue) {
    const ChangeCase& c = GetParam();
    deliver(c.pinId, c.before);
    EXPECT_EQ(deliver(c.pinId, c.delivered), c.expectedCalls);
}

const std::vector<uint8_t> none;
INSTANTIATE_TEST_SUITE_P(
    Types, GuiPinChangeTest,
    ::testing::Values(ChangeCase{"SameInt", 13, bytesOf<int32_t>(5), bytesOf<int32_t>(5), 0},
                      ChangeCase{"OtherInt", 13, bytesOf<int32_t>(5), bytesOf<int32_t>(6), 1},
                      ChangeCase{"NegativeZeroFloat", 14, bytesOf(0.0f), bytesOf(-0.0f), 1},
                      ChangeCase{"SameFloatBits", 14, bytesOf(1.5f), bytesOf(1.5f), 0},
                      ChangeCase{"FalseByteOnFalse", 15, bytesOf<uint8_t>(0), bytesOf<uint8_t>(0), 0},
                      ChangeCase{"NonZeroByteOnTrue", 15, bytesOf<uint8_t>(1), bytesOf<uint8_t>(7), 0},
                      ChangeCase{"EmptyStringOnEmpty", 16, none, none, 0},
                      ChangeCase{"SameString", 16, {'a', 0, 'b', 0}, {'a', 0, 'b', 0}, 0},
                      ChangeCase{"LongerString", 16, {'a', 0}, {'a', 0, 'b', 0}, 1},
                      ChangeCase{"SameBlob", 20, {1, 2, 3}, {1, 2, 3}, 0},
                      ChangeCase{"BlobOfOtherSize", 20, {1, 2, 3}, {1, 2}, 1},
                      ChangeCase{"BlobOfOtherBytes", 20, {1, 2, 3}, {1, 2, 4}, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GuiPinTest, ShortValuesAreReadOnlyAsFarAsTheirSize) {
    deliver(13, {0x34, 0x12});
    EXPECT_EQ(panel->intPin.getValue(), 0x1234);
    deliver(14, {});
    EXPECT_EQ(panel->floatPin.getValue(), 0.0f);
    deliver(15, bytesOf<int32_t>(2));
    EXPECT_TRUE(panel->boolPin.getValue());
    deliver(15, {});
    EXPECT_FALSE(panel->boolPin.getValue());
    deliver(16, {'h', 0, 'i', 0, '!'});
    EXPECT_EQ(panel->stringPin.getValue(), u"hi");
}

TEST_F(GuiPinTest, NegativeSizesAndNullDataCountAsNoBytes) {
    EXPECT_EQ(panel->setPin(13, 0, -4, nullptr), MP_OK);
    EXPECT_EQ(panel->setPin(16, 0, 8, nullptr), MP_OK);
    EXPECT_EQ(panel->setPin(20, 0, -1, "x"), MP_OK);
    EXPECT_EQ(panel->intPin.getValue(), 0);
    EXPECT_EQ(panel->blobs[0].getSize(), 0);
}

TEST_F(GuiPinTest, ArrayPinsStoreOneVoiceAndTellTheHandlerWhich) {
    EXPECT_EQ(deliver(20, {9, 9}, 7), 1);
    EXPECT_EQ(deliver(21, bytesOf(0.5f), 127), 1);
    EXPECT_EQ(panel->voices, (std::vector<int32_t>{7, 127}));
    EXPECT_EQ(panel->blobs[7].getSize(), 2);
    EXPECT_EQ(panel->blobs[6].getSize(), 0);
    EXPECT_EQ(panel->floats[127], 0.5f);
}

TEST_F(GuiPinTest, VoicesOutsideTheArrayAreIgnored) {
    for (int32_t voice : {-1, 128, 1 << 30}) {
        EXPECT_EQ(deliver(20, {1}, voice), 0) << voice;
        EXPECT_EQ(deliver(21, bytesOf(1.0f), voice), 0) << voice;
    }
}

TEST_F(GuiPinTest, UnknownPinIdIsRefused) {
    int32_t value = 1;
    EXPECT_EQ(panel->setPin(99, 0, 4, &value), MP_FAIL);
    EXPECT_EQ(panel->setPin(-1, 0, 4, &value), MP_FAIL);
}

TEST_F(GuiPinTest, InitializeNotifiesOnlyPinsStillAtTheirDefault) {
    deliver(13, bytesOf<int32_t>(5));
    deliver(20, {1}, 3);
    panel->calls.clear();
    panel->voices.clear();
    panel->initialize();
    EXPECT_EQ(panel->calls,
              (std::map<std::string, int>{{"float", 1}, {"bool", 1}, {"string", 1}, {"blob", 1}, {"floats", 1}}));
    EXPECT_EQ(panel->voices, (std::vector<int32_t>{0, 0}));
}

TEST_F(GuiPinTest, ValuesBeforeTheHostAreStoredAndHandledWithoutSending) {
    EXPECT_EQ(deliver(13, bytesOf<int32_t>(3)), 1);
    panel->floatPin = 2.0f;
    EXPECT_EQ(panel->floatPin.getValue(), 2.0f);
}

TEST_F(GuiPinTest, WritingAPinSendsOnlyAChange) {
    panel->setHost(host.unknown());
    panel->intPin = 4;
    panel->intPin = 4;
    panel->stringPin = std::u16string(u"ab");
    panel->floatPin = -0.0f;
    ASSERT_EQ(host.sent.size(), 3u);
    EXPECT_EQ(host.sent[0].pinId, 13);
    EXPECT_EQ(host.sent[0].bytes, bytesOf<int32_t>(4));
    EXPECT_EQ(host.sent[1].pinId, 16);
    EXPECT_EQ(host.sent[1].bytes, (std::vector<uint8_t>{'a', 0, 'b', 0}));
    EXPECT_EQ(host.sent[2].bytes, bytesOf(-0.0f));
    for (const auto& value : host.sent) EXPECT_EQ(value.voice, 0);
}

}  // namespace
