// The enumeration-list walker on arbitrary text.
//
// Input: u8 encoding (bit 0 set: the text is UTF-16LE code units, else each
// byte is one character), i32 a value for findValue, i32 an ordinal for
// findIndex, then the list text.
#include <cstddef>
#include <cstdint>
#include <string>

#include "framework/EnumListIterator.h"
#include "fuzz/FuzzCheck.h"
#include "fuzz/FuzzInput.h"

namespace {

using gmpi::EnumListIterator;
using zufuzz::check;

// Ranges can hold billions of items; walks stop here so an input stays fast.
constexpr int32_t walkLimit = 4096;

std::u16string listText(zufuzz::FuzzInput& input, bool wide) {
    const auto bytes = input.rest();
    std::u16string text;
    if (!wide) return {bytes.begin(), bytes.end()};
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) text.push_back(char16_t(bytes[i] | bytes[i + 1] << 8));
    return text;
}

bool isWhiteSpace(char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }

void checkItem(const EnumListIterator& walker, int32_t ordinal, int32_t previousValue) {
    check(walker.index() == ordinal, "items are numbered 0, 1, 2... in walk order");
    const std::u16string& text = walker.text();
    if (walker.isRange()) {
        check(ordinal == 0 || walker.value() == previousValue + 1, "range values climb by one");
        check(text == gmpi::decimalText(walker.value()), "a range item is labelled with its value");
        return;
    }
    check(text.find(u',') == std::u16string::npos, "an item label holds no separator");
    check(text.find(u'=') == std::u16string::npos, "an item label stops before its value");
    check(text.empty() || (!isWhiteSpace(text.front()) && !isWhiteSpace(text.back())), "an item label is trimmed");
}

struct Walk {
    int32_t items = 0;
    bool complete = false;
    bool sawValue = false;
};

Walk walkAll(EnumListIterator& walker, int32_t wanted) {
    Walk walk;
    int32_t previousValue = 0;
    for (walker.first(); !walker.isDone(); walker.next()) {
        if (walk.items == walkLimit) return walk;
        checkItem(walker, walk.items, previousValue);
        walk.sawValue |= walker.value() == wanted;
        previousValue = walker.value();
        ++walk.items;
    }
    walk.complete = true;
    return walk;
}

void checkFind(EnumListIterator& walker, const Walk& walk, int32_t value, int32_t ordinal) {
    const bool foundValue = walker.findValue(value);
    check(foundValue != walker.isDone(), "findValue ends on an item exactly when it finds one");
    if (foundValue) check(walker.value() == value, "findValue stops on an item of that value");
    if (foundValue && walker.isRange())
        check(walker.text() == gmpi::decimalText(value), "a found range item is labelled");
    if (walk.complete) check(foundValue == walk.sawValue, "findValue finds a value the walk yields");

    const bool foundIndex = walker.findIndex(ordinal);
    check(foundIndex != walker.isDone(), "findIndex ends on an item exactly when it finds one");
    if (foundIndex) check(walker.index() == ordinal, "findIndex stops on the item of that ordinal");
    if (walk.complete)
        check(foundIndex == (ordinal >= 0 && ordinal < walk.items), "findIndex finds every ordinal walked");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    zufuzz::FuzzInput input(data, size);
    const bool wide = input.read<uint8_t>() & 1;
    const auto value = input.read<int32_t>();
    const auto ordinal = input.read<int32_t>();
    EnumListIterator walker(listText(input, wide));

    check(walker.count() >= 0, "count is never negative");
    const Walk walk = walkAll(walker, value);
    if (walker.isRange() && walk.complete) check(walk.items <= walker.count(), "a range yields at most count items");
    checkFind(walker, walk, value, ordinal);
    return 0;
}
