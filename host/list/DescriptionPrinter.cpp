#include "host/list/DescriptionPrinter.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "framework/MpInterfaces.h"
#include "host/command/JsonOutput.h"

namespace zuhost {

namespace {

using Row = std::vector<std::string>;

std::string_view directionName(int32_t direction) { return direction == gmpi::MP_OUT ? "out" : "in"; }

// Keeps the terminal safe from control characters hidden in a description.
std::string printable(std::string_view text) {
    std::string shown;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", byte);
            shown += escaped;
        } else {
            shown += c;
        }
    }
    return shown;
}

// Columns are as wide as their widest cell, counted in characters.
size_t displayWidth(std::string_view text) {
    return static_cast<size_t>(std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

void printTable(const Row& header, const std::vector<Row>& rows, std::ostream& out) {
    std::vector<size_t> widths(header.size());
    for (size_t i = 0; i < header.size(); ++i) widths[i] = displayWidth(header[i]);
    for (const Row& row : rows) {
        for (size_t i = 0; i < row.size(); ++i) widths[i] = std::max(widths[i], displayWidth(row[i]));
    }
    const auto printRow = [&](const Row& row) {
        std::string line = "    ";
        for (size_t i = 0; i < row.size(); ++i) {
            line += row[i];
            if (i + 1 < row.size()) line += std::string(widths[i] - displayWidth(row[i]) + 2, ' ');
        }
        line.erase(line.find_last_not_of(' ') + 1);
        out << line << '\n';
    };
    printRow(header);
    for (const Row& row : rows) printRow(row);
}

std::string attributeText(const std::vector<Attribute>& attributes) {
    std::string text;
    for (const Attribute& attribute : attributes) {
        if (!text.empty()) text += ' ';
        const bool needsQuotes = attribute.value.empty() || attribute.value.find_first_of(" ,\"") != std::string::npos;
        text += attribute.name + '=' + (needsQuotes ? '"' + attribute.value + '"' : attribute.value);
    }
    return printable(text);
}

void printParameters(const std::vector<ParameterDescription>& parameters, std::ostream& out) {
    out << "  Parameters\n";
    std::vector<Row> rows;
    for (const ParameterDescription& parameter : parameters) {
        rows.push_back({std::to_string(parameter.id), printable(parameter.name), printable(parameter.datatype),
                        attributeText(parameter.attributes)});
    }
    printTable({"id", "name", "datatype", "attributes"}, rows, out);
}

void printPins(std::string_view title, const std::vector<PinDescription>& pins, std::ostream& out) {
    out << "  " << title << '\n';
    std::vector<Row> rows;
    for (const PinDescription& pin : pins) {
        rows.push_back({std::to_string(pin.index), printable(pin.name), printable(pin.datatype),
                        std::to_string(pin.datatypeCode), std::string(directionName(pin.direction)),
                        attributeText(pin.attributes)});
    }
    printTable({"index", "name", "datatype", "code", "direction", "attributes"}, rows, out);
}

Json attributesJson(const std::vector<Attribute>& attributes) {
    Json json = Json::object();
    for (const Attribute& attribute : attributes) json[attribute.name] = attribute.value;
    return json;
}

Json pinJson(const PinDescription& pin) {
    Json json = {{"index", pin.index},
                 {"name", pin.name},
                 {"datatype", pin.datatype},
                 {"datatypeCode", pin.datatypeCode},
                 {"direction", directionName(pin.direction)},
                 {"directionCode", pin.direction}};
    if (pin.parameterId) json["parameterId"] = *pin.parameterId;
    json["attributes"] = attributesJson(pin.attributes);
    return json;
}

Json parameterJson(const ParameterDescription& parameter) {
    return {{"id", parameter.id},
            {"name", parameter.name},
            {"datatype", parameter.datatype},
            {"attributes", attributesJson(parameter.attributes)}};
}

template <class Item>
Json arrayOf(const std::vector<Item>& items, Json (*itemJson)(const Item&)) {
    Json array = Json::array();
    for (const Item& item : items) array.push_back(itemJson(item));
    return array;
}

Json pluginJson(const PluginDescription& plugin) {
    return {{"id", plugin.id},
            {"name", plugin.name},
            {"category", plugin.category},
            {"graphicsApi", plugin.graphicsApi},
            {"parameters", arrayOf(plugin.parameters, parameterJson)},
            {"audioPins", arrayOf(plugin.audioPins, pinJson)},
            {"guiPins", arrayOf(plugin.guiPins, pinJson)}};
}

}  // namespace

void printDescriptionText(const LibraryDescription& description, std::ostream& out) {
    for (const PluginDescription& plugin : description.plugins) {
        out << printable(plugin.id) << "  (name \"" << printable(plugin.name) << "\", category "
            << printable(plugin.category) << ", graphicsApi " << printable(plugin.graphicsApi) << ")\n";
        printParameters(plugin.parameters, out);
        printPins("Audio pins", plugin.audioPins, out);
        printPins("GUI pins", plugin.guiPins, out);
        out << '\n';
    }
}

void printDescriptionJson(const LibraryDescription& description, std::ostream& out) {
    printJson({{"plugins", arrayOf(description.plugins, pluginJson)}}, out);
}

}  // namespace zuhost
