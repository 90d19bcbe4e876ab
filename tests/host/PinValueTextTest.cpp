#include "host/run/PinValueText.h"

#include <gtest/gtest.h>

#include <cstring>

#include "host/command/UsageError.h"

namespace {

using namespace zuhost;

// A pin called P of the datatype, with nothing else set.
PinDescription pinOf(const std::string& datatype) { return {0, "P", datatype, 0, 0, {}, {}}; }

template <class T>
T decoded(const std::vector<uint8_t>& bytes) {
    EXPECT_EQ(bytes.size(), sizeof(T));
    T value{};
    std::memcpy(&value, bytes.data(), sizeof(T));
    return value;
}

TEST(PinValueText, ParsesEachDatatypeIntoTheBytesAHostSends) {
    EXPECT_EQ(decoded<float>(parsePinValue(pinOf("float"), "2.5")), 2.5f);
    EXPECT_EQ(decoded<int32_t>(parsePinValue(pinOf("int"), "-7")), -7);
    EXPECT_EQ(decoded<int32_t>(parsePinValue(pinOf("enum"), "3")), 3);
    EXPECT_EQ(parsePinValue(pinOf("bool"), "true"), std::vector<uint8_t>{1});
    EXPECT_EQ(parsePinValue(pinOf("bool"), "0"), std::vector<uint8_t>{0});
    EXPECT_EQ(parsePinValue(pinOf("blob"), "00fFa0"), (std::vector<uint8_t>{0x00, 0xFF, 0xA0}));
    EXPECT_TRUE(parsePinValue(pinOf("blob"), "").empty());
}

TEST(PinValueText, RefusesTextThatDoesNotFitThePin) {
    const std::pair<const char*, const char*> cases[] = {
        {"float", "nan"}, {"float", "1e39"}, {"float", "x"}, {"int", "2147483648"}, {"int", "1.0"},
        {"bool", "yes"},  {"blob", "abc"},   {"blob", "zz"}, {"string", "text"},
    };
    for (const auto& [datatype, text] : cases)
        EXPECT_THROW(parsePinValue(pinOf(datatype), text), UsageError) << datatype << ' ' << text;
}

TEST(PinValueText, FormatsSentValuesByDatatype) {
    EXPECT_EQ(formatPinValue(pinOf("float"), parsePinValue(pinOf("float"), "0.1")), "0.1");
    EXPECT_EQ(formatPinValue(pinOf("enum"), parsePinValue(pinOf("int"), "-3")), "-3");
    EXPECT_EQ(formatPinValue(pinOf("bool"), std::vector<uint8_t>{2}), "1");
    EXPECT_EQ(formatPinValue(pinOf("bool"), std::vector<uint8_t>{0, 0, 0, 0}), "0");
    EXPECT_EQ(formatPinValue(pinOf("blob"), std::vector<uint8_t>(1600)), "blob 1600 bytes");
    // A value of the wrong width for its pin shows its bytes rather than a guess.
    EXPECT_EQ(formatPinValue(pinOf("float"), std::vector<uint8_t>{1, 0xAB}), "0x01ab");
}

}  // namespace
