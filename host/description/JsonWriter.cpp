#include "host/description/JsonWriter.h"

#include <cstdio>

#include "host/description/TextEncoding.h"

namespace zuhost {

void JsonWriter::beginObject() { open('{'); }
void JsonWriter::endObject() { close('}'); }
void JsonWriter::beginArray() { open('['); }
void JsonWriter::endArray() { close(']'); }

void JsonWriter::key(std::string_view name) {
    beforeValue();
    out_ << jsonQuoted(name) << ": ";
    afterKey_ = true;
}

void JsonWriter::string(std::string_view text) {
    beforeValue();
    out_ << jsonQuoted(text);
}

void JsonWriter::number(int64_t value) {
    beforeValue();
    out_ << value;
}

void JsonWriter::boolean(bool value) {
    beforeValue();
    out_ << (value ? "true" : "false");
}

void JsonWriter::beforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (levelIsEmpty_.empty()) return;
    if (!levelIsEmpty_.back()) out_ << ',';
    levelIsEmpty_.back() = false;
    newLine();
}

void JsonWriter::open(char bracket) {
    beforeValue();
    out_ << bracket;
    levelIsEmpty_.push_back(true);
}

void JsonWriter::close(char bracket) {
    const bool wasEmpty = levelIsEmpty_.back();
    levelIsEmpty_.pop_back();
    if (!wasEmpty) newLine();
    out_ << bracket;
}

void JsonWriter::newLine() { out_ << '\n' << std::string(2 * levelIsEmpty_.size(), ' '); }

std::string jsonQuoted(std::string_view text) {
    std::string quoted = "\"";
    for (size_t position = 0; position < text.size();) {
        const char32_t c = decodeUtf8(text, position);
        switch (c) {
            case '"': quoted += "\\\""; break;
            case '\\': quoted += "\\\\"; break;
            case '\b': quoted += "\\b"; break;
            case '\f': quoted += "\\f"; break;
            case '\n': quoted += "\\n"; break;
            case '\r': quoted += "\\r"; break;
            case '\t': quoted += "\\t"; break;
            default:
                if (c < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
                    quoted += escaped;
                } else {
                    appendUtf8(quoted, c);
                }
        }
    }
    return quoted + "\"";
}

}  // namespace zuhost
