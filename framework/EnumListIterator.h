// Walks an enumeration list: either items "label[=value]" separated by ","
// (an item without a value follows the previous one by one, the first is 0),
// or a range "range lo,hi" whose items are lo..hi labelled with their numbers.
//
// Contract: after first() or next(), isDone() tells whether an item is current;
// index, value and text describe it. The walker owns a copy of the list text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace gmpi {

class EnumListIterator {
public:
    explicit EnumListIterator(std::u16string_view listText);

    void first();
    void next();
    bool isDone() const { return index_ == -1; }
    int32_t count() const;
    bool findValue(int32_t value);
    bool findIndex(int32_t index);

    int32_t index() const { return index_; }
    int32_t value() const { return value_; }
    const std::u16string& text() const { return text_; }
    bool isRange() const { return isRange_; }

private:
    void nextInRange();
    int32_t firstInRange() const;
    bool findInRange(int64_t ordinal);
    void nextItem();
    void end() { index_ = -1; }

    std::u16string listText_;
    int32_t index_ = -1;
    int32_t value_ = 0;
    std::u16string text_;
    bool isRange_ = false;
    int32_t position_ = 0;  // item list: where the next item starts; range: lo
    int32_t hi_ = 0;
};

// Reads a decimal integer the way strtol does (leading white space, optional
// sign, digits up to the first non-digit, 0 without digits), saturating at the
// int32 limits instead of overflowing.
int32_t parseDecimal(std::u16string_view text);

// Decimal text of a number, as UTF-16.
std::u16string decimalText(int32_t value);

}  // namespace gmpi
