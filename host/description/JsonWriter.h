// Writes indented JSON to a stream, one value at a time.
//
// Contract: the caller nests begin/end calls properly and gives each member
// of an object its key() before its value; the writer places commas, line
// breaks and indentation. Strings are escaped so that the output is valid
// JSON whatever bytes they hold: quotes, backslashes and control characters
// are escaped, and bytes that are not valid UTF-8 become U+FFFD.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace zuhost {

class JsonWriter {
public:
    explicit JsonWriter(std::ostream& out) : out_(out) {}

    void beginObject();
    void endObject();
    void beginArray();
    void endArray();
    void key(std::string_view name);
    void string(std::string_view text);
    void number(int64_t value);
    void boolean(bool value);

    void stringMember(std::string_view name, std::string_view text) { key(name), string(text); }
    void numberMember(std::string_view name, int64_t value) { key(name), number(value); }

private:
    void beforeValue();
    void open(char bracket);
    void close(char bracket);
    void newLine();

    std::ostream& out_;
    std::vector<bool> levelIsEmpty_;
    bool afterKey_ = false;
};

// `text` as a JSON string literal, quotes included.
std::string jsonQuoted(std::string_view text);

}  // namespace zuhost
