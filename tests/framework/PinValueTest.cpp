#include <gtest/gtest.h>

#include <cstdint>
#include <utility>
#include <vector>

#include "framework/PinValue.h"

namespace {

using gmpi::MissingBytes;
using gmpi::PinValue;
using gmpi::RawBytes;

// Each row: what the pin holds, the bytes that arrive, and what it holds after
// with the audio pins' rule (missing bytes kept) and the panels' (zeroed).
template <class T>
struct TakeCase {
    const char* name;
    T before;
    std::vector<uint8_t> bytes;
    T kept;
    T zeroed;
};

template <class T>
void expectBothRules(const TakeCase<T>& c) {
    const std::pair<MissingBytes, T> rules[] = {{MissingBytes::kept, c.kept}, {MissingBytes::zeroed, c.zeroed}};
    for (const auto& [missing, expected] : rules) {
        T value = c.before;
        PinValue<T>::take(value, RawBytes(static_cast<int32_t>(c.bytes.size()), c.bytes.data()), missing);
        EXPECT_EQ(value, expected) << c.name << (missing == MissingBytes::kept ? " kept" : " zeroed");
    }
}

TEST(PinValueTest, ShortWordsOverlayTheValueOnlyWhereMissingBytesAreKept) {
    const TakeCase<int32_t> cases[] = {
        {"two bytes", 0x11223344, {0xAA, 0xBB}, 0x1122BBAA, 0x0000BBAA},
        {"no bytes", 42, {}, 42, 0},
        {"eight bytes", 7, {1, 0, 0, 0, 9, 9, 9, 9}, 1, 1},
    };
    for (const auto& c : cases) expectBothRules(c);
}

TEST(PinValueTest, BoolReadsAWordOrItsFirstByteAndOnlyNoBytesDependOnTheRule) {
    const TakeCase<bool> cases[] = {
        {"no bytes", true, {}, true, false},
        {"word with a high byte", false, {0, 0, 0, 2}, true, true},
        {"two bytes", false, {2, 0}, true, true},
        {"zero byte", true, {0}, false, false},
    };
    for (const auto& c : cases) expectBothRules(c);
}

}  // namespace
