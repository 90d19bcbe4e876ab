#include "host/panel/SessionScript.h"

#include <algorithm>
#include <sstream>
#include <tuple>

#include "host/command/NumberText.h"
#include "host/command/SampleTime.h"
#include "host/command/UsageError.h"
#include "host/gui/PanelSession.h"
#include "host/panel/PanelArguments.h"

namespace zuhost {

namespace {

constexpr int64_t dragStepMilliseconds = 10;

bool blank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// A comment starts at a # that begins a word, so that values may hold one (C#).
std::string withoutCommentAndBlanks(const std::string& line) {
    size_t end = line.size();
    for (size_t at = line.find('#'); at != std::string::npos; at = line.find('#', at + 1)) {
        if (at == 0 || blank(line[at - 1])) {
            end = at;
            break;
        }
    }
    while (end > 0 && blank(line[end - 1])) --end;
    return line.substr(0, end);
}

template <class Body>
auto atLine(int32_t line, Body&& body) -> decltype(body()) {
    try {
        return body();
    } catch (const UsageError& error) {
        throw UsageError("script line " + std::to_string(line) + ": " + error.what());
    }
}

// The answer to a menu or text entry waits for it, so it goes before a
// gesture of the same time that opens one.
bool answersFirst(const SessionAction& action) {
    return action.kind == SessionAction::Kind::Choose || action.kind == SessionAction::Kind::Type;
}

uint32_t modifiersFrom(std::istringstream& words) {
    uint32_t modifiers = 0;
    for (std::string word; words >> word;) {
        if (word == "alt")
            modifiers |= gui::AltKey;
        else if (word == "control")
            modifiers |= gui::ControlKey;
        else if (word == "shift")
            modifiers |= gui::ShiftKey;
        else
            throw UsageError("expected alt, control or shift, not '" + word + "'");
    }
    return modifiers;
}

std::string word(std::istringstream& words, std::string_view what) {
    std::string text;
    if (!(words >> text)) throw UsageError("expected " + std::string(what));
    return text;
}

std::string restOf(std::istringstream& words) {
    std::string text;
    std::getline(words >> std::ws, text);
    return text;
}

SessionAction pointerAction(int64_t time, SessionAction::Kind kind, gmpi_gui::MpPoint point, uint32_t modifiers) {
    SessionAction action;
    action.time = time;
    action.kind = kind;
    action.point = point;
    action.modifiers = modifiers;
    return action;
}

void addDrag(std::vector<SessionAction>& actions, std::istringstream& words, int64_t time, float sampleRate) {
    const gmpi_gui::MpPoint from = parsePoint(word(words, "the point X,Y the drag starts at"));
    const gmpi_gui::MpPoint to = parsePoint(word(words, "the point X,Y the drag ends at"));
    const int64_t duration = SampleTime::parse(word(words, "the drag's duration")).samplesAt(sampleRate);
    const uint32_t modifiers = modifiersFrom(words);
    const int64_t step =
        std::max<int64_t>(1, SampleTime(dragStepMilliseconds, SampleTime::Unit::Milliseconds).samplesAt(sampleRate));
    const int64_t moves = std::max<int64_t>(1, duration / step);
    actions.push_back(pointerAction(time, SessionAction::Kind::Down, from, modifiers));
    for (int64_t i = 1; i <= moves; ++i) {
        const float t = static_cast<float>(i) / static_cast<float>(moves);
        const gmpi_gui::MpPoint point{from.x + (to.x - from.x) * t, from.y + (to.y - from.y) * t};
        actions.push_back(pointerAction(time + duration * i / moves, SessionAction::Kind::Move, point, modifiers));
    }
    actions.push_back(pointerAction(time + duration, SessionAction::Kind::Up, to, modifiers));
}

void addLine(std::vector<SessionAction>& actions, const std::string& line, float sampleRate) {
    std::istringstream words(line);
    std::string timeText, verb;
    if (!(words >> timeText)) return;
    if (!(words >> verb)) throw UsageError("expected a verb after the time");
    SessionAction action;
    action.time = SampleTime::parse(timeText).samplesAt(sampleRate);
    if (verb == "pin") {
        action.kind = SessionAction::Kind::Pin;
        std::tie(action.name, action.text) = parseNameValue(restOf(words));
    } else if (verb == "down" || verb == "move" || verb == "up") {
        action.kind = verb == "down"   ? SessionAction::Kind::Down
                      : verb == "move" ? SessionAction::Kind::Move
                                       : SessionAction::Kind::Up;
        action.point = parsePoint(word(words, "a point X,Y"));
        action.modifiers = modifiersFrom(words);
    } else if (verb == "drag") {
        return addDrag(actions, words, action.time, sampleRate);
    } else if (verb == "type") {
        action.kind = SessionAction::Kind::Type;
        action.text = restOf(words);
    } else if (verb == "choose") {
        action.kind = SessionAction::Kind::Choose;
        const auto choice = parseInteger<int32_t>(word(words, "an item id"));
        if (!choice) throw UsageError("expected an item id");
        action.choice = *choice;
    } else {
        throw UsageError("unknown verb '" + verb + "'");
    }
    actions.push_back(action);
}

}  // namespace

std::vector<SessionAction> parseSessionScript(std::istream& script, float sampleRate) {
    std::vector<SessionAction> actions;
    int32_t lineNumber = 0;
    for (std::string line; std::getline(script, line);) {
        ++lineNumber;
        const size_t first = actions.size();
        atLine(lineNumber, [&] { addLine(actions, withoutCommentAndBlanks(line), sampleRate); });
        for (size_t i = first; i < actions.size(); ++i) actions[i].line = lineNumber;
    }
    std::stable_sort(actions.begin(), actions.end(), [](const SessionAction& a, const SessionAction& b) {
        return a.time != b.time ? a.time < b.time : answersFirst(a) && !answersFirst(b);
    });
    return actions;
}

void resolvePinActions(std::vector<SessionAction>& actions, const PluginDescription& plugin) {
    for (SessionAction& action : actions) {
        if (action.kind != SessionAction::Kind::Pin) continue;
        action.value = atLine(action.line, [&] { return resolvePanelPinValue(plugin, action.name, action.text); });
    }
}

}  // namespace zuhost
