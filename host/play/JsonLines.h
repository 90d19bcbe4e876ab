// A JSON document read with nlohmann-json, together with the line each of its
// objects and arrays starts on, so that a reader can name the line of the
// part it finds wrong.
//
// Contract: parseJsonWithLines throws nlohmann::json::parse_error (whose text
// names the line and column) for text that is not JSON. lineOf takes a JSON
// pointer ("/nodes/2") and answers 0 for one that names no object or array.
#pragma once

#include <nlohmann/json.hpp>

#include <map>
#include <string>
#include <string_view>

namespace zuhost::play {

class JsonWithLines {
public:
    const nlohmann::ordered_json& document() const { return document_; }
    int lineOf(const std::string& pointer) const;

private:
    friend JsonWithLines parseJsonWithLines(std::string_view text);
    nlohmann::ordered_json document_;
    std::map<std::string, int> lines_;
};

JsonWithLines parseJsonWithLines(std::string_view text);

}  // namespace zuhost::play
