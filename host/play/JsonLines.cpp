#include "host/play/JsonLines.h"

#include <iterator>
#include <vector>

namespace zuhost::play {

namespace {

// Walks the text for the parser and counts the lines it has passed.
class LineCountingIterator {
public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = char;
    using difference_type = std::ptrdiff_t;
    using pointer = const char*;
    using reference = const char&;

    LineCountingIterator(const char* at, int* line) : at_(at), line_(line) {}
    reference operator*() const { return *at_; }
    LineCountingIterator& operator++() {
        if (*at_ == '\n') ++*line_;
        ++at_;
        return *this;
    }
    LineCountingIterator operator++(int) {
        LineCountingIterator before = *this;
        ++*this;
        return before;
    }
    bool operator==(const LineCountingIterator& other) const { return at_ == other.at_; }

private:
    const char* at_;
    int* line_;
};

// Builds the document as nlohmann's own reader does and notes, for every
// object and array, its JSON pointer and the line its bracket stands on.
class LineNotingReader {
public:
    using Dom = nlohmann::detail::json_sax_dom_parser<nlohmann::ordered_json>;

    LineNotingReader(nlohmann::ordered_json& document, std::map<std::string, int>& lines, const int& line)
        : dom_(document), lines_(lines), line_(line) {}

    bool null() { return value() && dom_.null(); }
    bool boolean(bool v) { return value() && dom_.boolean(v); }
    bool number_integer(nlohmann::ordered_json::number_integer_t v) { return value() && dom_.number_integer(v); }
    bool number_unsigned(nlohmann::ordered_json::number_unsigned_t v) { return value() && dom_.number_unsigned(v); }
    bool number_float(nlohmann::ordered_json::number_float_t v, const std::string& s) {
        return value() && dom_.number_float(v, s);
    }
    bool string(std::string& v) { return value() && dom_.string(v); }
    bool binary(nlohmann::ordered_json::binary_t& v) { return value() && dom_.binary(v); }
    bool start_object(std::size_t n) { return open(false) && dom_.start_object(n); }
    bool end_object() { return close() && dom_.end_object(); }
    bool start_array(std::size_t n) { return open(true) && dom_.start_array(n); }
    bool end_array() { return close() && dom_.end_array(); }
    bool key(std::string& k) {
        if (!frames_.empty()) frames_.back().key = k;
        return dom_.key(k);
    }
    bool parse_error(std::size_t position, const std::string& token, const nlohmann::detail::exception& error) {
        return dom_.parse_error(position, token, error);
    }

private:
    struct Frame {
        std::string pointer;
        bool array;
        size_t next = 0;
        std::string key;
    };

    // The pointer of the value that starts now.
    std::string nextPointer() {
        if (frames_.empty()) return "";
        Frame& parent = frames_.back();
        if (parent.array) return parent.pointer + "/" + std::to_string(parent.next++);
        return parent.pointer + "/" + escaped(parent.key);
    }
    static std::string escaped(const std::string& key) {
        std::string out;
        for (const char c : key) out += c == '~' ? "~0" : c == '/' ? "~1" : std::string(1, c);
        return out;
    }
    bool value() {
        nextPointer();
        return true;
    }
    bool open(bool array) {
        std::string pointer = nextPointer();
        lines_[pointer] = line_;
        frames_.push_back({std::move(pointer), array, 0, {}});
        return true;
    }
    bool close() {
        frames_.pop_back();
        return true;
    }

    Dom dom_;
    std::map<std::string, int>& lines_;
    const int& line_;
    std::vector<Frame> frames_;
};

}  // namespace

int JsonWithLines::lineOf(const std::string& pointer) const {
    const auto found = lines_.find(pointer);
    return found == lines_.end() ? 0 : found->second;
}

JsonWithLines parseJsonWithLines(std::string_view text) {
    JsonWithLines result;
    int line = 1;
    LineNotingReader reader(result.document_, result.lines_, line);
    const LineCountingIterator first(text.data(), &line), last(text.data() + text.size(), &line);
    nlohmann::ordered_json::sax_parse(first, last, &reader);
    return result;
}

}  // namespace zuhost::play
