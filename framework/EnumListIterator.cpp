#include "framework/EnumListIterator.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>

namespace gmpi {

namespace {

constexpr std::u16string_view rangePrefix = u"range";
constexpr size_t rangeHeaderLength = 6;  // "range" and one separator

bool isWhiteSpace(char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }

std::u16string_view trimmed(std::u16string_view text) {
    while (!text.empty() && isWhiteSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && isWhiteSpace(text.back())) text.remove_suffix(1);
    return text;
}

std::u16string_view tail(std::u16string_view text, size_t from) {
    return from < text.size() ? text.substr(from) : std::u16string_view{};
}

}  // namespace

int32_t parseDecimal(std::u16string_view text) {
    size_t i = 0;
    while (i < text.size() && isWhiteSpace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
    constexpr int64_t limit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
    int64_t magnitude = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i)
        magnitude = std::min(limit, magnitude * 10 + (text[i] - u'0'));
    const int64_t value = negative ? -magnitude : magnitude;
    return static_cast<int32_t>(
        std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

std::u16string decimalText(int32_t value) {
    const std::string narrow = std::to_string(value);
    return std::u16string(narrow.begin(), narrow.end());
}

EnumListIterator::EnumListIterator(std::u16string_view listText) : listText_(listText) {
    if (!listText_.starts_with(rangePrefix)) return;
    isRange_ = true;
    const std::u16string_view bounds = tail(listText_, rangeHeaderLength);
    position_ = parseDecimal(bounds);
    const size_t comma = bounds.find(u',');
    hi_ = comma == std::u16string_view::npos ? 0 : parseDecimal(bounds.substr(comma + 1));
}

void EnumListIterator::first() {
    index_ = -1;
    if (isRange_) {
        value_ = firstInRange() - 1;
    } else {
        position_ = 0;
        value_ = -1;
    }
    next();
}

void EnumListIterator::next() {
    if (isRange_) {
        nextInRange();
    } else {
        nextItem();
    }
}

void EnumListIterator::nextInRange() {
    // A walk that would step past the largest int32 ends there instead of wrapping.
    if (value_ == std::numeric_limits<int32_t>::max() || index_ == std::numeric_limits<int32_t>::max()) return end();
    ++index_;
    ++value_;
    text_ = decimalText(value_);
    if (value_ > hi_) end();
}

void EnumListIterator::nextItem() {
    const size_t start = static_cast<size_t>(position_);
    const size_t comma = listText_.find(u',', start);
    if (comma == std::u16string::npos && start >= listText_.size()) return end();
    ++index_;
    if (value_ != std::numeric_limits<int32_t>::max()) ++value_;
    const size_t stop = comma == std::u16string::npos ? listText_.size() : comma;
    std::u16string_view item = std::u16string_view(listText_).substr(start, stop - start);
    if (const size_t equals = item.find(u'='); equals != std::u16string_view::npos) {
        value_ = parseDecimal(item.substr(equals + 1));
        item = item.substr(0, equals);
    }
    position_ = static_cast<int32_t>(stop + 1);
    text_ = trimmed(item);
}

int32_t EnumListIterator::count() const {
    if (isRange_) {
        const int64_t span = std::abs(int64_t{hi_} - int64_t{position_}) + 1;
        return static_cast<int32_t>(std::min<int64_t>(span, std::numeric_limits<int32_t>::max()));
    }
    if (listText_.empty()) return 0;
    return 1 + static_cast<int32_t>(std::count(listText_.begin() + 1, listText_.end(), u','));
}

bool EnumListIterator::findValue(int32_t value) {
    if (isRange_) return findInRange(int64_t{value} - firstInRange());
    for (first(); !isDone(); next())
        if (value_ == value) return true;
    return false;
}

bool EnumListIterator::findIndex(int32_t index) {
    if (isRange_) return findInRange(index);
    for (first(); !isDone(); next())
        if (index_ == index) return true;
    return false;
}

int32_t EnumListIterator::firstInRange() const {
    // lo - 1 cannot be held when lo is the smallest int32; such a range starts past its first item.
    return position_ == std::numeric_limits<int32_t>::min() ? position_ + 1 : position_;
}

// A range can hold billions of items, too many to walk through to the one
// asked for; its items follow from lo, so the walk's position is computed.
bool EnumListIterator::findInRange(int64_t ordinal) {
    const int64_t value = firstInRange() + ordinal;
    if (ordinal < 0 || ordinal > std::numeric_limits<int32_t>::max() || value > hi_) {
        end();
        return false;
    }
    index_ = static_cast<int32_t>(ordinal);
    value_ = static_cast<int32_t>(value);
    text_ = decimalText(value_);
    return true;
}

}  // namespace gmpi
